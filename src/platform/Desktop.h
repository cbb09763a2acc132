#pragma once
// The desktop's handlers: opening a file with its default application and
// opening mailto: / tel: addresses.

#include <QString>
#include <QUrl>

namespace platform {

class IDesktop {
public:
    virtual ~IDesktop() = default;
    // Opens the file with the desktop's default application; false when the
    // file is missing or nothing could open it.
    virtual bool openFile(const QString& path) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};

IDesktop& desktop();
void setDesktop(IDesktop* impl);

} // namespace platform
