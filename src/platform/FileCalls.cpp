#include "platform/FileCalls.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

FileCalls g_realCalls;
FileCalls* g_calls = nullptr;

// Links a path may pass through before the system gives up (ELOOP).
constexpr int kMaxLinks = 40;

} // namespace

FileCalls& fileCalls() { return g_calls ? *g_calls : g_realCalls; }
void setFileCalls(FileCalls* impl) { g_calls = impl; }

int FileCalls::open(const QByteArray& path, int flags) { return ::open(path.constData(), flags | O_CLOEXEC, 0666); }

int FileCalls::create(const QByteArray& path, mode_t mode) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::fchmod(fd, mode & 07777); // past the umask, as the file it stands for
    return fd;
}

int FileCalls::close(int fd) { return ::close(fd); }

int FileCalls::status(int fd, struct stat& info) { return ::fstat(fd, &info); }

int FileCalls::entryStatus(const QByteArray& path, struct stat& info) { return ::lstat(path.constData(), &info); }

int FileCalls::listFolder(const QByteArray& folder, QList<QByteArray>& names) {
    names.clear();
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return -1;
    int rc = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            rc = errno == 0 ? 0 : -1;
            break;
        }
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    const int saved = errno;
    ::closedir(dir);
    errno = saved;
    return rc;
}

ssize_t FileCalls::readAt(int fd, char* data, size_t size, off_t offset) { return ::pread(fd, data, size, offset); }

ssize_t FileCalls::writeAt(int fd, const char* data, size_t size, off_t offset) {
    return ::pwrite(fd, data, size, offset);
}

int FileCalls::truncate(int fd, off_t size) { return ::ftruncate(fd, size); }

int FileCalls::syncData(int fd) { return ::fdatasync(fd); }

int FileCalls::syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    int rc = ::fsync(fd);
    if (rc != 0 && errno == EINVAL)
        rc = 0; // a file system whose folders cannot be synced keeps its names by itself
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return rc;
}

int FileCalls::rename(const QByteArray& from, const QByteArray& to) { return ::rename(from.constData(), to.constData()); }

int FileCalls::renameNoReplace(const QByteArray& from, const QByteArray& to) {
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
}

int FileCalls::link(const QByteArray& from, const QByteArray& to) { return ::link(from.constData(), to.constData()); }

int FileCalls::remove(const QByteArray& path) { return ::unlink(path.constData()); }

bool ReadFullyAt(int fd, char* data, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t got = fileCalls().readAt(fd, data, size_t(size), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= got;
        offset += got;
    }
    return true;
}

bool WriteFullyAt(int fd, const char* data, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t put = fileCalls().writeAt(fd, data, size_t(size), off_t(offset));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data += put;
        size -= put;
        offset += put;
    }
    return true;
}

QString RealFilePath(const QString& path) {
    QString real = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        const QFileInfo info(real);
        if (!info.isSymLink())
            break;
        real = info.symLinkTarget(); // absolute, relative targets taken from the link's folder
    }
    return real;
}

} // namespace platform
