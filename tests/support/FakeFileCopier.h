#pragma once
// The real whole-file copier with one of its system calls made to fail on
// request, as a full disk, a vanished folder, a drive without its disk or a
// read-only mount would make it fail (root writes anywhere, so real
// permissions cannot), or as a kill would stop it there. By default every
// copy goes through untouched.
// Installed for the life of the object.

#include "platform/FileCopy.h"

#include <QString>
#include <QStringList>

#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

class FakeFileCopier final : public platform::AtomicFileCopier {
public:
    enum class Stage { Create, Write, Sync, Rename };

    std::vector<std::pair<QString, QString>> copies; // source, target of every copy asked
    std::vector<QString> replaced;                   // target of every replace asked
    QStringList temps;                               // temporary files created


    // From now on `stage` fails with `error`; a failing write first lets
    // `afterBytes` bytes reach the temporary file.
    void failWith(int error, Stage stage = Stage::Create, qint64 afterBytes = 0) {
        failure_ = Failure{error, stage, afterBytes};
        killed_ = dead_ = false;
    }
    // The program is killed at that point: the copy stops there and cleans
    // nothing up.
    void killAt(Stage stage, qint64 afterBytes = 0) {
        failWith(EIO, stage, afterBytes);
        killed_ = true;
    }
    void heal() {
        failure_.reset();
        killed_ = dead_ = false;
    }

    platform::FileError copyFile(const QString& source, const QString& target) override {
        copies.emplace_back(source, target);
        return AtomicFileCopier::copyFile(source, target);
    }
    platform::FileError replaceFile(const QString& target, const QByteArray& content) override {
        replaced.push_back(target);
        return AtomicFileCopier::replaceFile(target, content);
    }

protected:
    int createTemp(const QByteArray& path) override {
        if (fails(Stage::Create))
            return -1;
        temps << QString::fromLocal8Bit(path);
        written_ = 0;
        return AtomicFileCopier::createTemp(path);
    }
    ssize_t writeSome(int fd, const char* data, size_t size) override {
        if (failure_ && failure_->stage == Stage::Write) {
            const qint64 room = failure_->afterBytes - written_;
            if (room <= 0) {
                dead_ = killed_;
                errno = failure_->error;
                return -1;
            }
            size = std::min<size_t>(size, size_t(room));
        }
        const ssize_t put = AtomicFileCopier::writeSome(fd, data, size);
        if (put > 0)
            written_ += put;
        return put;
    }
    int syncFile(int fd) override { return fails(Stage::Sync) ? -1 : AtomicFileCopier::syncFile(fd); }
    int renameOver(const QByteArray& from, const QByteArray& to) override {
        return fails(Stage::Rename) ? -1 : AtomicFileCopier::renameOver(from, to);
    }
    int removeTemp(const QByteArray& path) override {
        if (dead_) {
            errno = EIO;
            return -1;
        }
        return AtomicFileCopier::removeTemp(path);
    }

private:
    struct Failure {
        int error;
        Stage stage;
        qint64 afterBytes;
    };
    bool fails(Stage stage) {
        if (!failure_ || failure_->stage != stage)
            return false;
        dead_ = killed_;
        errno = failure_->error;
        return true;
    }
    std::optional<Failure> failure_;
    bool killed_ = false;
    bool dead_ = false; // killed, and the kill has come
    qint64 written_ = 0;
};
