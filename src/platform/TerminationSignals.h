#pragma once
// The system asking the program to end: SIGTERM (a logout, `kill`), SIGHUP
// (the terminal or the session gone) and SIGINT (Ctrl+C in a terminal).

#include <signal.h>

class QSocketNotifier;

namespace platform {

// For its life, each of those signals ends the program as its own end does
// (program().end(): every window goes, the event loop stops), so that what
// main() does after the event loop still runs; the signal itself only wakes
// the event loop, which ends the program as soon as it runs. A signal that
// was ignored when this began (nohup, a background job) stays ignored.
// Afterwards each signal is handled as it was before. One at a time.
class QuitOnTerminationSignals {
public:
    QuitOnTerminationSignals();
    ~QuitOnTerminationSignals();
    QuitOnTerminationSignals(const QuitOnTerminationSignals&) = delete;
    QuitOnTerminationSignals& operator=(const QuitOnTerminationSignals&) = delete;

private:
    static constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
    static constexpr int kCount = int(sizeof kSignals / sizeof kSignals[0]);
    // How each signal was handled before, and whether it is caught now.
    struct sigaction m_before[kCount] {};
    bool m_caught[kCount] {};
    int m_read = -1;
    int m_write = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform
