#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "platform/FileCopy.h"
#include "support/FaultyFileCalls.h"
#include "support/OrdinaryUser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SlipRecord slip(const QString& payee) {
    SlipRecord r;
    r.AccountNumber = "123456789012";
    r.Euros = "15";
    r.Cents = "50";
    r.Payee1 = payee;
    r.Notes = "nota di " + payee;
    return r;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class RecordArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // An archive of slips whose payees are the given names.
    void fill(const QStringList& payees) {
        QByteArray bytes;
        for (const QString& p : payees)
            bytes += slip(p).encode();
        writeFile(path, bytes);
    }

    QStringList payees(RecordArchive& archive) {
        QList<SlipRecord> all;
        EXPECT_TRUE(archive.ReadAllRecords(all));
        QStringList names;
        for (const SlipRecord& r : all)
            names << r.Payee1;
        return names;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(YearArchiveName("2012"));
    QString temp = dir.filePath(YearTempName("2012"));
    RecordArchive archive{path, temp, SlipRecord::Length};
};

} // namespace

TEST_F(RecordArchiveTest, OpeningAMissingArchiveCreatesItEmpty) {
    ASSERT_TRUE(archive.OpenArchive());
    EXPECT_FALSE(archive.IsReadOnly());
    EXPECT_EQ(archive.RecordCount(), 0);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    QByteArray out;
    EXPECT_FALSE(archive.ReadRecord(1, out));
    EXPECT_TRUE(archive.ReadAll(out));
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(RecordArchiveTest, AppendAndOverwriteTouchOnlyTheirRecord) {
    ASSERT_TRUE(archive.OpenArchive());
    SlipRecord first = slip("  ROSSI ");
    ASSERT_TRUE(archive.Write(1, first));
    EXPECT_EQ(archive.RecordCount(), 1);
    EXPECT_EQ(QFileInfo(path).size(), 601);
    EXPECT_EQ(fileBytes(path).mid(22, 34), QByteArray("ROSSI") + QByteArray(29, ' '));

    ASSERT_TRUE(archive.Write(2, slip("BIANCHI")));
    ASSERT_TRUE(archive.Write(3, slip("VERDI")));
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(archive.Write(2, slip("NERI")));
    const QByteArray after = fileBytes(path);
    ASSERT_EQ(after.size(), 1803);
    EXPECT_EQ(after.left(601), before.left(601));
    EXPECT_EQ(after.mid(1202), before.mid(1202));
    EXPECT_EQ(payees(archive), QStringList({"ROSSI", "NERI", "VERDI"}));

    SlipRecord back;
    ASSERT_TRUE(archive.Read(1, back));
    EXPECT_EQ(back.Payee1, "ROSSI");
    EXPECT_EQ(back.Notes, "nota di   ROSSI");
}

TEST_F(RecordArchiveTest, NumbersOutsideTheArchiveFail) {
    fill({"A", "B"});
    ASSERT_TRUE(archive.OpenArchive());
    QByteArray out;
    for (qint64 k : {-1, 0, 3}) {
        EXPECT_FALSE(archive.ReadRecord(k, out)) << k;
        EXPECT_TRUE(out.isEmpty());
        EXPECT_FALSE(archive.RemoveRecord(k)) << k;
    }
    EXPECT_FALSE(archive.WriteRecord(0, slip("X").encode()));
    EXPECT_FALSE(archive.WriteRecord(4, slip("X").encode()));
    EXPECT_FALSE(archive.WriteRecord(3, QByteArray(600, ' '))); // not a whole record
    EXPECT_EQ(fileBytes(path).size(), 1202);
    EXPECT_FALSE(QFile::exists(temp));
}

TEST_F(RecordArchiveTest, CountFollowsTheFileOnEveryCall) {
    ASSERT_TRUE(archive.OpenArchive());
    EXPECT_EQ(archive.RecordCount(), 0);
    fill({"A", "B"}); // written behind the archive's back
    EXPECT_EQ(archive.RecordCount(), 2);
    archive.CloseArchive();
    archive.CloseArchive();
    EXPECT_EQ(archive.RecordCount(), 0);
    EXPECT_FALSE(archive.Write(3, slip("C")));
}

TEST_F(RecordArchiveTest, TrailingPartialRecordIsIgnoredAndOverwrittenByAppend) {
    writeFile(path, slip("A").encode() + QByteArray(399, 'x')); // 1000 bytes
    ASSERT_TRUE(archive.OpenArchive());
    EXPECT_EQ(archive.RecordCount(), 1);
    QByteArray out;
    EXPECT_FALSE(archive.ReadRecord(2, out));
    ASSERT_TRUE(archive.Write(2, slip("B")));
    EXPECT_EQ(QFileInfo(path).size(), 1202);
    EXPECT_EQ(payees(archive), QStringList({"A", "B"}));
}

TEST_F(RecordArchiveTest, RemovalRenumbersTheLaterRecords) {
    fill({"A", "B", "C"});
    ASSERT_TRUE(archive.OpenArchive());
    ASSERT_TRUE(archive.RemoveRecord(1));
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_EQ(QFileInfo(path).size(), 1202);
    // The archive stays usable on its new content.
    EXPECT_EQ(archive.RecordCount(), 2);
    EXPECT_EQ(payees(archive), QStringList({"B", "C"}));
    ASSERT_TRUE(archive.RemoveRecord(2));
    EXPECT_EQ(payees(archive), QStringList({"B"}));
    ASSERT_TRUE(archive.RemoveRecord(1));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(archive.RecordCount(), 0);
    EXPECT_TRUE(archive.Write(1, slip("D")));
}

TEST_F(RecordArchiveTest, RemovalIgnoresLeftoversAndPartialRecords) {
    writeFile(temp, QByteArray(601 * 5, 'T'));
    QFile(temp).setPermissions(QFile::ReadOwner);
    QByteArray bytes;
    for (const char* p : {"A", "B", "C"})
        bytes += slip(p).encode();
    writeFile(path, bytes + "partial");
    ASSERT_TRUE(archive.OpenArchive());
    ASSERT_TRUE(archive.RemoveRecord(2));
    EXPECT_EQ(fileBytes(path), bytes.left(601) + bytes.mid(1202));
    EXPECT_FALSE(QFile::exists(temp));
}

TEST_F(RecordArchiveTest, FailedRemovalLeavesTheArchiveAsItWas) {
    fill({"A", "B", "C"});
    const QByteArray before = fileBytes(path);
    RecordArchive noTemp(path, dir.filePath("missing/2012.tmp"), SlipRecord::Length);
    ASSERT_TRUE(noTemp.OpenArchive());
    EXPECT_FALSE(noTemp.RemoveRecord(1));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(noTemp.RecordCount(), 3);

    // A temporary path that cannot be replaced (a folder) fails the same way.
    ASSERT_TRUE(QDir(dir.path()).mkpath("2012.tmp/inner"));
    ASSERT_TRUE(archive.OpenArchive());
    EXPECT_FALSE(archive.RemoveRecord(1));
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(RecordArchiveTest, ReadOnlyArchiveCanBeReadButNotChanged) {
    fill({"A", "B"});
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(QFile(path).setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // Even a writable folder must not let a removal replace the archive.
    ASSERT_TRUE(QFile(dir.path()).setPermissions(QFileDevice::Permissions(0x7777)));

    EXPECT_TRUE(asOrdinaryUser([&] {
        RecordArchive ro(path, temp, SlipRecord::Length);
        SlipRecord r;
        return ro.OpenArchive() && ro.IsReadOnly() && ro.RecordCount() == 2 && ro.Read(2, r) && r.Payee1 == "B"
               && !ro.Write(1, slip("X")) && !ro.Write(3, slip("X")) && !ro.RemoveRecord(1)
               && ro.RecordCount() == 2;
    }));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(QFile::exists(temp));
}

TEST_F(RecordArchiveTest, ArchiveInAMissingFolderCannotBeOpened) {
    RecordArchive missing(dir.filePath("nowhere/2012.ccp"), dir.filePath("nowhere/2012.tmp"), SlipRecord::Length);
    EXPECT_FALSE(missing.OpenArchive());
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.RecordCount(), 0);
    QByteArray out;
    EXPECT_FALSE(missing.ReadAll(out));
    EXPECT_FALSE(missing.Write(1, slip("A")));
    EXPECT_FALSE(missing.RemoveRecord(1));
    EXPECT_FALSE(QFile::exists(dir.filePath("nowhere")));
}

// ------------------------------------------------------------ interruptions

namespace {

// Archives of short records, so that a save can be cut at every byte.
constexpr int kLength = 16;

QByteArray record(char c) { return QByteArray(kLength, c); }

// The journal a save writes first: a head of 24 bytes, the record, the bytes
// it covers (none for an append) and a check of 8 bytes.
qint64 journalSize(bool overwrite) { return 24 + kLength + (overwrite ? kLength : 0) + 8; }

class ArchiveInterrupted : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        platform::setFileCalls(&calls);
    }
    void TearDown() override { platform::setFileCalls(nullptr); }

    // Records 'A', 'B', 'C' on disk.
    void reset() {
        old = record('A') + record('B') + record('C');
        writeFile(path, old);
        QFile::remove(journal);
        QFile::remove(temp);
    }
    // The archive as the next start finds it, with the real file calls: a new
    // run of the program, which knows only what is on disk.
    QByteArray afterRestart() {
        calls.heal();
        RecordArchive::ForgetFailedSaves();
        RecordArchive reopened(path, temp, kLength);
        EXPECT_TRUE(reopened.OpenArchive());
        QByteArray all;
        EXPECT_TRUE(reopened.ReadAll(all));
        EXPECT_FALSE(QFile::exists(journal)) << "the opening settles every journal";
        EXPECT_FALSE(QFile::exists(temp)) << "the opening removes a delete's temporary file";
        return all;
    }
    // Every file of the folder, hidden ones included.
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    FaultyFileCalls calls;
    QTemporaryDir dir;
    QString path = dir.filePath("2012.ccp");
    QString temp = dir.filePath("2012.tmp");
    QString journal = dir.filePath("2012.ccp.jnl");
    QByteArray old;
};

} // namespace

