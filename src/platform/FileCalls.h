#pragma once
// The system calls the archives and the whole-file copier make on their
// files, behind one object, so that a test can cut a write short or make a
// sync fail as a crash, a full disk or a failing device would, or record
// every call, and then look at what is left on disk.

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

namespace platform {

class FileCalls {
public:
    virtual ~FileCalls() = default;
    // Each returns what its system call returns: -1 with errno set on failure.
    virtual int open(const QByteArray& path, int flags);
    // Creates a file that must not exist yet, for writing, with exactly `mode`.
    virtual int create(const QByteArray& path, mode_t mode);
    virtual int close(int fd);
    virtual int status(int fd, struct stat& info);
    // What stands under a name, a link itself rather than what it points to.
    virtual int entryStatus(const QByteArray& path, struct stat& info);
    // The names a folder holds, "." and ".." left out. A folder that can be
    // searched but not read fails (EACCES) rather than seem empty.
    virtual int listFolder(const QByteArray& folder, QList<QByteArray>& names);
    virtual ssize_t readAt(int fd, char* data, size_t size, off_t offset);
    virtual ssize_t writeAt(int fd, const char* data, size_t size, off_t offset);
    // Cuts the file (or extends it with zeros) to `size` bytes.
    virtual int truncate(int fd, off_t size);
    // Brings the file's data (and its length) to the disk.
    virtual int syncData(int fd);
    // Brings the names of a folder (files created, renamed, removed) to disk.
    virtual int syncFolder(const QByteArray& folder);
    virtual int rename(const QByteArray& from, const QByteArray& to);
    // Renames a file to a name that must not exist yet: fails with EEXIST,
    // replacing nothing, when `to` is there; with EINVAL (or ENOSYS,
    // EOPNOTSUPP) where the file system takes no such rename.
    virtual int renameNoReplace(const QByteArray& from, const QByteArray& to);
    // Gives the file `from` the second name `to` (a hard link): EEXIST when
    // `to` is there; EPERM (or another error) where the file system has no
    // hard links.
    virtual int link(const QByteArray& from, const QByteArray& to);
    virtual int remove(const QByteArray& path);
};

FileCalls& fileCalls();
void setFileCalls(FileCalls* impl); // nullptr: back to the real system calls

// Whole reads and writes at an offset, through fileCalls().
bool ReadFullyAt(int fd, char* data, qint64 size, qint64 offset);
bool WriteFullyAt(int fd, const char* data, qint64 size, qint64 offset);

// The file a path names once symbolic links are followed (as many as the
// system would follow), absolute; a link to a file not there yet gives the
// path it points to. A whole-file replace writes beside this file and renames
// over it, so that a link stays a link and shows the new content.
QString RealFilePath(const QString& path);

} // namespace platform
