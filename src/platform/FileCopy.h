#pragma once
// Whole-file copies and replaces that never leave half a file: the new
// content goes to a temporary file in the target's folder, its length is
// checked, it is flushed to disk and renamed over the target in one step. On
// any failure the temporary file is removed and the target stays byte for
// byte as it was.

#include <QByteArray>
#include <QString>

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

} // namespace platform