TEST_F(ArchiveInterrupted, ASaveOrAppendKilledAtAnyByteLeavesEveryRecordOldOrNew) {
    // The journal goes first, then the record itself.
    for (const qint64 k : {2, 4}) {
        const qint64 journalSize = ::journalSize(k == 2);
        const QByteArray saved = record('n');
        const QByteArray after = k == 2 ? record('A') + saved + record('C') : old + saved;
        for (qint64 cut = 0; cut < journalSize + kLength; ++cut) {
            reset();
            RecordArchive archive(path, temp, kLength);
            ASSERT_TRUE(archive.OpenArchive());
            calls.killAfter(cut);
            EXPECT_FALSE(archive.WriteRecord(k, saved)) << k << " cut after " << cut;
            ASSERT_TRUE(calls.dead());
            archive.CloseArchive();
            // A journal whose save never reached the archive is dropped, one
            // cut short while it wrote the record completed.
            EXPECT_EQ(afterRestart(), cut <= journalSize ? old : after) << k << " cut after " << cut;
        }
        // Uncut, the save is whole and leaves nothing beside the archive.
        reset();
        RecordArchive archive(path, temp, kLength);
        ASSERT_TRUE(archive.OpenArchive());
        EXPECT_TRUE(archive.WriteRecord(k, saved));
        EXPECT_EQ(fileBytes(path), after);
        EXPECT_EQ(files(), QStringList{"2012.ccp"});
    }
}

