#include "common/Controls.h"

#include "platform/Cp1252.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTextDocument>
#include <QValidator>

#include <unordered_map>
#include <utility>

QColor vbColor(unsigned int bgr) {
    if (bgr & 0x80000000u) {
        // System colours: only the window background is used, the colour the
        // user's scheme gives the inside of a text box.
        return QGuiApplication::palette().color(QPalette::Base);
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

namespace {

// Keeps every box within what the archives can hold: a character outside
// Windows-1252 becomes "?", and a digits-only box refuses anything else.
class BoxValidator final : public QValidator {
public:
    explicit BoxValidator(TextBox* box) : QValidator(box), box_(box) {}
    State validate(QString& input, int& pos) const override {
        refusedNonDigits_ = false;
        if (!box_->anyCharacter()) {
            const QString fitted = platform::fitToCp1252(input);
            if (fitted.size() != input.size())
                pos = qMin(pos, int(fitted.size()));
            input = fitted;
        }
        if (box_->digitsOnly())
            for (QChar c : input)
                if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                    return refusedNonDigits_ = true, Invalid;
        return Acceptable;
    }
    // True once after an edit was refused for its non-digits.
    bool takeNonDigitsRefusal() { return std::exchange(refusedNonDigits_, false); }

private:
    TextBox* box_;
    mutable bool refusedNonDigits_ = false;
};

// The character code of a key event as the Windows program received it, or
// -1 for keys that produce none (arrows, Delete, function keys).
int keyCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        if (event->matches(QKeySequence::Paste)) return 22;
        if (event->matches(QKeySequence::Copy)) return 3;
        if (event->matches(QKeySequence::Cut)) return 24;
        if (event->matches(QKeySequence::Undo)) return 26;
        return -1;
    }
    const char32_t cp = text.toUcs4().value(0);
    if (cp == 0x7F)
        return -1;
    return platform::cp1252Byte(cp);
}

bool isWindowSwitch(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason ||
           event->reason() == Qt::MenuBarFocusReason;
}

void setBack(QWidget* w, unsigned int vb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, vbColor(vb));
    w->setPalette(pal);
}

void setFore(QWidget* w, unsigned int vb) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, vbColor(vb));
    pal.setColor(QPalette::WindowText, vbColor(vb));
    w->setPalette(pal);
}

QString charOf(int code) { return platform::fromCp1252(QByteArray(1, char(code))); }

} // namespace

// ---------------------------------------------------------------- FocusEvents

// The box of each window that has the focus as that window sees it.
class FocusHolders {
public:
    static QPointer<QWidget>& of(const QWidget* box) {
        static std::unordered_map<const QWidget*, QPointer<QWidget>> holders;
        return holders[box->window()];
    }
};

void FocusEvents::focusIn(QWidget* box, const QFocusEvent*) {
    if (logical_)
        return; // the window gave back the focus the box kept
    QPointer<QWidget>& holder = FocusHolders::of(box);
    if (holder && holder != box)
        if (auto* previous = dynamic_cast<HasFocusEvents*>(holder.data()))
            previous->focusEvents().drop(holder.data());
    holder = box;
    logical_ = true;
    QPointer<QWidget> guard(box);
    for (auto& h : got_) {
        h();
        if (!guard)
            return;
    }
}

void FocusEvents::focusOut(QWidget* box, const QFocusEvent* event) {
    if (isWindowSwitch(event) || !logical_)
        return;
    drop(box);
}

void FocusEvents::drop(QWidget* box) {
    if (!logical_)
        return;
    logical_ = false;
    QPointer<QWidget>& holder = FocusHolders::of(box);
    if (holder == box)
        holder = nullptr;
    QPointer<QWidget> guard(box);
    for (auto& h : lost_) {
        h();
        if (!guard)
            return;
    }
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    auto* validator = new BoxValidator(this);
    setValidator(validator);
    setFrame(true);
    // An edit the validator refuses is undone and reported. A text written by
    // code starts a fresh undo history and is kept as written: no refusal.
    connect(this, &QLineEdit::inputRejected, this, [this, validator] {
        if (validator->takeNonDigitsRefusal() && isUndoAvailable() && NonDigitsRefused)
            NonDigitsRefused();
    });
}

