#pragma once
// The program folder: the one folder that holds every file the program keeps
// (archives, registers, settings, password store, manual).

#include <QString>

namespace platform {

// $QUILLORA_HOME when set and not empty, otherwise ~/.local/share/Quillora.
// Returned as it is: no trailing "/" added or removed, no check that it exists.
QString programFolder();

// Makes programFolder() return `folder`; an empty text restores the normal rule.
void setProgramFolderForTesting(const QString& folder);

} // namespace platform