TEST_F(ArchiveInterrupted, AFailedSyncIsNeverASave) {
    // Syncs in order: the journal, its folder, the archive.
    for (const qint64 k : {2, 4}) {
        for (int nth = 1; nth <= 3; ++nth) {
            reset();
            RecordArchive archive(path, temp, kLength);
            ASSERT_TRUE(archive.OpenArchive());
            calls.failSync(nth);
            EXPECT_FALSE(archive.WriteRecord(k, record('n'))) << k << " sync " << nth;
            // Undone before the failure is reported, journal and all.
            EXPECT_EQ(fileBytes(path), old) << k << " sync " << nth;
            EXPECT_EQ(files(), QStringList{"2012.ccp"}) << k << " sync " << nth;
            // A later save in the same action does not bring it back.
            calls.heal();
            ASSERT_TRUE(archive.WriteRecord(3, record('m')));
            EXPECT_EQ(fileBytes(path), record('A') + record('B') + record('m')) << k << " sync " << nth;
            archive.CloseArchive();
            // Nor does the next start.
            EXPECT_EQ(afterRestart(), record('A') + record('B') + record('m')) << k << " sync " << nth;
        }
    }
}

TEST_F(ArchiveInterrupted, OnlyAWholeJournalOfThisArchiveIsApplied) {
    // A save of record 2 killed halfway through the record: its journal is
    // whole, the archive torn.
    reset();
    {
        RecordArchive archive(path, temp, kLength);
        ASSERT_TRUE(archive.OpenArchive());
        calls.killAfter(journalSize(true) + kLength / 2);
        EXPECT_FALSE(archive.WriteRecord(2, record('n')));
    }
    calls.heal();
    const QByteArray whole = fileBytes(journal);
    ASSERT_EQ(whole.size(), journalSize(true));
    const QByteArray torn = fileBytes(path);
    ASSERT_EQ(torn, record('A') + record('n').left(kLength / 2) + record('B').left(kLength / 2) + record('C'));

    // A journal not whole, or with any byte wrong, is dropped and the archive
    // left as it is.
    QByteArray flipped = whole;
    flipped[26] = 'x'; // one byte of the record
    QByteArray beyond = whole;
    beyond[4] = char(kLength * 9); // an offset past the end
    for (const QByteArray& wrong : {flipped, beyond, whole.left(whole.size() - 1), whole + 'x'}) {
        writeFile(path, torn);
        writeFile(journal, wrong);
        EXPECT_EQ(afterRestart(), torn);
    }
    // Records of another length are not this archive's.
    writeFile(journal, whole);
    {
        RecordArchive other(path, temp, kLength / 2);
        ASSERT_TRUE(other.OpenArchive());
    }
    EXPECT_FALSE(QFile::exists(journal));
    EXPECT_EQ(fileBytes(path), torn);

    writeFile(journal, whole);
    EXPECT_EQ(afterRestart(), record('A') + record('n') + record('C'));
}

