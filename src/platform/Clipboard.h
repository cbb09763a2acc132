#pragma once
// The desktop's clipboard, for text.

#include <QString>

namespace platform {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Puts `text` on the clipboard; true only when the clipboard holds exactly
    // that text afterwards.
    virtual bool setText(const QString& text) = 0;
    virtual QString text() const = 0;
};

IClipboard& clipboard();
void setClipboard(IClipboard* impl); // nullptr: back to the real clipboard

} // namespace platform
