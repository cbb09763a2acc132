#pragma once
// The real file calls of the archives and of the whole-file copier, with a kill, a full disk or a failing
// call on request. Once killed, the write that crosses the limit stops there
// and nothing more reaches the disk: writes, syncs, truncations, renames,
// removals and new files fail, as after kill -9 or a power cut; reads still
// work, for the dead program's own bookkeeping. A full disk or a failing call
// leaves the program running. By default every call goes through.

#include "platform/FileCalls.h"

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <utility>

#include <sys/stat.h>
#include <vector>

class FaultyFileCalls final : public platform::FileCalls {
public:
    // The calls that can be made to fail; an open counts only when it may
    // write. Each is counted by its kind and, with the others, in one
    // sequence of the calls that may change the disk.
    enum class Call { Write, Sync, Truncate, Remove, Open, Rename };

    qint64 written = 0; // bytes written through these calls
    int syncs = 0;      // data and folder syncs asked
    // Every listing of a folder, and every look at what stands under a
    // name, fails with this error while it is set (a folder that can be
    // searched but not read: EACCES). Not counted among the calls below.
    std::optional<int> listingFails;
    std::optional<int> entryStatusFails;
    // A file system with neither rename flags nor hard links (a FUSE mount,
    // a virtual machine's shared folder): a rename that refuses an existing
    // target fails with EINVAL, a hard link with EPERM, each before counting.
    bool withoutLinks = false;

    // The program dies once `bytes` more bytes have been written.
    void killAfter(qint64 bytes) { limit_ = written + bytes; }
    // The write that crosses `bytes` more bytes stops there and fails with
    // EIO, as a failing device's; the next ones go through.
    void failWriteAfter(qint64 bytes) { failingWrite_ = written + bytes; }
    // The disk has room for `bytes` more bytes: a write that needs more room
    // than that stops where the room ends, and fails with ENOSPC from there;
    // a write over bytes a file already has needs none.
    void fillDiskAfter(qint64 bytes) { room_ = bytes; }
    // The `nth` call of that kind from now (1: the next one) fails with EIO;
    // the program goes on.
    void failCall(Call call, int nth) { failing_.push_back({call, count(call) + nth}); }
    void failSync(int nth) { failCall(Call::Sync, nth); }
    // The `nth` call of any kind from now fails with EIO; so does each of
    // the calls numbered in a set, and every call from the `nth` on.
    void failAnyCall(int nth) { failingAny_.push_back(total_ + nth); }
    void failEveryCallFrom(int nth) { failingFrom_ = total_ + nth; }
    void heal() {
        limit_.reset();
        failingWrite_.reset();
        room_.reset();
        restFails_.reset();
        failing_.clear();
        failingAny_.clear();
        failingFrom_.reset();
        listingFails.reset();
        entryStatusFails.reset();
        dead_ = false;
    }
    bool dead() const { return dead_; }

    int open(const QByteArray& path, int flags) override {
        if (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) {
            if (dead_ || fails(Call::Open))
                return fail();
        }
        return FileCalls::open(path, flags);
    }
    int create(const QByteArray& path, mode_t mode) override {
        return dead_ || fails(Call::Open) ? fail() : FileCalls::create(path, mode);
    }
    int listFolder(const QByteArray& folder, QList<QByteArray>& names) override {
        return listingFails ? fail(*listingFails) : FileCalls::listFolder(folder, names);
    }
    int entryStatus(const QByteArray& path, struct stat& info) override {
        return entryStatusFails ? fail(*entryStatusFails) : FileCalls::entryStatus(path, info);
    }
    ssize_t writeAt(int fd, const char* data, size_t size, off_t offset) override {
        const bool failing = fails(Call::Write);
        if (dead_ || failing)
            return fail();
        if (restFails_) // the rest of a write cut short
            return fail(*std::exchange(restFails_, std::nullopt));
        std::optional<int> cut;
        if (limit_ && written + qint64(size) > *limit_) {
            dead_ = true;
            size = size_t(*limit_ - written);
            cut = EIO;
        }
        if (failingWrite_ && written + qint64(size) > *failingWrite_) {
            size = size_t(*failingWrite_ - written);
            failingWrite_.reset();
            cut = EIO;
        }
        struct stat info {};
        FileCalls::status(fd, info);
        if (room_) {
            const qint64 needed = std::max<qint64>(0, qint64(offset) + qint64(size) - info.st_size);
            if (needed > *room_) {
                size -= size_t(needed - *room_);
                cut = ENOSPC;
            }
        }
        if (cut && size == 0)
            return fail(*cut);
        const ssize_t put = FileCalls::writeAt(fd, data, size, offset);
        if (put > 0) {
            written += put;
            if (room_) // the room taken is what the file grew by
                *room_ -= std::max<qint64>(0, qint64(offset) + put - info.st_size);
        }
        if (cut && !dead_)
            restFails_ = cut;
        return put;
    }
    int truncate(int fd, off_t size) override {
        const bool failing = fails(Call::Truncate);
        return dead_ || failing ? fail() : FileCalls::truncate(fd, size);
    }
    int syncData(int fd) override { return syncFails() ? fail() : FileCalls::syncData(fd); }
    int syncFolder(const QByteArray& folder) override { return syncFails() ? fail() : FileCalls::syncFolder(folder); }
    int rename(const QByteArray& from, const QByteArray& to) override {
        const bool failing = fails(Call::Rename);
        return dead_ || failing ? fail() : FileCalls::rename(from, to);
    }
    int renameNoReplace(const QByteArray& from, const QByteArray& to) override {
        if (withoutLinks)
            return fail(EINVAL);
        const bool failing = fails(Call::Rename);
        return dead_ || failing ? fail() : FileCalls::renameNoReplace(from, to);
    }
    int link(const QByteArray& from, const QByteArray& to) override {
        if (withoutLinks)
            return fail(EPERM);
        const bool failing = fails(Call::Rename);
        return dead_ || failing ? fail() : FileCalls::link(from, to);
    }
    int remove(const QByteArray& path) override {
        const bool failing = fails(Call::Remove);
        return dead_ || failing ? fail() : FileCalls::remove(path);
    }

private:
    static int fail(int error = EIO) {
        errno = error;
        return -1;
    }
    int& count(Call call) { return counts_[size_t(call)]; }
    // Counts the call and says whether it is one asked to fail.
    bool fails(Call call) {
        const int n = ++count(call);
        const int any = ++total_;
        return std::find(failing_.begin(), failing_.end(), std::pair{call, n}) != failing_.end()
               || std::find(failingAny_.begin(), failingAny_.end(), any) != failingAny_.end()
               || (failingFrom_ && any >= *failingFrom_);
    }
    bool syncFails() {
        ++syncs;
        return fails(Call::Sync) || dead_;
    }

    std::optional<qint64> limit_;
    std::optional<qint64> failingWrite_;
    std::optional<qint64> room_;
    std::optional<int> restFails_;
    std::array<int, 6> counts_{};
    int total_ = 0;
    std::vector<std::pair<Call, int>> failing_;
    std::vector<int> failingAny_;
    std::optional<int> failingFrom_;
    bool dead_ = false;
};