TEST_F(ArchiveInterrupted, ADeleteKilledAtAnyByteLeavesTheOldArchive) {
    const QByteArray after = record('A') + record('C');
    for (qint64 cut = 0; cut < 2 * kLength; ++cut) {
        reset();
        RecordArchive archive(path, temp, kLength);
        ASSERT_TRUE(archive.OpenArchive());
        calls.killAfter(cut);
        EXPECT_FALSE(archive.RemoveRecord(2)) << cut;
        archive.CloseArchive();
        EXPECT_EQ(afterRestart(), old) << cut;
        // The next delete writes the temporary file anew.
        RecordArchive again(path, temp, kLength);
        ASSERT_TRUE(again.OpenArchive());
        ASSERT_TRUE(again.RemoveRecord(2));
        EXPECT_EQ(fileBytes(path), after);
        EXPECT_EQ(files(), QStringList{"2012.ccp"});
    }
    // A failed sync of the temporary file or a full disk leaves the archive
    // as it was, open on it, and no temporary file.
    for (int nth : {1, 0}) {
        reset();
        RecordArchive archive(path, temp, kLength);
        ASSERT_TRUE(archive.OpenArchive());
        if (nth)
            calls.failSync(nth);
        else
            calls.killAfter(kLength + 3); // stands for ENOSPC: the write fails, cleaning up does not
        EXPECT_FALSE(archive.RemoveRecord(1));
        EXPECT_EQ(fileBytes(path), old);
        calls.heal();
        EXPECT_EQ(archive.RecordCount(), 3);
        if (nth) {
            EXPECT_EQ(files(), QStringList{"2012.ccp"});
        }
        EXPECT_TRUE(archive.RemoveRecord(1));
        EXPECT_EQ(fileBytes(path), record('B') + record('C'));
        EXPECT_EQ(files(), QStringList{"2012.ccp"});
    }
}

TEST_F(ArchiveInterrupted, AnArchiveReachedThroughALinkStaysALink) {
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath("anno.dat");
    writeFile(real, record('A') + record('B') + record('C'));
    ASSERT_TRUE(QFile::link(real, path));

    RecordArchive archive(path, temp, kLength);
    ASSERT_TRUE(archive.OpenArchive());
    ASSERT_TRUE(archive.WriteRecord(2, record('n')));
    ASSERT_TRUE(archive.WriteRecord(4, record('D')));
    ASSERT_TRUE(archive.RemoveRecord(1));
    QByteArray all;
    ASSERT_TRUE(archive.ReadAll(all));
    EXPECT_EQ(all, record('n') + record('C') + record('D'));
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), real);
    EXPECT_EQ(fileBytes(real), record('n') + record('C') + record('D'));
    EXPECT_EQ(files(), QStringList{"2012.ccp"});
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"anno.dat"});

    // A save killed there while it wrote the record leaves its journal beside
    // the real file, and the next opening through the link completes it; so
    // is a delete's temporary file cut short there removed.
    writeFile(elsewhere.filePath("2012.tmp"), record('t'));
    calls.killAfter(journalSize(true) + 1);
    EXPECT_FALSE(archive.WriteRecord(1, record('x')));
    archive.CloseArchive();
    EXPECT_TRUE(QFile::exists(real + ".jnl"));
    calls.heal();
    // The next start: a new program, which knows only what is on disk.
    RecordArchive::ForgetFailedSaves();
    RecordArchive reopened(path, temp, kLength);
    ASSERT_TRUE(reopened.OpenArchive());
    EXPECT_EQ(fileBytes(real), record('x') + record('C') + record('D'));
    EXPECT_FALSE(QFile::exists(real + ".jnl"));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"anno.dat"});
}

