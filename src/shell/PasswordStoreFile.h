#pragma once
// The password store on disk: file "unins000.dll" in the program folder,
// section "Uninstall", key "Settings", holding the access password scrambled
// with itself.

#include "common/ProgramFiles.h"

#include <QString>

class QLabel;

namespace PasswordFile {
inline const QString kFile = ProgramFiles::PasswordStore;
inline const char* kSection = "Uninstall";
inline const char* kKey = "Settings";
inline const char* kInitialPassword = "pianoforterosa";
} // namespace PasswordFile

// Reads the store into the window's lblPwDark. A missing or blank store shows
// the critical "Programma non installato correttamente" message and returns
// false; the caller then unloads its window and ends the program.
bool LoadPasswordStore(QLabel* lblPwDark);

// Scrambles P (already trimmed and upper-cased) with itself, keeps it in
// lblPwDark and writes it to the store. Returns whether the write succeeded.
bool SavePasswordStore(const QString& P, QLabel* lblPwDark);

// Every start: the leftovers of copies cut short are removed from the
// program folder; when it does not exist yet, or then holds nothing or only
// the manual, it is created and the store written with the initial password
// (the Windows installer's job). A folder that holds a store or anything else
// is an installation and gets no store, damaged or not; a folder that cannot
// be listed gets nothing at all. Then the manual is copied
// there if it is missing, into a new folder or an old one; one that is there
// is left as it is. When the store cannot be written, no manual is copied:
// the folder holds no more than before, the login reports the missing store
// and the next start installs again.
void InstallProgramFolder();
