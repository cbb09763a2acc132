#include "platform/Desktop.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

namespace {

// The MIME type xdg-mime asks about for a link: its scheme's handler.
QString schemeHandlerType(const QString& url) {
    const qsizetype colon = url.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return QString();
    return QStringLiteral("x-scheme-handler/") + url.left(colon).toLower();
}

class XdgDesktop final : public IDesktop {
public:
    QString defaultApplication(const QString& mimeType) override {
        const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (xdgMime.isEmpty() || mimeType.isEmpty())
            return QString();
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
        if (!query.waitForFinished(10000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
            return QString();
        return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    }

    bool openFile(const QString& path) override {
        const QFileInfo info(path);
        if (!info.isFile())
            return false;
        const QString type = QMimeDatabase().mimeTypeForFile(info).name();
        if (defaultApplication(type).isEmpty())
            return false;
        return start(info.absoluteFilePath());
    }

    bool openUrl(const QString& url) override {
        if (defaultApplication(schemeHandlerType(url)).isEmpty())
            return false;
        return start(url);
    }

private:
    // xdg-open with the target as its one argument; no shell is involved.
    static bool start(const QString& target) {
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (xdgOpen.isEmpty())
            return false;
        return QProcess::startDetached(xdgOpen, {target});
    }
};

XdgDesktop g_xdgDesktop;
IDesktop* g_desktop = nullptr;

} // namespace

IDesktop& desktop() { return g_desktop ? *g_desktop : g_xdgDesktop; }
void setDesktop(IDesktop* impl) { g_desktop = impl; }

} // namespace platform
