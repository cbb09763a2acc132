#pragma once
// A power cut, simulated. A kill keeps what the program wrote (the system
// still holds it and writes it out); a power cut keeps only what had reached
// the disk. RecordingFileCalls makes the real file calls and records, in
// order, every one that may change the disk. PowerCutDisk plays them back
// over the files of one folder as they were before, keeping for each file
// what is surely on disk and the writes not synced yet, and for the folder
// the names on disk and the creates, renames and removals not synced yet.
// Between any two calls it lists what a cut there can leave:
// - a write not synced yet kept, lost, or torn at 512-byte sectors, and a
//   write past the end with the file's old length on disk, its new one, or
//   one at a 4096-byte page's end in between (a length without its bytes
//   reads as zeros);
// - a truncation not synced yet kept or lost;
// - a create, rename or removal kept or lost until the folder is synced.
// A file's data sync puts its writes on disk; a folder's sync its names.
// Every combination is listed up to a bound; beyond it, a sample drawn with
// a fixed seed, and always the two extremes (all kept, all lost).

#include "platform/FileCalls.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace powercut {

// One call that changed, or may have changed, the disk, as it went through.
struct FileCall {
    enum class Kind { Open, Create, Close, Write, Truncate, SyncData, SyncFolder, Rename, Remove, Link };
    Kind kind;
    QByteArray path;   // what was opened, created, removed, renamed, written...; the folder synced
    QByteArray to;     // a rename's new name, a hard link's
    int fd = -1;       // the file opened, or the one the call works on
    int flags = 0;     // an open's flags
    qint64 offset = 0; // where a write went; a truncation's new length
    QByteArray data;   // the bytes a write put

    std::string name() const {
        static const char* const names[] = {"open",      "create",      "close",  "write", "truncate",
                                            "data sync", "folder sync", "rename", "remove", "link"};
        return names[int(kind)] + (" " + QFileInfo(QFile::decodeName(path)).fileName().toStdString());
    }
};

// The real file calls; each one that went through and may change the disk
// is recorded. One more call is one more kind and one more override here,
// and its effect in PowerCutDisk::play.
class RecordingFileCalls final : public platform::FileCalls {
public:
    std::vector<FileCall> calls;
    // The folder's file system takes neither rename flags (EINVAL) nor hard
    // links (EPERM), as a FUSE mount or a virtual machine's shared folder.
    bool withoutLinks = false;

    int open(const QByteArray& path, int flags) override {
        const int fd = FileCalls::open(path, flags);
        if (fd >= 0) {
            paths_[fd] = path;
            calls.push_back({FileCall::Kind::Open, path, {}, fd, flags, 0, {}});
        }
        return fd;
    }
    int create(const QByteArray& path, mode_t mode) override {
        const int fd = FileCalls::create(path, mode);
        if (fd >= 0) {
            paths_[fd] = path;
            calls.push_back({FileCall::Kind::Create, path, {}, fd, 0, 0, {}});
        }
        return fd;
    }
    int close(int fd) override {
        calls.push_back({FileCall::Kind::Close, paths_[fd], {}, fd, 0, 0, {}});
        paths_.erase(fd);
        return FileCalls::close(fd);
    }
    ssize_t writeAt(int fd, const char* data, size_t size, off_t offset) override {
        const ssize_t put = FileCalls::writeAt(fd, data, size, offset);
        if (put > 0)
            calls.push_back({FileCall::Kind::Write, paths_[fd], {}, fd, 0, qint64(offset), QByteArray(data, put)});
        return put;
    }
    int truncate(int fd, off_t size) override {
        const int rc = FileCalls::truncate(fd, size);
        if (rc == 0)
            calls.push_back({FileCall::Kind::Truncate, paths_[fd], {}, fd, 0, qint64(size), {}});
        return rc;
    }
    int syncData(int fd) override {
        const int rc = FileCalls::syncData(fd);
        if (rc == 0)
            calls.push_back({FileCall::Kind::SyncData, paths_[fd], {}, fd, 0, 0, {}});
        return rc;
    }
    int syncFolder(const QByteArray& folder) override {
        const int rc = FileCalls::syncFolder(folder);
        if (rc == 0)
            calls.push_back({FileCall::Kind::SyncFolder, folder, {}, -1, 0, 0, {}});
        return rc;
    }
    int rename(const QByteArray& from, const QByteArray& to) override {
        const int rc = FileCalls::rename(from, to);
        if (rc == 0)
            calls.push_back({FileCall::Kind::Rename, from, to, -1, 0, 0, {}});
        return rc;
    }
    // A rename that refuses an existing target moves the name as a rename
    // does when it goes through.
    int renameNoReplace(const QByteArray& from, const QByteArray& to) override {
        return naming(FileCall::Kind::Rename, from, to, EINVAL, [&] { return FileCalls::renameNoReplace(from, to); });
    }
    int link(const QByteArray& from, const QByteArray& to) override {
        return naming(FileCall::Kind::Link, from, to, EPERM, [&] { return FileCalls::link(from, to); });
    }
    int remove(const QByteArray& path) override {
        const int rc = FileCalls::remove(path);
        if (rc == 0)
            calls.push_back({FileCall::Kind::Remove, path, {}, -1, 0, 0, {}});
        return rc;
    }

private:
    // A naming call that a file system without links refuses with `refusal`;
    // one that goes through is recorded.
    template <class Call>
    int naming(FileCall::Kind kind, const QByteArray& from, const QByteArray& to, int refusal, Call call) {
        if (withoutLinks) {
            errno = refusal;
            return -1;
        }
        const int rc = call();
        if (rc == 0)
            calls.push_back({kind, from, to, -1, 0, 0, {}});
        return rc;
    }

