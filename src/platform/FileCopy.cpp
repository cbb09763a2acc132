#include "platform/FileCopy.h"

#include "platform/FileCalls.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr qint64 kChunk = 1024 * 1024;

AtomicFileCopier g_realCopier;
IFileCopier* g_copier = nullptr;

// A file descriptor closed when it goes out of scope, through the file calls.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            fileCalls().close(fd_);
        fd_ = fd;
    }
    // Closes and reports the close's own failure (a late write error).
    int close() {
        const int rc = fileCalls().close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

QByteArray tempNameIn(const QByteArray& folder, const QByteArray& name) {
    const quint32 tag = QRandomGenerator::global()->generate();
    return folder + "/." + name + '.' + QByteArray::number(tag, 36) + ".tmp";
}

// The names tempNameIn gives, for one target's name or for any: a dot, the
// name, a dot, a 32-bit number in base 36, ".tmp".
QString tempNamePattern(const QString& name) {
    return QStringLiteral("\\.") + name + QStringLiteral("\\.[0-9a-z]{1,7}\\.tmp");
}

} // namespace

IFileCopier& fileCopier() { return g_copier ? *g_copier : g_realCopier; }
void setFileCopier(IFileCopier* impl) { g_copier = impl; }

FileError FileErrorOf(int error) {
    switch (error) {
    case 0:
        return FileError::None;
    case ENOMEDIUM:
    case ENXIO:
    case ENODEV:
        return FileError::NoMedium;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::PermissionDenied;
    case ENOENT:
    case ENOTDIR:
        return FileError::PathNotFound;
    default:
        return FileError::Other;
    }
}

QStringList FilesNamedIn(const QString& folder, const QString& namePattern) {
    // Anchored at both ends of the whole name: "$" would also let a name
    // through that ends in a line feed after the pattern.
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(namePattern));
    QStringList found;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!entry.isSymLink() && entry.isFile() && pattern.match(entry.fileName()).hasMatch())
            found << entry.absoluteFilePath();
    }
    return found;
}

void RemoveCopyLeftovers(const QString& folder) {
    for (const QString& leftover : FilesNamedIn(folder, tempNamePattern(QStringLiteral(".+"))))
        QFile::remove(leftover);
}

FileError ProbeFile(const QString& path, bool& present) {
    present = false;
    const QFileInfo where(path);
    struct stat info {};
    if (::stat(QFile::encodeName(where.absolutePath()).constData(), &info) != 0) {
        const FileError error = FileErrorOf(errno);
        return error == FileError::Other ? FileError::None : error;
    }
    if (!S_ISDIR(info.st_mode))
        return FileError::PathNotFound;
    Fd fd(fileCalls().open(QFile::encodeName(where.absoluteFilePath()), O_RDONLY));
    if (fd.get() >= 0) {
        present = true;
        return FileError::None;
    }
    const FileError error = FileErrorOf(errno);
    return error == FileError::PathNotFound || error == FileError::Other ? FileError::None : error;
}

qint64 FileLength(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return info.st_size;
}

// Through the file calls, as the archives' own: created with the umask
// applied, as a file the user makes.
int AtomicFileCopier::createTemp(const QByteArray& path) { return fileCalls().open(path, O_WRONLY | O_CREAT | O_EXCL); }

ssize_t AtomicFileCopier::writeSome(int fd, const char* data, size_t size) {
    const ssize_t put = fileCalls().writeAt(fd, data, size, off_t(m_tempEnd));
    if (put > 0)
        m_tempEnd += put;
    return put;
}

int AtomicFileCopier::syncFile(int fd) { return fileCalls().syncData(fd); }

int AtomicFileCopier::renameOver(const QByteArray& from, const QByteArray& to) { return fileCalls().rename(from, to); }

int AtomicFileCopier::removeTemp(const QByteArray& path) { return fileCalls().remove(path); }

