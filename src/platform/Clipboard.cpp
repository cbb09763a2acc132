#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

namespace {
class QtClipboard final : public IClipboard {
public:
    bool setText(const QString& text) override {
        QClipboard* board = QGuiApplication::clipboard();
        if (!board)
            return false;
        board->setText(text);
        return board->text() == text;
    }
    QString text() const override {
        const QClipboard* board = QGuiApplication::clipboard();
        return board ? board->text() : QString();
    }
};
QtClipboard g_qtClipboard;
IClipboard* g_clipboard = nullptr;
} // namespace

IClipboard& clipboard() { return g_clipboard ? *g_clipboard : g_qtClipboard; }
void setClipboard(IClipboard* impl) { g_clipboard = impl; }

} // namespace platform