TEST_F(ArchiveInterrupted, AFailedWriteAtAnyByteIsUndoneAndARetrySavesOnce) {
    // A failing device (EIO) or a full disk (ENOSPC) stops a save at any byte
    // of its journal or of its record; the program goes on and says so.
    enum class Fault { Device, FullDisk };
    const QByteArray saved = record('n');
    const QByteArray abc = record('A') + record('B') + record('C');
    for (const Fault fault : {Fault::Device, Fault::FullDisk}) {
        for (const qint64 k : {2, 4}) {
            const QByteArray after = k == 2 ? record('A') + saved + record('C') : abc + saved;
            const qint64 journalSize = ::journalSize(k == 2);
            for (qint64 cut = 0; cut < journalSize + kLength; ++cut) {
                const auto where = [&] { return QString("%1 k=%2 cut=%3").arg(int(fault)).arg(k).arg(cut).toStdString(); };
                reset();
                RecordArchive archive(path, temp, kLength);
                ASSERT_TRUE(archive.OpenArchive());
                if (fault == Fault::Device)
                    calls.failWriteAfter(cut);
                else
                    calls.fillDiskAfter(cut);
                // Written over the archive's own bytes, a record needs no room.
                const bool fails = fault == Fault::Device || k == 4 || cut < journalSize;
                EXPECT_EQ(archive.WriteRecord(k, saved), !fails) << where();
                EXPECT_EQ(fileBytes(path), fails ? abc : after) << where();
                EXPECT_EQ(files(), QStringList{"2012.ccp"}) << where();
                // Pressed again once there is room, the save is made once.
                calls.heal();
                if (fails) {
                    EXPECT_TRUE(archive.WriteRecord(k, saved)) << where();
                }
                EXPECT_EQ(fileBytes(path), after) << where();
                archive.CloseArchive();
                EXPECT_EQ(afterRestart(), after) << where();
            }
        }
    }
}

TEST_F(ArchiveInterrupted, AJournalThatCannotBeRemovedNeverBringsAFailedSaveBack) {
    using Call = FaultyFileCalls::Call;
    const QByteArray abc = record('A') + record('B') + record('C');
    for (const qint64 k : {2, 4}) {
        const QByteArray after = k == 2 ? record('A') + record('n') + record('C') : abc + record('n');
        // The removal fails, and so may the emptying of the journal that
        // stands in for it (the second open for writing, after the journal's).
        for (const bool emptyingFails : {false, true}) {
            for (const bool restart : {true, false}) {
                const auto where = [&] { return QString("k=%1 %2 %3").arg(k).arg(emptyingFails).arg(restart).toStdString(); };
                reset();
                RecordArchive archive(path, temp, kLength);
                ASSERT_TRUE(archive.OpenArchive());
                calls.failSync(3); // the record's
                calls.failCall(Call::Remove, 1);
                if (emptyingFails)
                    calls.failCall(Call::Open, 2);
                EXPECT_FALSE(archive.WriteRecord(k, record('n'))) << where();
                EXPECT_EQ(fileBytes(path), abc) << where();
                EXPECT_TRUE(QFile::exists(journal)) << where();
                calls.heal();
                if (restart) {
                    archive.CloseArchive();
                    EXPECT_EQ(afterRestart(), abc) << where();
                } else {
                    EXPECT_TRUE(archive.WriteRecord(k, record('n'))) << where();
                    EXPECT_EQ(fileBytes(path), after) << where();
                    EXPECT_EQ(files(), QStringList{"2012.ccp"}) << where();
                }
            }
        }
    }
    // A save that is on disk stays saved when its journal cannot go.
    reset();
    RecordArchive archive(path, temp, kLength);
    ASSERT_TRUE(archive.OpenArchive());
    calls.failCall(Call::Remove, 1);
    calls.failCall(Call::Open, 2);
    EXPECT_TRUE(archive.WriteRecord(2, record('n')));
    archive.CloseArchive();
    EXPECT_EQ(afterRestart(), record('A') + record('n') + record('C'));
}

TEST_F(ArchiveInterrupted, AnUndoThatCannotBeWrittenIsDoneBeforeAnythingElse) {
    using Call = FaultyFileCalls::Call;
    const QByteArray abc = record('A') + record('B') + record('C');
    // The record's sync fails (the third), and then its undo: the write of an
    // overwrite's old bytes (the third write, after the journal's and the
    // record's), the cut of an append back to the old length, or the sync
    // after either.
    struct Case {
        qint64 k;
        Call call;
        int nth;
    };
    for (const Case& c : {Case{2, Call::Write, 3}, Case{4, Call::Truncate, 1}, Case{2, Call::Sync, 4},
                          Case{4, Call::Sync, 4}}) {
        const QByteArray after = c.k == 2 ? record('A') + record('n') + record('C') : abc + record('n');
        for (const bool restart : {true, false}) {
            const auto where = [&] { return QString("k=%1 call=%2 %3").arg(c.k).arg(int(c.call)).arg(restart).toStdString(); };
            reset();
            RecordArchive archive(path, temp, kLength);
            ASSERT_TRUE(archive.OpenArchive());
            calls.failSync(3);
            calls.failCall(c.call, c.nth);
            EXPECT_FALSE(archive.WriteRecord(c.k, record('n'))) << where();
            calls.heal();
            if (restart) {
                archive.CloseArchive();
                EXPECT_EQ(afterRestart(), abc) << where();
            } else {
                EXPECT_TRUE(archive.WriteRecord(c.k, record('n'))) << where();
                EXPECT_EQ(fileBytes(path), after) << where();
                EXPECT_EQ(files(), QStringList{"2012.ccp"}) << where();
            }
        }
    }
    // Even with a journal that cannot be turned either, the next save here
    // first puts the old bytes back, and so does a delete.
    for (const bool remove : {false, true}) {
        reset();
        RecordArchive archive(path, temp, kLength);
        ASSERT_TRUE(archive.OpenArchive());
        calls.failSync(3);
        calls.failCall(Call::Write, 3); // the old bytes
        calls.failCall(Call::Write, 4); // the journal's new mark
        EXPECT_FALSE(archive.WriteRecord(2, record('n')));
        calls.heal();
        if (remove) {
            EXPECT_TRUE(archive.RemoveRecord(3));
            EXPECT_EQ(fileBytes(path), record('A') + record('B')) << remove;
        } else {
            EXPECT_TRUE(archive.WriteRecord(4, record('m')));
            EXPECT_EQ(fileBytes(path), abc + record('m')) << remove;
        }
        EXPECT_EQ(files(), QStringList{"2012.ccp"}) << remove;
    }
}