FileError AtomicFileCopier::copyFile(const QString& source, const QString& target) {
    Fd in(fileCalls().open(QFile::encodeName(source), O_RDONLY));
    struct stat info {};
    if (in.get() < 0 || fileCalls().status(in.get(), info) != 0 || !S_ISREG(info.st_mode))
        return FileError::Other;
    qint64 at = 0;
    return writeAtomically(target, info.st_size, [&](char* buffer, qint64 size) -> qint64 {
        for (;;) {
            const ssize_t got = fileCalls().readAt(in.get(), buffer, size_t(size), off_t(at));
            if (got > 0)
                at += got;
            if (got >= 0 || errno != EINTR)
                return got;
        }
    });
}

FileError AtomicFileCopier::replaceFile(const QString& target, const QByteArray& content) {
    qint64 at = 0;
    return writeAtomically(target, content.size(), [&](char* buffer, qint64 size) -> qint64 {
        const qint64 n = std::min(size, qint64(content.size()) - at);
        std::copy_n(content.constData() + at, n, buffer);
        at += n;
        return n;
    });
}

FileError AtomicFileCopier::fillTemp(int fd, qint64 length, const Feed& feed) {
    QByteArray buffer(int(std::min(std::max<qint64>(length, 1), kChunk)), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = feed(buffer.data(), buffer.size());
        if (got < 0)
            return FileError::Other; // the source, not the destination
        if (got == 0)
            break;
        total += got;
        if (total > length)
            return FileError::Other; // the source grew while it was copied
        for (qint64 done = 0; done < got;) {
            const ssize_t put = writeSome(fd, buffer.constData() + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return FileErrorOf(errno);
            if (put == 0)
                return FileError::Other; // no room and no reason given
            done += put;
        }
    }
    // Exactly the source's length, or nothing replaces the target.
    struct stat info {};
    if (total != length || fileCalls().status(fd, info) != 0 || info.st_size != length)
        return FileError::Other;
    return FileError::None;
}

FileError AtomicFileCopier::writeAtomically(const QString& target, qint64 length, const Feed& feed) {
    // Through a link to the file it points to, so that the link stays.
    const QFileInfo where(RealFilePath(target));
    const QByteArray targetPath = QFile::encodeName(where.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(where.absolutePath());

    struct stat folderInfo {};
    if (::stat(folder.constData(), &folderInfo) != 0)
        return FileErrorOf(errno);
    if (!S_ISDIR(folderInfo.st_mode))
        return FileError::PathNotFound;

    // A target the user may not write is refused, as Windows refuses to
    // replace a read-only file: a rename would replace it silently.
    struct stat targetInfo {};
    const bool targetExists = ::stat(targetPath.constData(), &targetInfo) == 0;
    if (targetExists) {
        if (S_ISDIR(targetInfo.st_mode))
            return FileError::Other;
        if (::access(targetPath.constData(), W_OK) != 0)
            return FileErrorOf(errno);
    }

    // What an interrupted copy to this target left goes first.
    for (const QString& leftover :
         FilesNamedIn(where.absolutePath(), tempNamePattern(QRegularExpression::escape(where.fileName()))))
        removeTemp(QFile::encodeName(leftover));

    QByteArray tempPath;
    Fd out;
    for (int attempt = 0; attempt < 100 && out.get() < 0; ++attempt) {
        tempPath = tempNameIn(folder, QFile::encodeName(where.fileName()));
        const int fd = createTemp(tempPath);
        if (fd >= 0)
            out.reset(fd);
        else if (errno != EEXIST)
            return FileErrorOf(errno);
    }
    if (out.get() < 0)
        return FileError::Other;
    m_tempEnd = 0;

    auto fail = [&](FileError error) {
        out.reset();
        removeTemp(tempPath);
        return error;
    };

    if (targetExists)
        ::fchmod(out.get(), targetInfo.st_mode & 07777);

    const FileError filled = fillTemp(out.get(), length, feed);
    if (filled != FileError::None)
        return fail(filled);
    if (syncFile(out.get()) != 0)
        return fail(FileErrorOf(errno));
    if (out.close() != 0)
        return fail(FileErrorOf(errno));
    if (renameOver(tempPath, targetPath) != 0)
        return fail(FileErrorOf(errno));
    // Makes the rename durable; best effort, a folder that cannot be synced
    // does not undo the rename.
    fileCalls().syncFolder(folder);
    return FileError::None;
}

} // namespace platform
