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

// Got-focus and lost-focus handlers of a box, as the window sees them: a
// switch to another window (a message box, a modal dialog) neither takes nor
// gives the focus, and within one window the box that had the focus always
// loses it before the next one gains it.
class FocusEvents {
public:
    void addGot(std::function<void()> handler) { got_.push_back(std::move(handler)); }
    void addLost(std::function<void()> handler) { lost_.push_back(std::move(handler)); }
    void focusIn(QWidget* box, const QFocusEvent* event);
    void focusOut(QWidget* box, const QFocusEvent* event);

private:
    void drop(QWidget* box);
    std::vector<std::function<void()>> got_;
    std::vector<std::function<void()>> lost_;
    bool logical_ = false;
    friend class FocusHolders;
};

class HasFocusEvents {
public:
    virtual ~HasFocusEvents() = default;
    virtual FocusEvents& focusEvents() = 0;
};

// A one-line text box.
class TextBox : public QLineEdit, public HasFocusEvents {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    // Handlers run in the order they were added, while the code is not 0.
    void addKeyPress(KeyPressHandler handler) { keyPress_.push_back(std::move(handler)); }
    void addGotFocus(std::function<void()> handler) { focus_.addGot(std::move(handler)); }
    void addLostFocus(std::function<void()> handler) { focus_.addLost(std::move(handler)); }
    FocusEvents& focusEvents() override { return focus_; }

    // Text that reaches the box other than by a key press (paste from the
    // context menu, middle click, drop) must still be all digits.
    void setDigitsOnly(bool on);
    bool digitsOnly() const { return digitsOnly_; }
    // Runs when such text is refused for holding anything but digits; the box
    // keeps the text it had.
    std::function<void()> NonDigitsRefused;
    // The box keeps any character, not only those of Windows-1252 (for text
    // that is never stored in the archives).
    void setAnyCharacter(bool on) { anyCharacter_ = on; }
    bool anyCharacter() const { return anyCharacter_; }

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
    FocusEvents focus_;
    bool digitsOnly_ = false;
    bool anyCharacter_ = false;
    unsigned int back_ = Colors::White;
};

// A several-line text box (notes, help text).
class TextArea : public QPlainTextEdit, public HasFocusEvents {
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
    // The box keeps any character, not only those of Windows-1252.
    void setAnyCharacter(bool on) { anyCharacter_ = on; }
    void addKeyPress(KeyPressHandler handler) { keyPress_.push_back(std::move(handler)); }
    void addGotFocus(std::function<void()> handler) { focus_.addGot(std::move(handler)); }
    void addLostFocus(std::function<void()> handler) { focus_.addLost(std::move(handler)); }
    FocusEvents& focusEvents() override { return focus_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void enforce();
    std::vector<KeyPressHandler> keyPress_;
    FocusEvents focus_;
    int maxLength_ = 0;
    bool anyCharacter_ = false;
    bool enforcing_ = false;
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
