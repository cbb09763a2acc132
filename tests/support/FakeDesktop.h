#pragma once
// Records what the program asks the desktop: which default applications it
// looks up and which files and links it opens. TestPlatform installs it.

#include "platform/Desktop.h"

#include <QFileInfo>
#include <QMap>
#include <QStringList>

class FakeDesktop final : public platform::IDesktop {
public:
    QStringList openedFiles;
    QStringList openedUrls;   // exactly as handed over
    QStringList askedTypes;   // MIME types asked about, in order
    // The default application per MIME type or scheme handler; a type that is
    // missing here has none, unless `everyTypeHandled` is set.
    QMap<QString, QString> defaults;
    bool everyTypeHandled = true;
    bool canOpen = true; // false: the opener fails to start

    QString defaultApplication(const QString& mimeType) override {
        askedTypes << mimeType;
        if (defaults.contains(mimeType))
            return defaults.value(mimeType);
        return everyTypeHandled ? QStringLiteral("stand-in.desktop") : QString();
    }
    bool openFile(const QString& path) override {
        openedFiles << path;
        return canOpen && QFileInfo(path).isFile();
    }
    bool openUrl(const QString& url) override {
        openedUrls << url;
        const qsizetype colon = url.indexOf(QLatin1Char(':'));
        const QString type = QStringLiteral("x-scheme-handler/") + url.left(colon).toLower();
        return canOpen && colon > 0 && !defaultApplication(type).isEmpty();
    }
};
