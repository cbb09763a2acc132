#pragma once
// Whole-file copies and replaces that never leave half a file: the new
// content goes to a temporary file ".<name>.<random>.tmp" in the target's
// folder, its length is checked, it is flushed to disk and renamed over the
// target in one step. On any failure the temporary file is removed and the
// target stays byte for byte as it was. A target that is a symbolic link is
// followed: the file it points to is replaced and the link stays. What an
// interrupted copy left for a target is removed before the next copy to it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <functional>

namespace platform {

// Why a copy failed, from the destination's side where that is known.
enum class FileError {
    None,
    NoMedium,         // the target's device is not there
    PermissionDenied, // permission denied, read-only file system, a target the user may not write
    PathNotFound,     // the target's folder does not exist
    Other,            // disk full, I/O error, a source that cannot be read ...
};

// The file layer the copies go through; tests install one that fails where
// they ask (root writes anywhere, so permissions cannot make it fail).
class IFileCopier {
public:
    virtual ~IFileCopier() = default;
    // Copies `source` over `target` (see above).
    virtual FileError copyFile(const QString& source, const QString& target) = 0;
    // Replaces the whole content of `target` by `content` (see above).
    virtual FileError replaceFile(const QString& target, const QByteArray& content) = 0;
};

IFileCopier& fileCopier();
void setFileCopier(IFileCopier* impl); // nullptr: back to the real files

// Shorthands.
inline FileError CopyFileAtomically(const QString& source, const QString& target) {
    return fileCopier().copyFile(source, target);
}

// Whether a file is there, as opening it for reading tells: a folder that is
// missing, out of reach or on a missing medium, and a file that cannot be
// read, give their error; a file that is simply not there is absent.
FileError ProbeFile(const QString& path, bool& present);

// The length of a file in bytes; -1 when it is not there or not a file.
qint64 FileLength(const QString& path);

// The regular files of `folder` (not links, not folders) whose whole name
// matches the regular expression `namePattern`, as full paths.
QStringList FilesNamedIn(const QString& folder, const QString& namePattern);

// Removes from `folder` the temporary files that interrupted copies left
// there, and nothing else: only regular files named as the copier names
// its own.
void RemoveCopyLeftovers(const QString& folder);

// What a failing system call on the destination side means:
// no medium (ENOMEDIUM, ENXIO, ENODEV), no permission (EACCES, EPERM, EROFS),
// no such folder (ENOENT, ENOTDIR), anything else.
FileError FileErrorOf(int error);

// The real copier. Its system calls go through fileCalls(), as the archives'
// do; those it makes on the destination side are virtual besides, so that a
// test can make one of them fail as a full disk, a vanished folder or a
// read-only mount would, and watch what is left.
class AtomicFileCopier : public IFileCopier {
public:
    FileError copyFile(const QString& source, const QString& target) override;
    FileError replaceFile(const QString& target, const QByteArray& content) override;

protected:
    // Each returns -1 with errno set on failure, as the system call does.
    // Creates the temporary file (it must not exist yet).
    virtual int createTemp(const QByteArray& path);
    // Appends to the temporary file just created.
    virtual ssize_t writeSome(int fd, const char* data, size_t size);
    virtual int syncFile(int fd);
    virtual int renameOver(const QByteArray& from, const QByteArray& to);
    // Removes a temporary file: a failed copy's own, or a leftover.
    virtual int removeTemp(const QByteArray& path);

private:
    // Fills a chunk of the new content; the number of bytes, 0 at the end,
    // -1 when the source cannot be read.
    using Feed = std::function<qint64(char* buffer, qint64 size)>;
    FileError writeAtomically(const QString& target, qint64 length, const Feed& feed);
    FileError fillTemp(int fd, qint64 length, const Feed& feed);

    // Where the next write to the temporary file goes.
    qint64 m_tempEnd = 0;
};

} // namespace platform
