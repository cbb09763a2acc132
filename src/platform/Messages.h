#pragma once
// Message boxes. Every window asks through this interface, so that tests can
// record what the user would see and answer in the user's place.

#include <QString>

namespace platform {

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { OK, OKCancel, YesNo };
enum class MsgAnswer { OK, Cancel, Yes, No };

struct Message {
    QString title; // empty: the program's name is shown
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
};

class IMessages {
public:
    virtual ~IMessages() = default;
    virtual MsgAnswer show(const Message& message) = 0;
};

// The program's name, shown as the title of a message box that has none.
inline const char* kProgramTitle = "Quillora";

IMessages& messages();
void setMessages(IMessages* impl); // nullptr: back to the real boxes

// Shorthand for the common case.
MsgAnswer MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons, const QString& title);

} // namespace platform