TEST_F(ArchiveInterrupted, AJournalOfTheOlderFormIsCompleted) {
    // Before journals kept the old bytes: mark, offset, length, record and a
    // check of all of it.
    reset();
    QByteArray j("QJN1");
    j += QByteArray(8, '\0');
    j[4] = char(kLength); // record 2
    j += QByteArray(4, '\0');
    j[12] = char(kLength);
    j += record('n');
    quint64 h = 14695981039346656037ULL;
    for (const char c : j)
        h = (h ^ quint8(c)) * 1099511628211ULL;
    for (int i = 0; i < 8; ++i)
        j += char(h >> (8 * i));
    writeFile(journal, j);
    EXPECT_EQ(afterRestart(), record('A') + record('n') + record('C'));
}

namespace {

// The calls of a save that fail: each numbered one, counted from the first
// call after the opening, or every call from one on.
struct FailingCalls {
    std::vector<int> numbered;
    int from = 0;

    void inject(FaultyFileCalls& calls) const {
        for (const int n : numbered)
            calls.failAnyCall(n);
        if (from > 0)
            calls.failEveryCallFrom(from);
    }
    std::string name() const {
        std::string s = from > 0 ? "from " + std::to_string(from) : "calls";
        for (const int n : numbered)
            s += " " + std::to_string(n);
        return s;
    }
};

// One failing call, every call from the n-th on, and every two and three
// failing calls among the first ten (a save makes seven when all goes well).
std::vector<FailingCalls> failurePatterns() {
    std::vector<FailingCalls> all;
    for (int a = 1; a <= 10; ++a) {
        all.push_back({{a}});
        all.push_back({{}, a});
        for (int b = a + 1; b <= 10; ++b) {
            all.push_back({{a, b}});
            for (int c = b + 1; c <= 10; ++c)
                all.push_back({{a, b, c}});
        }
    }
    return all;
}

} // namespace

// A window makes a new archive object for every press and closes it after:
// what a failed save owes must be owed by the file, not by one object.
TEST_F(ArchiveInterrupted, ASaveReportedFailedIsNeverCompletedByALaterOpening) {
    enum class Then { Retry, Reopen, Restart };
    const QByteArray abc = record('A') + record('B') + record('C');
    for (const qint64 k : {2, 4}) {
        const QByteArray after = k == 2 ? record('A') + record('n') + record('C') : abc + record('n');
        for (const FailingCalls& failing : failurePatterns()) {
            for (const Then then : {Then::Retry, Then::Reopen, Then::Restart}) {
                const auto where = [&] {
                    return "k=" + std::to_string(k) + " " + failing.name() + " then " + std::to_string(int(then));
                };
                reset();
                bool saved = false;
                QByteArray leftBehind; // the archive as the failed save left it
                {
                    RecordArchive archive(path, temp, kLength);
                    ASSERT_TRUE(archive.OpenArchive());
                    failing.inject(calls);
                    saved = archive.WriteRecord(k, record('n'));
                    leftBehind = fileBytes(path);
                }
                calls.heal();
                if (saved) {
                    // What was said to be saved is saved, and stays so.
                    EXPECT_EQ(afterRestart(), after) << where();
                    continue;
                }
                if (then == Then::Restart)
                    RecordArchive::ForgetFailedSaves();
                RecordArchive next(path, temp, kLength);
                ASSERT_TRUE(next.OpenArchive()) << where();
                if (then == Then::Retry) {
                    EXPECT_TRUE(next.WriteRecord(k, record('n'))) << where();
                }
                QByteArray now;
                EXPECT_TRUE(next.ReadAll(now));
                EXPECT_EQ(files(), QStringList{"2012.ccp"}) << where();
                next.CloseArchive();
                switch (then) {
                case Then::Retry:
                    EXPECT_EQ(now, after) << where() << ": the retry stores the record once";
                    break;
                case Then::Reopen:
                    EXPECT_EQ(now, abc) << where() << ": a failed save stays failed in the same run";
                    break;
                case Then::Restart:
                    // Only a record that reached the archive whole before every
                    // later write failed may be found there, whole and once.
                    if (now != abc) {
                        EXPECT_EQ(now, after) << where();
                        EXPECT_EQ(leftBehind, after) << where();
                    }
                    break;
                }
                EXPECT_EQ(afterRestart(), now) << where();
            }
        }
    }
}

