#include "common/Settings.h"

#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

namespace {

// The read buffer of the Windows program held 256 characters, terminator included.
constexpr qsizetype kMaxSettingLength = 255;

} // namespace

QString ProgramFilePath(const QString& name) {
    const QString folder = platform::programFolder();
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString ReadSetting(const QString& fileName, const QString& section, const QString& key) {
    return platform::readProfileString(ProgramFilePath(fileName), section, key, QString())
        .left(kMaxSettingLength);
}

void WriteSetting(const QString& fileName, const QString& section, const QString& key,
                  const QString& value) {
    TryWriteSetting(fileName, section, key, value);
}

void WriteSettings(const QString& fileName, const QString& section, const platform::ProfileEntries& values) {
    platform::writeProfileStrings(ProgramFilePath(fileName), section, values);
}

bool TryWriteSetting(const QString& fileName, const QString& section, const QString& key,
                     const QString& value) {
    return platform::writeProfileString(ProgramFilePath(fileName), section, key, value);
}
