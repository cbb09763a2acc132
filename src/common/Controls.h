#pragma once
// The controls the windows are built from, with the events the handlers need:
// key press with a replaceable character code, focus gained and lost, mouse
// down / up / move / double click on labels and pictures.

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <vector>

// Colours as the Windows program wrote them (&HBBGGRR).
QColor vbColor(unsigned int bgr);
namespace Colors {
inline constexpr unsigned int Focus = 0xC0FFFF;      // light yellow
inline constexpr unsigned int White = 0xFFFFFF;
inline constexpr unsigned int LightGrey = 0xE0E0E0;
inline constexpr unsigned int WindowBackground = 0x80000005; // system colour 5
inline constexpr unsigned int Navy = 0x800000;
inline constexpr unsigned int DarkRed = 0x0000C0;
inline constexpr unsigned int Black = 0x000000;
} // namespace Colors

// Key-press handler: receives the character code (Windows-1252 code of the
// typed character, 8 backspace, 13 Enter, 22 Ctrl+V ...) and may replace it,
// or set it to 0 to swallow the key.
using KeyPressHandler = std::function<void(int& keyAscii)>;

// A one-line text box.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Handlers run in the order they were added, while the code is not 0.
    void addKeyPress(KeyPressHandler handler) { keyPress_.push_back(std::move(handler)); }
    void addGotFocus(std::function<void()> handler) { gotFocus_.push_back(std::move(handler)); }
    void addLostFocus(std::function<void()> handler) { lostFocus_.push_back(std::move(handler)); }

    // Text that reaches the box other than by a key press (paste from the
    // context menu, middle click, drop) must still be all digits.
    void setDigitsOnly(bool on);
    bool digitsOnly() const { return digitsOnly_; }

    void setBackColor(unsigned int vb);
    unsigned int backColor() const { return back_; }
    void setForeColor(unsigned int vb);

    // Delivers one character code as a typed key would (used by tests and by
    // code that types on the user's behalf).
    void typeCode(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Runs the key handlers; returns the code to insert (0: swallowed).
    int runKeyPress(int code);
    void insertCode(int code);

    std::vector<KeyPressHandler> keyPress_;
    std::vector<std::function<void()>> gotFocus_;
    std::vector<std::function<void()>> lostFocus_;
    bool digitsOnly_ = false;
    bool logicalFocus_ = false; // focus as the window sees it, across window switches
    unsigned int back_ = Colors::White;
};

// A several-line text box (notes, help text).
class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent = nullptr);
    // The text as the Windows program held it: lines joined by CR LF.
    QString text() const;
    void setText(const QString& text);
    void setBackColor(unsigned int vb);
    void setForeColor(unsigned int vb);
    void setMaxLength(int length) { maxLength_ = length; }
    int maxLength() const { return maxLength_; }
    void addKeyPress(KeyPressHandler handler) { keyPress_.push_back(std::move(handler)); }
    void addGotFocus(std::function<void()> handler) { gotFocus_.push_back(std::move(handler)); }
    void addLostFocus(std::function<void()> handler) { lostFocus_.push_back(std::move(handler)); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void enforce();
    std::vector<KeyPressHandler> keyPress_;
    std::vector<std::function<void()>> gotFocus_;
    std::vector<std::function<void()>> lostFocus_;
    int maxLength_ = 0;
    bool enforcing_ = false;
    bool logicalFocus_ = false;
};

// A label or picture that reacts to the mouse. Its caption (or, for a
// picture, its tooltip) is what accessibility tools read.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& caption, QWidget* parent = nullptr);

    std::function<void(Qt::MouseButton)> MouseDown;
    std::function<void(Qt::MouseButton)> MouseUp;
    std::function<void()> MouseMove;
    std::function<void()> DblClick;

    void setForeColor(unsigned int vb);
    unsigned int foreColor() const { return fore_; }
    void setBackColor(unsigned int vb);
    unsigned int backColor() const { return back_; }
    // A picture with a tooltip; the tooltip is also its accessible name.
    void setPicture(const QPixmap& picture, const QString& toolTip);
    void setHandPointer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyColors();
    unsigned int fore_ = Colors::Black;
    unsigned int back_ = 0xFFFFFFFFu; // transparent
};

// A plain widget that reports mouse moves over its background (the window's
// panels).
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr, unsigned int backColor = Colors::White);
    std::function<void()> MouseMove;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
