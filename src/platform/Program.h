#pragma once
// Program-wide services: ending the program, the busy mouse pointer and the
// modal run of a window.

#include <QObject>

class QWidget;

namespace platform {

class IProgram {
public:
    virtual ~IProgram() = default;
    // Ends the program at once: every window goes, the event loop stops.
    virtual void end() = 0;
    virtual bool ended() const = 0;
    // The hourglass for the whole screen (true) or the default pointer (false).
    virtual void setBusy(bool busy) = 0;
    // The system's warning sound.
    virtual void beep() = 0;
};

class IModalRunner {
public:
    virtual ~IModalRunner() = default;
    // Shows the window modally over everything else and returns when it has
    // closed (the window signals `finished()` when it does).
    virtual void runModal(QWidget& window) = 0;
};

IProgram& program();
void setProgram(IProgram* impl);
IModalRunner& modalRunner();
void setModalRunner(IModalRunner* impl);

// Busy pointer for the life of a scope.
class BusyCursor {
public:
    BusyCursor() { program().setBusy(true); }
    ~BusyCursor() { program().setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace platform
