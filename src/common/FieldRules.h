#pragma once
// The editing rules every window applies to its text boxes, each attached to a
// box in one line. Key rules act on the typed character code before the box
// inserts it; text that arrives another way (paste, drop) is held to the same
// limits by the box itself (see TextBox::setDigitsOnly).

#include "common/Controls.h"
#include "platform/Messages.h"

#include <QAbstractButton>

#include <functional>
#include <initializer_list>

struct Notice {
    QString text;
    QString title;
    platform::MsgIcon icon = platform::MsgIcon::Exclamation;
};

// The notice of the slip form's number boxes.
Notice DigitsNotice();

// Background light yellow while the box has the focus, the resting colour otherwise.
void HighlightOnFocus(TextBox* box, unsigned int restingColor);
void HighlightOnFocus(TextArea* box, unsigned int restingColor);
// Whole text selected when the box gains the focus.
void SelectAllOnFocus(TextBox* box);
// Enter gives the focus to the successor; a multi-line box swallows the Enter.
void MoveOnEnter(TextBox* box, QWidget* successor);
void MoveOnEnter(TextArea* box, QWidget* successor);
// Enter runs the window's action (when the condition holds).
void ActOnEnter(TextBox* box, std::function<void()> action, std::function<bool()> condition = {});
// Small letters a..z typed become capitals.
void UpperCaseLetter(TextBox* box);
// Only backspace and the digits pass; anything else: the notice, then the key
// is dropped (and the focus given back to the box when asked).
void DigitsOnly(TextBox* box, Notice notice, bool focusBackAfterNotice = false);
// A comma typed into a euros box is dropped with its own notice; the focus then
// goes to the cents box. Attach before DigitsOnly.
void RefuseComma(TextBox* box, QWidget* focusAfter);
// A cents box left holding one character gets a trailing "0".
void CompleteCents(TextBox* box);
// The button is enabled exactly while every listed box holds more than blanks.
void EnableWhileFilled(QWidget* button, std::initializer_list<QLineEdit*> boxes);

// The rules' key logic, for windows that test codes themselves.
namespace KeyRules {
inline bool isEnter(int code) { return code == 13; }
inline void upperCase(int& code) {
    if (code >= 97 && code <= 122)
        code -= 32;
}
inline bool isDigitOrBackspace(int code) { return code == 8 || (code >= 48 && code <= 57); }
} // namespace KeyRules
