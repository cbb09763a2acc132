#include "platform/Desktop.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

// The scheme of a link as RFC 3986 writes it (a letter, then letters, digits,
// "+", "-", "."), lower case; empty when the text has none.
QString schemeOf(const QString& url) {
    const qsizetype colon = url.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return QString();
    const QString scheme = url.left(colon);
    if (!scheme.at(0).isLetter() || scheme.at(0).unicode() > 0x7F)
        return QString();
    for (const QChar ch : scheme) {
        const bool allowed = ch.unicode() < 0x80
                             && (ch.isLetterOrNumber() || ch == QLatin1Char('+') || ch == QLatin1Char('-')
                                 || ch == QLatin1Char('.'));
        if (!allowed)
            return QString();
    }
    return scheme.toLower();
}

// How long an opener is given to tell whether it could open the target.
// xdg-open exits non-zero at once when it finds nothing to open with, and
// under most desktops it hands the target over and exits as soon as the
// application has started. Without a desktop, though, it runs the application
// in its own foreground and only exits when that application does. So the
// opener is waited for this long: an exit in time decides by its exit code; an
// opener still running then has started the application and is left to run
// on its own (it is no child of the program's and cannot become a zombie).
constexpr int kOpenerGraceMs = 2000;

// What became of the opener within the grace time.
enum Outcome : char { Opened = 'o', Failed = 'f', StillRunning = 'r' };

int elapsedMs(const timespec& since) {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int>((now.tv_sec - since.tv_sec) * 1000 + (now.tv_nsec - since.tv_nsec) / 1000000);
}

// Runs `program` with the one argument `argument`, no shell involved. A
// middle process starts the opener, waits for it up to the grace time,
// reports over a pipe and exits; an opener still running then belongs to init.
// Only async-signal-safe calls happen between fork and exec.
bool runOpener(const QByteArray& program, const QByteArray& argument) {
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    char* const argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(argument.constData()), nullptr};

    const pid_t middle = ::fork();
    if (middle < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (middle == 0) {
        ::close(report[0]);
        ::setsid(); // the application is not the program's: no shared terminal or signals
        char outcome = Failed;
        const pid_t opener = ::fork();
        if (opener == 0) {
            ::execv(program.constData(), argv);
            ::_exit(127);
        }
        if (opener > 0) {
            timespec start;
            clock_gettime(CLOCK_MONOTONIC, &start);
            outcome = StillRunning;
            for (;;) {
                int status = 0;
                const pid_t done = ::waitpid(opener, &status, WNOHANG);
                if (done == opener) {
                    outcome = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Opened : Failed;
                    break;
                }
                if (done < 0 && errno != EINTR) {
                    outcome = Failed;
                    break;
                }
                if (elapsedMs(start) >= kOpenerGraceMs)
                    break;
                const timespec pause{0, 20 * 1000 * 1000};
                ::nanosleep(&pause, nullptr);
            }
        }
        while (::write(report[1], &outcome, 1) < 0 && errno == EINTR) {
        }
        ::_exit(0);
    }

    ::close(report[1]);
    char outcome = Failed;
    pollfd wait{report[0], POLLIN, 0};
    // The middle process always reports within the grace time; the margin
    // covers a slow start.
    int ready;
    do
        ready = ::poll(&wait, 1, kOpenerGraceMs + 5000);
    while (ready < 0 && errno == EINTR);
    if (ready <= 0 || ::read(report[0], &outcome, 1) != 1)
        outcome = Failed;
    ::close(report[0]);
    if (ready <= 0)
        ::kill(middle, SIGKILL);
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    return outcome == Opened || outcome == StillRunning;
}

class XdgDesktop final : public IDesktop {
public:
    QString defaultApplication(const QString& mimeType) override {
        const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (xdgMime.isEmpty() || mimeType.isEmpty())
            return QString();
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
        if (!query.waitForFinished(10000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
            return QString();
        return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    }

    bool openFile(const QString& path) override {
        if (path.contains(QChar(0)))
            return false;
        const QFileInfo info(path);
        if (!info.isFile())
            return false;
        const QString type = QMimeDatabase().mimeTypeForFile(info).name();
        if (defaultApplication(type).isEmpty())
            return false;
        // Absolute, so it begins with "/" and can never pass for an option.
        return start(QFile::encodeName(info.absoluteFilePath()));
    }

    bool openUrl(const QString& url) override {
        // A link without a proper scheme cannot be routed, and one beginning
        // with "-" would pass for an option; a NUL cannot be handed over.
        const QString scheme = schemeOf(url);
        if (scheme.isEmpty() || url.contains(QChar(0)))
            return false;
        if (defaultApplication(QStringLiteral("x-scheme-handler/") + scheme).isEmpty())
            return false;
        return start(url.toUtf8());
    }

private:
    static bool start(const QByteArray& target) {
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (xdgOpen.isEmpty())
            return false;
        return runOpener(QFile::encodeName(xdgOpen), target);
    }
};

XdgDesktop g_xdgDesktop;
IDesktop* g_desktop = nullptr;

} // namespace

IDesktop& desktop() { return g_desktop ? *g_desktop : g_xdgDesktop; }
void setDesktop(IDesktop* impl) { g_desktop = impl; }

} // namespace platform