// A record that reached the archive before every later call failed is put
// back as the program ends, once the disk takes writes again; while it still
// refuses them, the undo stays owed to the next opening in the run.
TEST_F(ArchiveInterrupted, WhatAFailedSaveOwesIsPutBackAsTheProgramEnds) {
    const QByteArray abc = record('A') + record('B') + record('C');
    for (const qint64 k : {2, 4}) {
        reset();
        {
            RecordArchive archive(path, temp, kLength);
            ASSERT_TRUE(archive.OpenArchive());
            // The journal's open, write, sync and folder sync, the record's
            // write, then its sync and everything after it fail.
            calls.failEveryCallFrom(6);
            EXPECT_FALSE(archive.WriteRecord(k, record('n')));
        }
        EXPECT_NE(fileBytes(path), abc) << k << ": the record reached the archive";
        RecordArchive::SettleFailedSaves(); // the disk still refuses
        calls.heal();
        RecordArchive::SettleFailedSaves();
        EXPECT_EQ(fileBytes(path), abc) << k;
        EXPECT_EQ(files(), QStringList{"2012.ccp"}) << k;
        EXPECT_EQ(afterRestart(), abc) << k;
    }
}

// While the disk refuses a failed save's undo, every reader, old object or
// new, sees the archive as the undo will leave it; once the disk heals, the
// next opening writes it and the file is that archive.
TEST_F(ArchiveInterrupted, WhileAFailedSaveOwesItsUndoEveryReaderSeesTheArchiveAsTheUndoLeavesIt) {
    struct Case {
        const char* name;
        qint64 k;
        QByteArray tail;     // a partial record after the three whole ones
        QByteArray replaced; // what the file is replaced by after the failure; empty: left as it is
    };
    const Case cases[] = {
        {"overwrite", 2, {}, {}},
        {"append", 4, {}, {}},
        {"append over a partial tail", 4, "xyz", {}},
        {"file replaced", 2, {}, record('X') + record('Y')},
    };
    for (const Case& c : cases) {
        reset();
        const QByteArray before = old + c.tail;
        writeFile(path, before);
        RecordArchive failed(path, temp, kLength);
        ASSERT_TRUE(failed.OpenArchive());
        // The record's sync and every call after it fail: the undo too.
        calls.failEveryCallFrom(6);
        EXPECT_FALSE(failed.WriteRecord(c.k, record('n'))) << c.name;
        ASSERT_NE(fileBytes(path), before) << c.name << ": the record reached the archive";
        if (!c.replaced.isEmpty())
            writeFile(path, c.replaced);
        const QByteArray seen = c.replaced.isEmpty() ? before : c.replaced;
        const qint64 count = seen.size() / kLength;
        EXPECT_EQ(RecordArchive::OwesUndo(path), true) << c.name;

        RecordArchive reader(path, temp, kLength);
        for (RecordArchive* a : {&failed, &reader}) {
            const std::string who = std::string(c.name) + (a == &failed ? " (the saving object)" : " (a new one)");
            if (a == &reader) {
                ASSERT_TRUE(reader.OpenArchive()) << who;
            }
            EXPECT_EQ(a->Size(), seen.size()) << who;
            EXPECT_EQ(a->RecordCount(), count) << who;
            QByteArray all;
            EXPECT_TRUE(a->ReadAll(all)) << who;
            EXPECT_EQ(all, seen.left(count * kLength)) << who;
            QByteArray one;
            for (qint64 k = 1; k <= count; ++k) {
                EXPECT_TRUE(a->ReadRecord(k, one)) << who << " " << k;
                EXPECT_EQ(one, seen.mid((k - 1) * kLength, kLength)) << who << " " << k;
            }
            EXPECT_FALSE(a->ReadRecord(count + 1, one)) << who;
            EXPECT_TRUE(a->ReadRecords(2, count - 1, one)) << who;
            EXPECT_EQ(one, seen.mid(kLength, (count - 1) * kLength)) << who;
            QByteArray walked;
            EXPECT_TRUE(a->ForEachRecordBytes([&](const QByteArray& bytes, qint64) { walked += bytes; })) << who;
            EXPECT_EQ(walked, all) << who;
        }
        failed.CloseArchive();
        reader.CloseArchive();

        calls.heal();
        RecordArchive healed(path, temp, kLength);
        ASSERT_TRUE(healed.OpenArchive()) << c.name;
        EXPECT_FALSE(RecordArchive::OwesUndo(path)) << c.name;
        EXPECT_EQ(fileBytes(path), seen) << c.name << ": the file is now what the readers saw";
        EXPECT_EQ(healed.RecordCount(), count) << c.name;
        healed.CloseArchive();
        EXPECT_EQ(afterRestart(), seen.left(count * kLength)) << c.name;
    }
}