    std::map<int, QByteArray> paths_; // what each open descriptor was opened as
};

// The real file calls, with syncs that do nothing: what a recovery writes
// needs only to be seen by the same run, and the disk is spared the syncs.
class UnsyncedFileCalls final : public platform::FileCalls {
public:
    int syncData(int) override { return 0; }
    int syncFolder(const QByteArray&) override { return 0; }
};

// A folder's files: name -> content.
using Files = std::map<QByteArray, QByteArray>;

// The regular files of a folder, hidden ones included.
inline Files FilesOf(const QString& folder) {
    Files files;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile f(entry.absoluteFilePath());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << entry.absoluteFilePath().toStdString();
        files[QFile::encodeName(entry.fileName())] = f.readAll();
    }
    return files;
}

// Writes `files` into the empty `folder`.
inline void Materialise(const Files& files, const QString& folder) {
    const QDir dir(folder);
    ASSERT_TRUE(dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
    for (const auto& [name, content] : files) {
        QFile f(dir.filePath(QFile::decodeName(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        ASSERT_EQ(f.write(content), content.size());
    }
}

class PowerCutDisk {
public:
    static constexpr qint64 kSector = 512;
    static constexpr qint64 kPage = 4096;
    // The states listed at one point: every combination up to this many.
    static constexpr std::uint64_t kBound = 1024;

    // The files of `folder` as they are now, all of them on disk.
    explicit PowerCutDisk(const QString& folder) : folder_(QFile::encodeName(QFileInfo(folder).absoluteFilePath())) {
        for (const auto& [name, content] : FilesOf(folder)) {
            names_[name] = int(files_.size());
            files_.push_back({content, {}, content});
        }
        durableNames_ = names_;
    }

    // The effect of one call, as the system keeps it until a sync.
    void play(const FileCall& call) {
        using Kind = FileCall::Kind;
        switch (call.kind) {
        case Kind::Open:
        case Kind::Create: {
            const std::optional<QByteArray> name = nameOf(call.path);
            if (!name)
                return; // outside the folder: only ever read
            auto at = names_.find(*name);
            if (at == names_.end()) {
                EXPECT_TRUE(call.kind == Kind::Create || (call.flags & O_CREAT)) << call.name();
                at = names_.emplace(*name, int(files_.size())).first;
                files_.push_back({});
                pendingNames_.push_back({NameChange::Link, *name, {}, at->second});
            }
            open_[call.fd] = at->second;
            if (call.flags & O_TRUNC)
                change(at->second, Change{true, 0, {}, {}});
            return;
        }
        case Kind::Close:
            open_.erase(call.fd);
            return;
        case Kind::Write:
            if (const int file = fileOf(call); file >= 0) {
                // The lengths the file may have on disk past the old one.
                std::vector<qint64> lengths;
                const qint64 end = call.offset + call.data.size();
                for (qint64 page = files_[file].seen.size() / kPage + 1; page * kPage < end; ++page)
                    lengths.push_back(page * kPage);
                if (end > files_[file].seen.size())
                    lengths.push_back(end);
                change(file, Change{false, call.offset, call.data, lengths});
            }
            return;
        case Kind::Truncate:
            if (const int file = fileOf(call); file >= 0)
                change(file, Change{true, call.offset, {}, {}});
            return;
        case Kind::SyncData:
            if (const int file = fileOf(call); file >= 0) {
                files_[file].durable = files_[file].seen;
                files_[file].pending.clear();
            }
            return;
        case Kind::SyncFolder:
            EXPECT_EQ(call.path, folder_) << "a folder sync elsewhere";
            durableNames_ = names_;
            pendingNames_.clear();
            return;
        case Kind::Rename:
        case Kind::Link: {
            // A rename moves the name; a hard link adds one.
            const auto from = nameOf(call.path);
            const auto to = nameOf(call.to);
            if (!from || !to || !names_.count(*from)) {
                ADD_FAILURE() << "a name the folder does not hold: " << call.name();
                return;
            }
            const int file = names_[*from];
            if (call.kind == Kind::Rename) {
                names_.erase(*from);
                pendingNames_.push_back({NameChange::Rename, *from, *to, file});
            } else {
                pendingNames_.push_back({NameChange::Link, *to, {}, file});
            }
            names_[*to] = file;
            return;
        }
        case Kind::Remove: {
            const auto name = nameOf(call.path);
            if (!name || !names_.count(*name)) {
                ADD_FAILURE() << "a removal the folder does not hold: " << call.name();
                return;
            }
            pendingNames_.push_back({NameChange::Unlink, *name, {}, names_[*name]});
            names_.erase(*name);
            return;
        }
        }
    }

    // What the folder holds as the calls left it, before any cut.
    Files seen() const {
        Files files;
        for (const auto& [name, file] : names_)
            files[name] = files_[file].seen;
        return files;
    }

    // Every state a cut now can leave, each once.
    std::set<Files> cutStates(std::uint32_t seed) const {
        // What may or may not have reached the disk: each pending change of
        // each file, then each pending name change.
        std::vector<Item> items;
        for (int file = 0; file < int(files_.size()); ++file) {
            for (const Change& c : files_[file].pending)
                items.push_back(c.truncate ? Item{1, 0}
                                           : Item{int(sectorsOf(c.offset, c.bytes.size())), int(c.lengths.size())});
        }
        for (size_t n = 0; n < pendingNames_.size(); ++n)
            items.push_back({1, 0});

        std::uint64_t total = 1;
        for (const Item& item : items)
            total = item.options() > kBound || total * item.options() > kBound ? kBound + 1 : total * item.options();

        std::set<Files> states;
        std::vector<Choice> choices(items.size());
        if (total <= kBound) {
            for (std::uint64_t index = 0; index < total; ++index) {
                std::uint64_t rest = index;
                for (size_t i = 0; i < items.size(); ++i) {
                    const std::uint64_t option = rest % items[i].options();
                    rest /= items[i].options();
                    choices[i] = items[i].choice(option);
                }
                states.insert(build(choices));
            }
            return states;
        }
        std::mt19937 random(seed);
        for (const int extreme : {0, 1}) {
            for (size_t i = 0; i < items.size(); ++i)
                choices[i] = Choice{extreme == 1 ? items[i].lengths : 0,
                                    std::vector<bool>(size_t(items[i].sectors), extreme == 1)};
            states.insert(build(choices));
        }
        for (std::uint64_t n = 0; n < kBound; ++n) {
            for (size_t i = 0; i < items.size(); ++i) {
                Choice& c = choices[i];
                c.length = int(random() % std::uint32_t(items[i].lengths + 1));
                c.kept.assign(size_t(items[i].sectors), false);
                // Now every sector on its own, now a run of them kept from the
                // start (a write cut short), now all or none.
                switch (random() % 4) {
                case 0:
                    for (size_t s = 0; s < c.kept.size(); ++s)
                        c.kept[s] = random() & 1;
                    break;
                case 1:
                    std::fill_n(c.kept.begin(), random() % (c.kept.size() + 1), true);
                    break;
                case 2:
                    c.kept.assign(c.kept.size(), true);
                    break;
                default:
                    break;
                }
            }
            states.insert(build(choices));
        }
        return states;
    }

private:
    // A change to a file's content not on disk yet: a write, or a truncation
    // to `offset` bytes.
    struct Change {
        bool truncate;
        qint64 offset;
        QByteArray bytes;
        std::vector<qint64> lengths; // a write's: those it may leave on disk past the old one
    };
    struct File {
        QByteArray durable;          // surely on disk
        std::vector<Change> pending; // after it, in order
        QByteArray seen;             // what the program saw
    };
    struct NameChange {
        enum Kind { Link, Unlink, Rename } kind;
        QByteArray name;
        QByteArray to; // a rename's
        int file;
    };
    // What a cut keeps of one pending change: which of a write's lengths
    // reached the disk (0: none, the old one stays), and which of its sectors
    // did (a truncation or a name change: one "sector", the whole change).
    struct Choice {
        int length = 0;
        std::vector<bool> kept;
    };
    struct Item {
        int sectors;
        int lengths;
        std::uint64_t options() const {
            return sectors >= 32 ? kBound + 1 : (std::uint64_t(1) << sectors) * std::uint64_t(lengths + 1);
        }
        Choice choice(std::uint64_t option) const {
            Choice c;
            c.length = int(option % std::uint64_t(lengths + 1));
            option /= std::uint64_t(lengths + 1);
            c.kept.resize(size_t(sectors));
            for (int s = 0; s < sectors; ++s)
                c.kept[size_t(s)] = (option >> s) & 1;
            return c;
        }
    };

    static qint64 sectorsOf(qint64 offset, qint64 size) {
        return size <= 0 ? 0 : (offset + size - 1) / kSector - offset / kSector + 1;
    }

    static void resize(QByteArray& bytes, qint64 size) {
        const qint64 was = bytes.size();
        bytes.resize(size);
        if (size > was)
            std::fill(bytes.begin() + was, bytes.end(), '\0');
    }

    static void apply(QByteArray& content, const Change& c, const Choice& choice) {
        if (c.truncate) {
            if (choice.kept[0])
                resize(content, c.offset);
            return;
        }
        const qint64 end = c.offset + c.bytes.size();
        if (choice.length > 0 && c.lengths[size_t(choice.length - 1)] > content.size())
            resize(content, c.lengths[size_t(choice.length - 1)]);
        const qint64 first = c.offset / kSector;
        for (size_t s = 0; s < choice.kept.size(); ++s) {
            if (!choice.kept[s])
                continue;
            const qint64 from = std::max(c.offset, (first + qint64(s)) * kSector);
            const qint64 until = std::min({end, (first + qint64(s) + 1) * kSector, qint64(content.size())});
            for (qint64 at = from; at < until; ++at)
                content[at] = c.bytes[at - c.offset];
        }
    }

    std::optional<QByteArray> nameOf(const QByteArray& path) const {
        const QByteArray absolute = QFile::encodeName(QFileInfo(QFile::decodeName(path)).absoluteFilePath());
        if (!absolute.startsWith(folder_ + '/') || absolute.indexOf('/', folder_.size() + 1) >= 0)
            return std::nullopt;
        return absolute.mid(folder_.size() + 1);
    }

    int fileOf(const FileCall& call) const {
        const auto at = open_.find(call.fd);
        if (at == open_.end()) {
            ADD_FAILURE() << "a call on a file not opened in the folder: " << call.name();
            return -1;
        }
        return at->second;
    }

    void change(int file, const Change& c) {
        files_[file].pending.push_back(c);
        const qint64 sectors = std::max<qint64>(1, sectorsOf(c.offset, c.bytes.size()));
        const Choice all{int(c.lengths.size()), std::vector<bool>(size_t(sectors), true)};
        apply(files_[file].seen, c, all);
    }

    Files build(const std::vector<Choice>& choices) const {
        size_t next = 0;
        std::vector<QByteArray> contents;
        for (const File& file : files_) {
            QByteArray content = file.durable;
            for (const Change& c : file.pending)
                apply(content, c, choices[next++]);
            contents.push_back(content);
        }
        std::map<QByteArray, int> names = durableNames_;
        for (const NameChange& n : pendingNames_) {
            if (!choices[next++].kept[0])
                continue;
            const auto points = [&](const QByteArray& name) {
                const auto at = names.find(name);
                return at != names.end() && at->second == n.file;
            };
            switch (n.kind) {
            case NameChange::Link:
                names[n.name] = n.file;
                break;
            case NameChange::Unlink:
                if (points(n.name))
                    names.erase(n.name);
                break;
            case NameChange::Rename:
                if (points(n.name))
                    names.erase(n.name);
                names[n.to] = n.file;
                break;
            }
        }
        Files state;
        for (const auto& [name, file] : names)
            state[name] = contents[size_t(file)];
        return state;
    }

    QByteArray folder_;
    std::vector<File> files_;
    std::map<QByteArray, int> names_; // as the program sees them
    std::map<QByteArray, int> durableNames_;
    std::vector<NameChange> pendingNames_;
    std::map<int, int> open_; // descriptor -> file
};

} // namespace powercut
