#pragma once
// Whether an office program is at hand: the old program asked the registry for
// "Word.Document\CurVer" and "Excel.sheet\CurVer"; here the question is
// whether the desktop has a default application for .docx or .xlsx files.

#include <QString>

// "Word.Document\CurVer": a default application for .docx; "Excel.sheet\CurVer":
// one for .xlsx; any other key: false.
bool RegistryValueExists(const QString& key);
