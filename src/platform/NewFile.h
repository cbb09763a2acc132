#pragma once
// A new file written whole before it gets its name: the content goes to a
// hidden temporary file ".quillora-<16 hexadecimal digits>.tmp" in the target
// folder, every write checked, is brought to the disk, and only then takes
// the first free one of the names it is offered, never replacing a file that
// is there. Until then nothing appears under any of those names; a file that
// fails or is dropped is removed. The exports and the "PDF" printer write
// their files so.
//
// The temporary file stays open and locked (flock) from its creation to its
// naming, so that the cleaning of leftovers (RemoveNewFileLeftovers) takes
// only the files of writers a kill or a crash stopped, never one still being
// written, by this instance of the program or another.
//
// The name is taken by a rename that refuses an existing target, or else by a
// hard link. Where the file system has neither (a FUSE mount, a virtual
// machine's shared folder), the name is reserved by creating it, empty and
// exclusively, and the file renamed over that reservation, which is its own.
// So that a cut never leaves such an empty reservation looking like a file,
// a note ".quillora-<the same digits>.name" holding the name is on disk,
// locked as the temporary file is, before the reservation is made, and goes
// once the file lies under the name; the cleaning of leftovers removes the
// empty file a stopped writer's note names, and the note. A new file always
// has some content.
//
// Every system call on the file goes through platform::fileCalls(), so that
// a test can make any of them fail.

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

namespace platform {

class NewFile {
public:
    // Creates the temporary file in `folder` (which must exist); see created().
    explicit NewFile(const QString& folder);
    // Removes the temporary file unless it was published.
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Whether the temporary file was made and is still there to write.
    bool created() const { return !path_.isEmpty(); }
    // Writes the bytes after those written before; false when they could not
    // all be written.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // The bytes written through write().
    qint64 size() const { return offset_; }
    // Brings what the file holds to the disk.
    bool sync();

    // The names to offer for the file, from 1 on.
    using NameFor = std::function<QString(int n)>;
    // Gives the file the first of `nameFor(1)`, `nameFor(2)` ... (up to the
    // 9999th) that is free in `folder`, even against a file that appears
    // meanwhile: the rename refuses an existing target. Then the folder's
    // names are brought to the disk. The full path, or empty: then the file
    // stays temporary, to be discarded.
    QString publish(const QString& folder, const NameFor& nameFor);

    // Removes the file now, unless it was published.
    void discard();

private:
    // Gives the file the name `to` in `folder`: 0, or -1 with errno (EEXIST:
    // the name is taken).
    int claim(const QByteArray& folder, const QByteArray& to);
    int renameOverReservation(const QByteArray& folder, const QByteArray& to);
    void closeFile();

    QByteArray path_;
    int fd_ = -1;
    qint64 offset_ = 0;
    // The folder's file system was found to take neither rename flags nor
    // hard links: the next names are reserved straight away.
    bool reserving_ = false;
};

// Removes from `folder` the temporary files of new files that a kill or a
// crash stopped, and nothing else: only regular files named exactly as
// NewFile names its own, and none that a running write still holds locked;
// with a stopped writer's note, the empty reservation it names (a whole file
// there, renamed over it, stays). A missing folder is left missing.
void RemoveNewFileLeftovers(const QString& folder);

} // namespace platform
