#include "platform/TerminationSignals.h"

#include "platform/Program.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

// The pipe the handler wakes the event loop through; -1 when none is open.
std::atomic<int> g_wake{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handler may only touch lock-free atomics");

// Runs in the signal's context: only a write(), errno kept.
void onTerminationSignal(int) {
    const int saved = errno;
    const int fd = g_wake.load();
    const char byte = 1;
    if (fd >= 0 && ::write(fd, &byte, 1) < 0) {
        // A full pipe already holds a wake-up.
    }
    errno = saved;
}

} // namespace

QuitOnTerminationSignals::QuitOnTerminationSignals() {
    int fds[2];
    if (g_wake.load() >= 0 || ::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_read = fds[0];
    m_write = fds[1];
    m_notifier = new QSocketNotifier(m_read, QSocketNotifier::Read);
    QObject::connect(m_notifier, &QSocketNotifier::activated, m_notifier, [fd = m_read] {
        char bytes[64];
        while (::read(fd, bytes, sizeof bytes) > 0) {
        }
        program().end();
    });
    g_wake.store(m_write);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kCount; ++i) {
        if (::sigaction(kSignals[i], nullptr, &m_before[i]) != 0 || m_before[i].sa_handler == SIG_IGN)
            continue;
        m_caught[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

QuitOnTerminationSignals::~QuitOnTerminationSignals() {
    if (m_write < 0)
        return;
    for (int i = 0; i < kCount; ++i) {
        if (m_caught[i])
            ::sigaction(kSignals[i], &m_before[i], nullptr);
    }
    g_wake.store(-1);
    delete m_notifier;
    ::close(m_read);
    ::close(m_write);
}

} // namespace platform
