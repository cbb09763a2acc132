#pragma once
// The desktop's default applications: which application opens a kind of file
// or link, and opening a file or a link (mailto:, tel:) with it.
//
// Opening is truthful: it fails when no application is registered for the
// file's type or the link's scheme, when the file is missing, or when the
// opener cannot be started. The file path or link is handed over exactly as
// given, as one argument, never through a shell.

#include <QString>

namespace platform {

class IDesktop {
public:
    virtual ~IDesktop() = default;
    // The desktop file of the default application for a MIME type
    // ("application/pdf") or a link scheme ("x-scheme-handler/mailto");
    // empty when there is none or it cannot be asked.
    virtual QString defaultApplication(const QString& mimeType) = 0;
    // Opens an existing file with the default application for its type.
    virtual bool openFile(const QString& path) = 0;
    // Opens a link ("mailto:...", "tel:...") with the default application for
    // its scheme, byte for byte as given.
    virtual bool openUrl(const QString& url) = 0;
};

IDesktop& desktop();
void setDesktop(IDesktop* impl); // nullptr: back to the real desktop

// MIME types the program asks about.
inline constexpr const char* kDocxMimeType = "application/vnd.openxmlformats-officedocument.wordprocessingml.document";
inline constexpr const char* kXlsxMimeType = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

} // namespace platform
