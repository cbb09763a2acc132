#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace platform {

namespace {
class QtDesktop final : public IDesktop {
public:
    bool openFile(const QString& path) override {
        if (!QFileInfo(path).isFile())
            return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};
QtDesktop g_qtDesktop;
IDesktop* g_desktop = nullptr;
} // namespace

IDesktop& desktop() { return g_desktop ? *g_desktop : g_qtDesktop; }
void setDesktop(IDesktop* impl) { g_desktop = impl; }

} // namespace platform
