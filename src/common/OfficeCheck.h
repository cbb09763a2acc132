#pragma once
// Whether an office application is at hand: the Windows program asked the
// registry for a file type's current version; here the question is whether
// the desktop has a default application for the file type.

#include <QString>

// "Word.Document\CurVer": an application opens .docx files;
// "Excel.sheet\CurVer": an application opens .xlsx files; any other key: false.
bool RegistryValueExists(const QString& key);
