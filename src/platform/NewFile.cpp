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
// digits, ".tmp". Only files named exactly so are ever taken for leftovers.
const QString kTempNamePattern = QStringLiteral("\\.quillora-[0-9a-f]{16}\\.tmp");

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
        if (fd_ >= 0 && !lock())
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
    for (int n = 1; n <= kMaxNumber; ++n) {
        const QString target = dir.filePath(nameFor(n));
        if (fileCalls().renameNoReplace(path_, QFile::encodeName(target)) == 0) {
            path_.clear();
            closeFile();
            // The name is the file's; a folder that cannot be synced keeps it
            // as long as the file system does.
            fileCalls().syncFolder(QFile::encodeName(folder));
            return target;
        }
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}

// Locks the new file for as long as it is open. A cleanup of another instance
// may have removed it between its creation and the lock (it was not locked
// yet): then it has no name any more and false says to try another. Where the
// file system has no locks the file goes unlocked, and no cleanup can lock it
// either.
bool NewFile::lock() {
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
    struct stat info {};
    return fileCalls().status(fd_, info) == 0 && info.st_nlink > 0;
}

void NewFile::closeFile() {
    if (fd_ >= 0)
        fileCalls().close(fd_);
    fd_ = -1;
    offset_ = 0;
}

// A writer holds an exclusive lock on its temporary file from its creation to
// its naming, so a file that cannot be locked is still being written (by
// another instance of the program, or by this one) and stays.
void RemoveNewFileLeftovers(const QString& folder) {
    for (const QString& leftover : FilesNamedIn(folder, kTempNamePattern)) {
        const QByteArray path = QFile::encodeName(leftover);
        const int fd = fileCalls().open(path, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            continue;
        struct stat info {};
        if (fileCalls().status(fd, info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            fileCalls().remove(path);
        fileCalls().close(fd);
    }
}

} // namespace platform