void TextBox::setDigitsOnly(bool on) { digitsOnly_ = on; }

void TextBox::setBackColor(unsigned int vb) {
    back_ = vb;
    setBack(this, vb);
}

void TextBox::setForeColor(unsigned int vb) { setFore(this, vb); }

int TextBox::runKeyPress(int code) {
    QPointer<TextBox> self(this);
    for (std::size_t i = 0; i < keyPress_.size() && code != 0; ++i) {
        keyPress_[i](code);
        if (!self)
            return 0;
    }
    return code;
}

void TextBox::insertCode(int code) {
    switch (code) {
    case 8: backspace(); break;
    case 13: emit returnPressed(); break;
    case 3: copy(); break;
    case 22: paste(); break;
    case 24: cut(); break;
    case 26: undo(); break;
    default:
        if (code >= 32)
            insert(charOf(code));
        break;
    }
}

void TextBox::typeCode(int keyAscii) {
    QPointer<TextBox> self(this);
    const int code = runKeyPress(keyAscii);
    if (self && code != 0)
        insertCode(code);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const int original = keyCode(event);
    if (original < 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QPointer<TextBox> self(this);
    const int code = runKeyPress(original);
    if (!self)
        return;
    event->accept();
    if (code == 0)
        return;
    const char32_t typed = event->text().toUcs4().value(0);
    if (code == original && (code < 32 || anyCharacter_ || platform::isCp1252(typed)))
        QLineEdit::keyPressEvent(event);
    else
        insertCode(code);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    focus_.focusIn(this, event);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    focus_.focusOut(this, event);
}

// ---------------------------------------------------------------- TextArea

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TextArea::enforce);
}

QString TextArea::text() const {
    // The document's own plain text turns a no-break space into a blank; the
    // raw text keeps it (it is a character of the code page, so a stored
    // note keeps it too), with its line separators made line breaks.
    QString t = document()->toRawText();
    for (QChar& c : t)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}

void TextArea::setText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(t);
}

void TextArea::setBackColor(unsigned int vb) { setBack(this, vb); }
void TextArea::setForeColor(unsigned int vb) { setFore(this, vb); }

void TextArea::enforce() {
    if (enforcing_)
        return;
    const QString current = toPlainText();
    QString fitted = anyCharacter_ ? current : platform::fitToCp1252(current);
    if (maxLength_ > 0) {
        // Line breaks count as the two characters they take on disk.
        int used = 0;
        int keep = 0;
        for (; keep < fitted.size(); ++keep) {
            used += fitted.at(keep) == QLatin1Char('\n') ? 2 : 1;
            if (used > maxLength_)
                break;
        }
        fitted.truncate(keep);
    }
    if (fitted == current)
        return;
    enforcing_ = true;
    const int pos = qMin(textCursor().position(), int(fitted.size()));
    setPlainText(fitted);
    QTextCursor c = textCursor();
    c.setPosition(pos);
    setTextCursor(c);
    enforcing_ = false;
}

void TextArea::insertFromMimeData(const QMimeData* source) {
    QPlainTextEdit::insertFromMimeData(source);
    enforce();
}

void TextArea::keyPressEvent(QKeyEvent* event) {
    const int original = keyCode(event);
    if (original < 0) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QPointer<TextArea> self(this);
    int code = original;
    for (std::size_t i = 0; i < keyPress_.size() && code != 0; ++i) {
        keyPress_[i](code);
        if (!self)
            return;
    }
    event->accept();
    if (code == 0)
        return;
    if (code == original)
        QPlainTextEdit::keyPressEvent(event);
    else if (code >= 32)
        insertPlainText(charOf(code));
}

void TextArea::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    focus_.focusIn(this, event);
}

void TextArea::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    focus_.focusOut(this, event);
}

// ---------------------------------------------------------------- Panel

Panel::Panel(QWidget* parent, unsigned int backColor) : QWidget(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, vbColor(backColor));
    setPalette(pal);
}

void Panel::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (MouseMove)
        MouseMove();
}
