#pragma once
// Records what the program asks the desktop to open.

#include "platform/Desktop.h"

#include <QFileInfo>
#include <QStringList>

class FakeDesktop final : public platform::IDesktop {
public:
    QStringList openedFiles;
    QList<QUrl> openedUrls;
    bool canOpen = true; // a default application exists

    FakeDesktop() { platform::setDesktop(this); }
    ~FakeDesktop() override { platform::setDesktop(nullptr); }

    bool openFile(const QString& path) override {
        openedFiles << path;
        return canOpen && QFileInfo(path).isFile();
    }
    bool openUrl(const QUrl& url) override {
        openedUrls << url;
        return canOpen;
    }
};
