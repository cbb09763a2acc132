#include "platform/ProgramFolder.h"

#include <QDir>

namespace platform {

namespace {

QString& folderForTesting() {
    static QString folder;
    return folder;
}

} // namespace

QString programFolder() {
    if (!folderForTesting().isEmpty())
        return folderForTesting();
    const QString home = qEnvironmentVariable("QUILLORA_HOME");
    if (!home.isEmpty())
        return home;
    return QDir::homePath() + QStringLiteral("/.local/share/Quillora");
}

void setProgramFolderForTesting(const QString& folder) { folderForTesting() = folder; }

} // namespace platform
