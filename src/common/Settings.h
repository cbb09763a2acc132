#pragma once
// Files of the program folder and the settings kept in its INI-format files
// ("Bollettini.ini", the password store). Every call is a complete operation
// on the file: nothing is kept open or cached between calls.

#include "platform/IniFile.h"

#include <QString>

// The full path of a file of the program folder: the folder, one "/" (none
// when the folder already ends with one) and the name, unchanged.
QString ProgramFilePath(const QString& name);

// The value of `key` in `section` of the program-folder file `fileName`, or ""
// when the file, section or key is missing. At most 255 characters: a longer
// stored value gives its first 255.
QString ReadSetting(const QString& fileName, const QString& section, const QString& key);

// Stores `value` under `key` in `section` of the program-folder file
// `fileName`, creating what is missing. A write that cannot be done is lost
// without notice.
void WriteSetting(const QString& fileName, const QString& section, const QString& key,
                  const QString& value);

// Stores every key of `values` in `section` of the program-folder file
// `fileName` with one replace of the file, so that a write that cannot be done
// leaves every one of them as it was; it is lost without notice, as
// WriteSetting's.
void WriteSettings(const QString& fileName, const QString& section, const platform::ProfileEntries& values);

// As WriteSetting, for the callers that must tell the user when the value
// could not be stored: false then.
bool TryWriteSetting(const QString& fileName, const QString& section, const QString& key,
                     const QString& value);