namespace {

// A journal of the older form: mark, offset, record length, record, and a
// check of all of it.
QByteArray olderJournal(qint64 offset, const QByteArray& record) {
    QByteArray j("QJN1");
    for (int i = 0; i < 8; ++i)
        j += char(quint64(offset) >> (8 * i));
    for (int i = 0; i < 4; ++i)
        j += char(quint32(record.size()) >> (8 * i));
    j += record;
    quint64 h = 14695981039346656037ULL;
    for (const char c : j)
        h = (h ^ quint8(c)) * 1099511628211ULL;
    for (int i = 0; i < 8; ++i)
        j += char(h >> (8 * i));
    return j;
}

} // namespace

// An older-form journal whose offset lies before the archive's start is not
// whole: it goes, the archive stays as it is, and saves work again.
TEST_F(ArchiveInterrupted, AJournalOfTheOlderFormWithANegativeOffsetGoes) {
    constexpr int kSlip = SlipRecord::Length;
    const QByteArray slips = QByteArray(kSlip, 'A') + QByteArray(kSlip, 'B');
    for (const qint64 offset : {qint64(-1), qint64(-kSlip), qint64(-2 * kSlip)}) {
        writeFile(path, slips);
        writeFile(journal, olderJournal(offset, QByteArray(kSlip, 'n')));
        RecordArchive::ForgetFailedSaves();
        RecordArchive archive(path, temp, kSlip);
        ASSERT_TRUE(archive.OpenArchive()) << offset;
        EXPECT_FALSE(QFile::exists(journal)) << offset;
        EXPECT_EQ(fileBytes(path), slips) << offset;
        EXPECT_TRUE(archive.WriteRecord(3, QByteArray(kSlip, 'C'))) << offset << ": a save works";
        archive.CloseArchive();
        RecordArchive next(path, temp, kSlip);
        ASSERT_TRUE(next.OpenArchive());
        EXPECT_TRUE(next.WriteRecord(1, QByteArray(kSlip, 'D'))) << offset << ": and at the next start";
        EXPECT_EQ(fileBytes(path), QByteArray(kSlip, 'D') + QByteArray(kSlip, 'B') + QByteArray(kSlip, 'C'))
            << offset;
        EXPECT_EQ(files(), QStringList{"2012.ccp"}) << offset;
    }
    // The same layout with a place inside the archive is completed.
    writeFile(path, slips);
    writeFile(journal, olderJournal(kSlip, QByteArray(kSlip, 'n')));
    RecordArchive archive(path, temp, kSlip);
    ASSERT_TRUE(archive.OpenArchive());
    EXPECT_EQ(fileBytes(path), QByteArray(kSlip, 'A') + QByteArray(kSlip, 'n'));
    EXPECT_EQ(files(), QStringList{"2012.ccp"});
}

// A file put whole in the archive's place (a backup restored) while a failed
// save of the file it replaced still owes its undo: the undo, and the turned
// journal, would fit the new file wherever it holds the save's record, and
// put old bytes into it. Once forgotten, the new file stays as it was copied.
TEST_F(ArchiveInterrupted, AReplacedFileTakesNoUndoOfTheFileItReplaced) {
    reset();
    {
        RecordArchive archive(path, temp, kLength);
        ASSERT_TRUE(archive.OpenArchive());
        calls.failEveryCallFrom(6); // the record's sync and every call after it
        EXPECT_FALSE(archive.WriteRecord(2, record('n')));
    }
    ASSERT_TRUE(RecordArchive::OwesUndo(path));
    calls.heal();
    const QByteArray restored = record('A') + record('n') + record('C') + record('D');
    const QString backup = dir.filePath("backup");
    writeFile(backup, restored);
    ASSERT_EQ(platform::fileCopier().copyFile(backup, path), platform::FileError::None);
    RecordArchive::ForgetSavesOf(path);

    EXPECT_FALSE(RecordArchive::OwesUndo(path));
    RecordArchive reopened(path, temp, kLength);
    ASSERT_TRUE(reopened.OpenArchive());
    QByteArray all;
    ASSERT_TRUE(reopened.ReadAll(all));
    EXPECT_EQ(all, restored);
    EXPECT_EQ(afterRestart(), restored);
    EXPECT_EQ(files(), (QStringList{"2012.ccp", "backup"}));
}
