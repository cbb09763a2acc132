#pragma once
// The real file calls of the archives, with a kill or a failing sync on
// request. Once killed, the write that crosses the limit stops there and
// nothing more reaches the disk: writes, syncs, renames, removals and new
// files fail, as after kill -9 or a power cut; reads still work, for the
// dead program's own bookkeeping. By default every call goes through.

#include "platform/FileCalls.h"

#include <fcntl.h>

#include <cerrno>
#include <optional>

class FaultyFileCalls final : public platform::FileCalls {
public:
    qint64 written = 0; // bytes written through these calls
    int syncs = 0;      // data and folder syncs asked

    // The program dies once `bytes` more bytes have been written.
    void killAfter(qint64 bytes) { limit_ = written + bytes; }
    // The `nth` sync from now (1: the next one) fails with EIO; the program
    // goes on.
    void failSync(int nth) { failingSync_ = syncs + nth; }
    void heal() {
        limit_.reset();
        failingSync_ = 0;
        dead_ = false;
    }
    bool dead() const { return dead_; }

    int open(const QByteArray& path, int flags) override {
        if (dead_ && (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)))
            return fail();
        return FileCalls::open(path, flags);
    }
    int create(const QByteArray& path, mode_t mode) override {
        return dead_ ? fail() : FileCalls::create(path, mode);
    }
    ssize_t writeAt(int fd, const char* data, size_t size, off_t offset) override {
        if (dead_)
            return fail();
        if (limit_ && written + qint64(size) > *limit_) {
            dead_ = true;
            size = size_t(*limit_ - written);
            if (size == 0)
                return fail();
        }
        const ssize_t put = FileCalls::writeAt(fd, data, size, offset);
        if (put > 0)
            written += put;
        return put;
    }
    int syncData(int fd) override { return syncFails() ? fail() : FileCalls::syncData(fd); }
    int syncFolder(const QByteArray& folder) override { return syncFails() ? fail() : FileCalls::syncFolder(folder); }
    int rename(const QByteArray& from, const QByteArray& to) override {
        return dead_ ? fail() : FileCalls::rename(from, to);
    }
    int remove(const QByteArray& path) override { return dead_ ? fail() : FileCalls::remove(path); }

private:
    static int fail() {
        errno = EIO;
        return -1;
    }
    bool syncFails() { return ++syncs == failingSync_ || dead_; }

    std::optional<qint64> limit_;
    int failingSync_ = 0;
    bool dead_ = false;
};
