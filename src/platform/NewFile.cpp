#include "platform/NewFile.h"

#include "platform/FileCalls.h"
#include "platform/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace platform {

namespace {

// The whole name of a temporary file: a dot, "quillora-", 16 hexadecimal
// digits, ".tmp"; its note, where it has one, ends in ".name" instead. Only
// files named exactly so are ever taken for leftovers.
const QString kTempNamePattern = QStringLiteral("\\.quillora-[0-9a-f]{16}\\.tmp");
const QString kNoteNamePattern = QStringLiteral("\\.quillora-[0-9a-f]{16}\\.name");

// A note holds one file name and a line feed.
constexpr qint64 kMaxNote = 1024;

// Locks a file just created for as long as it is open. A cleanup of another
// instance may have removed it between its creation and the lock (it was not
// locked yet): then it has no name any more and false says so. Where the file
// system has no locks the file goes unlocked, and no cleanup can lock it
// either.
bool lockNew(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    struct stat info {};
    return fileCalls().status(fd, info) == 0 && info.st_nlink > 0;
}

// Whether a failed rename says the file system takes no rename flags.
bool noRenameFlags(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

// Opens a leftover, never through a link, and locks it unless a running
// writer holds it: the descriptor, or -1.
int openStopped(const QByteArray& path, int flags) {
    const int fd = fileCalls().open(path, flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (fileCalls().status(fd, info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return fd;
    fileCalls().close(fd);
    return -1;
}

// The name a note holds, or empty when it holds none whole (a cut can leave
// a note empty, or zeros in it, before its sync).
QByteArray noteName(int fd) {
    QByteArray bytes(kMaxNote, Qt::Uninitialized);
    const ssize_t got = fileCalls().readAt(fd, bytes.data(), size_t(bytes.size()), 0);
    if (got <= 1)
        return QByteArray();
    bytes.truncate(got);
    if (!bytes.endsWith('\n'))
        return QByteArray();
    bytes.chop(1);
    if (bytes.contains('\n') || bytes.contains('/') || bytes.contains('\0') || bytes == "." || bytes == "..")
        return QByteArray();
    return bytes;
}

// Removes the empty reservation a stopped writer's note names, then the
// note; a file with content under that name is the writer's whole file,
// renamed over the reservation, and stays.
void settleNote(const QByteArray& folder, const QByteArray& note) {
    const int fd = openStopped(note, O_RDWR);
    if (fd < 0)
        return;
    bool settled = true;
    const QByteArray name = noteName(fd);
    if (!name.isEmpty()) {
        const QByteArray target = folder + '/' + name;
        const int reserved = fileCalls().open(target, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (reserved >= 0) {
            struct stat info {};
            const bool empty = fileCalls().status(reserved, info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0;
            fileCalls().close(reserved);
            // The reservation's removal is on disk before the note goes.
            if (empty)
                settled = fileCalls().remove(target) == 0 && fileCalls().syncFolder(folder) == 0;
        }
    }
    if (settled)
        fileCalls().remove(note);
    fileCalls().close(fd);
}

// How far the numbered names go before a file gives up.
constexpr int kMaxNumber = 9999;

} // namespace

NewFile::NewFile(const QString& folder) {
    const QDir dir(folder);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const QString name =
            QStringLiteral(".quillora-%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        path_ = QFile::encodeName(dir.filePath(name));
        fd_ = fileCalls().open(path_, O_WRONLY | O_CREAT | O_EXCL);
        if (fd_ < 0 && errno != EEXIST)
            break;
        if (fd_ >= 0 && !lockNew(fd_))
            closeFile();
    }
    if (fd_ < 0)
        path_.clear();
}

NewFile::~NewFile() { discard(); }

void NewFile::discard() {
    if (!path_.isEmpty())
        fileCalls().remove(path_);
    path_.clear();
    closeFile();
}

bool NewFile::write(const char* data, qint64 size) {
    if (fd_ < 0 || !WriteFullyAt(fd_, data, size, offset_))
        return false;
    offset_ += size;
    return true;
}

bool NewFile::sync() { return fd_ >= 0 && fileCalls().syncData(fd_) == 0; }

QString NewFile::publish(const QString& folder, const NameFor& nameFor) {
    if (fd_ < 0)
        return QString();
    const QDir dir(folder);
    const QByteArray where = QFile::encodeName(folder);
    for (int n = 1; n <= kMaxNumber; ++n) {
        const QString target = dir.filePath(nameFor(n));
        if (claim(where, QFile::encodeName(target)) == 0) {
            path_.clear();
            closeFile();
            return target;
        }
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}

int NewFile::claim(const QByteArray& folder, const QByteArray& to) {
    if (!reserving_) {
        if (fileCalls().renameNoReplace(path_, to) != 0) {
            if (errno == EEXIST || !noRenameFlags(errno))
                return -1;
            if (fileCalls().link(path_, to) == 0) {
                fileCalls().remove(path_);
            } else if (errno == EEXIST) {
                return -1;
            } else {
                reserving_ = true; // neither rename flags nor hard links here
            }
        }
        if (!reserving_) {
            // The name is the file's; a folder that cannot be synced keeps it
            // as long as the file system does.
            fileCalls().syncFolder(folder);
            return 0;
        }
    }
    return renameOverReservation(folder, to);
}

int NewFile::renameOverReservation(const QByteArray& folder, const QByteArray& to) {
    const auto failed = [](int error) {
        errno = error;
        return -1;
    };
    // A name already there is taken, without a note for it.
    struct stat there {};
    if (fileCalls().entryStatus(to, there) == 0)
        return failed(EEXIST);

    // The note, whole and under its name on disk, before the reservation can
    // be: a cut never leaves a reservation that no note names.
    const QByteArray note = path_.chopped(4) + ".name";
    const int fd = fileCalls().create(note, 0600);
    if (fd < 0) // a note left by a failure before: no name can be had now
        return failed(errno == EEXIST ? EIO : errno);
    const QByteArray line = to.mid(to.lastIndexOf('/') + 1) + '\n';
    if (!lockNew(fd) || !WriteFullyAt(fd, line.constData(), line.size(), 0) || fileCalls().syncData(fd) != 0
        || fileCalls().syncFolder(folder) != 0) {
        const int error = errno != 0 && errno != EEXIST ? errno : EIO;
        fileCalls().remove(note);
        fileCalls().close(fd);
        return failed(error);
    }
    // What has to go when the name cannot be had; a note stays for the next
    // start to settle as long as what it names may still be there.
    const auto giveUp = [&](int error, bool reserved) {
        const bool cleared = !reserved || (fileCalls().remove(to) == 0 && fileCalls().syncFolder(folder) == 0);
        // A note whose name turned out taken is off the disk before another
        // name is tried, so that it never names somebody else's file.
        if (cleared && fileCalls().remove(note) == 0 && error == EEXIST)
            fileCalls().syncFolder(folder);
        fileCalls().close(fd);
        return failed(error);
    };

    const int reservation = fileCalls().open(to, O_WRONLY | O_CREAT | O_EXCL);
    if (reservation < 0)
        return giveUp(errno, false);
    fileCalls().close(reservation);
    if (fileCalls().rename(path_, to) != 0)
        return giveUp(errno, true);
    // The whole file lies under the name once the folder is synced; until
    // then the note stays, so that a cut may leave the reservation but never
    // one that nobody would remove.
    if (fileCalls().syncFolder(folder) == 0)
        fileCalls().remove(note);
    fileCalls().close(fd);
    return 0;
}

void NewFile::closeFile() {
    if (fd_ >= 0)
        fileCalls().close(fd_);
    fd_ = -1;
    offset_ = 0;
}

// A writer holds an exclusive lock on its temporary file, and on its note,
// from its creation to its naming, so a file that cannot be locked is still
// being written (by another instance of the program, or by this one) and
// stays.
void RemoveNewFileLeftovers(const QString& folder) {
    const QByteArray where = QFile::encodeName(folder);
    for (const QString& note : FilesNamedIn(folder, kNoteNamePattern))
        settleNote(where, QFile::encodeName(note));
    for (const QString& leftover : FilesNamedIn(folder, kTempNamePattern)) {
        const QByteArray path = QFile::encodeName(leftover);
        const int fd = openStopped(path, O_WRONLY);
        if (fd < 0)
            continue;
        fileCalls().remove(path);
        fileCalls().close(fd);
    }
}

} // namespace platform
