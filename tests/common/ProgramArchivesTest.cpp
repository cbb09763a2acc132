#include "common/ProgramArchives.h"
#include "common/PayeeRecord.h"
#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "support/FaultyFileCalls.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

SlipRecord slip(const QString& payee) {
    SlipRecord r;
    r.AccountNumber = QStringLiteral("1234");
    r.Payee1 = payee;
    return r;
}

} // namespace

TEST(ProgramArchives, TheStartSettlesWhatKillsLeftBesideEachArchiveAndCreatesNone) {
    TestPlatform tp;
    const QByteArray year = slip("UNO").encode() + slip("DUE").encode();
    writeFile(tp.path("2026.ccp"), year);
    // A save of record 2 killed halfway through the record.
    {
        FaultyFileCalls calls;
        platform::setFileCalls(&calls);
        RecordArchive archive(tp.path("2026.ccp"), tp.path("2026.tmp"), SlipRecord::Length);
        ASSERT_TRUE(archive.OpenArchive());
        calls.killAfter(24 + 2 * SlipRecord::Length + 8 + SlipRecord::Length / 2);
        EXPECT_FALSE(archive.WriteRecord(2, slip("TRE").encode()));
        platform::setFileCalls(nullptr);
    }
    ASSERT_TRUE(QFile::exists(tp.path("2026.ccp.jnl")));
    RecordArchive::ForgetFailedSaves(); // the next start knows only the disk
    // Deletes cut short, beside a year and a register.
    writeFile(tp.path("2026.tmp"), year.left(100));
    PayeeRecord payee;
    payee.Payee1 = QStringLiteral("ROSSI");
    writeFile(tp.path("Intestatari.idb"), payee.encode());
    writeFile(tp.path("Intestatari.tmp"), "x");
    // Files the start does not take for an archive's: a register's or a
    // year's temporary name without its archive, other names.
    const QStringList others{"Esecutori.tmp", "2025.tmp", "note.tmp", "abc.ccp", "abc.tmp", "2026.ccp.tmp"};
    for (const QString& name : others)
        writeFile(tp.path(name), "keep");

    SettleProgramArchives();

    EXPECT_EQ(SlipRecord::decode(fileBytes(tp.path("2026.ccp")).mid(SlipRecord::Length)).Payee1, "TRE");
    EXPECT_EQ(fileBytes(tp.path("2026.ccp")).size(), year.size());
    EXPECT_EQ(fileBytes(tp.path("Intestatari.idb")), payee.encode());
    QStringList left = QDir(tp.dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : others)
        EXPECT_TRUE(left.removeOne(name)) << name.toStdString();
    left.removeOne("locale.ini");
    EXPECT_EQ(left, QStringList({"2026.ccp", "Intestatari.idb"}));
}

namespace {

// The journal a save of record k leaves beside `archive` when the program is
// killed as it begins to write the record, with the mark the save gave it or
// turned to undo it; the archive stays as it was.
QByteArray journalOfAKilledSave(const QString& archive, qint64 k, const SlipRecord& record, bool turned) {
    // The bytes the record covers: a whole slip, a partial last one, none.
    const qint64 covered =
        std::clamp<qint64>(QFileInfo(archive).size() - (k - 1) * SlipRecord::Length, 0, SlipRecord::Length);
    FaultyFileCalls calls;
    platform::setFileCalls(&calls);
    {
        RecordArchive file(archive, archive + QStringLiteral(".tmp"), SlipRecord::Length);
        EXPECT_TRUE(file.OpenArchive());
        calls.killAfter(24 + SlipRecord::Length + covered + 8);
        EXPECT_FALSE(file.WriteRecord(k, record.encode()));
    }
    platform::setFileCalls(nullptr);
    RecordArchive::ForgetFailedSaves();
    QByteArray journal = fileBytes(archive + QStringLiteral(".jnl"));
    EXPECT_EQ(journal.size(), 24 + SlipRecord::Length + covered + 8) << "whole";
    QFile::remove(archive + QStringLiteral(".jnl"));
    if (turned)
        journal.replace(0, 4, "QJNU");
    return journal;
}

QByteArray slips(const QString& name, int count) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += slip(name + QString::number(n)).encode();
    return bytes;
}

} // namespace

// A journal copied in with a program folder from another computer, or left
// beside an archive put back by hand, is not that archive's: it goes, and
// the archive stays as it is, at the start and at any opening.
TEST(ProgramArchives, AJournalIsAppliedOnlyToTheArchiveItFits) {
    TestPlatform tp;
    const QString year = tp.path("2026.ccp");
    const QByteArray hundred = slips("ROSSI", 100);
    const auto plant = [&](const QString& name, const QByteArray& bytes) { writeFile(tp.path(name), bytes); };
    struct Planted {
        const char* what;
        QByteArray journal;
    };
    for (const bool turned : {false, true}) {
        std::vector<Planted> foreign;
        const SlipRecord saved = slip("NUOVO");
        plant("2025.ccp", slips("VERDI", 60));
        foreign.push_back({"another year's, of 60 slips", journalOfAKilledSave(tp.path("2025.ccp"), 61, saved, turned)});
        plant("2026.ccp", hundred.left(80 * SlipRecord::Length));
        foreign.push_back({"its own, from when it held 80", journalOfAKilledSave(year, 81, saved, turned)});
        plant("2024.ccp", {});
        foreign.push_back({"an empty archive's first", journalOfAKilledSave(tp.path("2024.ccp"), 1, saved, turned)});
        plant("2025.ccp", slips("VERDI", 100));
        foreign.push_back({"another year's, over slip 31", journalOfAKilledSave(tp.path("2025.ccp"), 31, saved, turned)});
        // The same archive at the same length, slip 31 since put back otherwise.
        plant("2026.ccp", hundred);
        QByteArray otherThirtyOne = hundred;
        otherThirtyOne.replace(30 * SlipRecord::Length, SlipRecord::Length, slip("BIANCHI").encode());
        plant("2026.ccp", otherThirtyOne);
        foreign.push_back({"its own, over another slip 31", journalOfAKilledSave(year, 31, saved, turned)});
        for (const Planted& planted : foreign) {
            for (const bool atStart : {true, false}) {
                const auto where = [&] {
                    return std::string(planted.what) + (turned ? " turned" : "") +
                           (atStart ? " at the start" : " at an opening");
                };
                plant("2026.ccp", hundred);
                plant("2026.ccp.jnl", planted.journal);
                if (atStart) {
                    SettleProgramArchives();
                } else {
                    RecordArchive archive(year, tp.path("2026.tmp"), SlipRecord::Length);
                    EXPECT_TRUE(archive.OpenArchive()) << where();
                    EXPECT_EQ(archive.RecordCount(), 100) << where();
                }
                EXPECT_EQ(fileBytes(year), hundred) << where();
                EXPECT_FALSE(QFile::exists(tp.path("2026.ccp.jnl"))) << where();
            }
        }
    }

    // Its own journal still settles a save cut short as it wrote slip 31:
    // completed as the save went, undone where it was turned.
    for (const bool turned : {false, true}) {
        plant("2026.ccp", hundred);
        const QByteArray own = journalOfAKilledSave(year, 31, slip("NUOVO"), turned);
        QByteArray torn = hundred;
        torn.replace(30 * SlipRecord::Length, 40, slip("NUOVO").encode().left(40)); // the payee half written
        plant("2026.ccp", torn);
        plant("2026.ccp.jnl", own);
        SettleProgramArchives();
        QByteArray expected = hundred;
        if (!turned)
            expected.replace(30 * SlipRecord::Length, SlipRecord::Length, slip("NUOVO").encode());
        EXPECT_EQ(fileBytes(year), expected) << turned;
        EXPECT_FALSE(QFile::exists(tp.path("2026.ccp.jnl")));
    }
}

// A power cut between an append's write and its sync can leave the
// archive's new length on disk without the record's bytes: the old slips,
// then zeros, and the journal whole beside them. The journal fits: the start
// completes the append, or undoes a turned one, zeros and all.
TEST(ProgramArchives, AnAppendCutByAPowerCutIsCompletedOrUndoneOverItsZeros) {
    TestPlatform tp;
    const QString year = tp.path("2026.ccp");
    const SlipRecord saved = slip("NUOVO");
    struct Shape {
        int slips;       // before the append
        QByteArray tail; // what the cut left where the new slip goes
    };
    // As found on disk: 7 slips and a whole slip of zeros, 6 slips and 490
    // zeros, 13 slips and 379; and a record's first bytes with zeros after
    // them, where only its first sector had reached the disk.
    const std::vector<Shape> shapes{{7, QByteArray(601, '\0')},
                                    {6, QByteArray(490, '\0')},
                                    {13, QByteArray(379, '\0')},
                                    {7, saved.encode().left(401) + QByteArray(200, '\0')}};
    for (const Shape& shape : shapes) {
        for (const bool turned : {false, true}) {
            const auto where = [&] {
                return std::to_string(shape.slips) + " slips + " + std::to_string(shape.tail.size()) +
                       (turned ? " turned" : "");
            };
            const QByteArray before = slips("ROSSI", shape.slips);
            writeFile(year, before);
            const QByteArray journal = journalOfAKilledSave(year, shape.slips + 1, saved, turned);
            ASSERT_EQ(fileBytes(year), before) << where();
            writeFile(year, before + shape.tail);
            writeFile(tp.path("2026.ccp.jnl"), journal);

            SettleProgramArchives();

            const QByteArray now = fileBytes(year);
            EXPECT_TRUE(now == (turned ? before : before + saved.encode())) << where() << ": " << now.size();
            EXPECT_FALSE(QFile::exists(tp.path("2026.ccp.jnl"))) << where();
            RecordArchive archive(year, tp.path("2026.tmp"), SlipRecord::Length);
            ASSERT_TRUE(archive.OpenArchive());
            EXPECT_EQ(archive.RecordCount(), shape.slips + (turned ? 0 : 1)) << where();
        }
    }
}

// Zeros count only where the journal's own archive had no bytes: a journal
// whose old bytes are not there, or whose archive was shorter than the zeros
// reach, is another archive's, and the archive stays as it is, zeros too.
TEST(ProgramArchives, ZerosDoNotMakeAnotherArchivesJournalFit) {
    TestPlatform tp;
    const QString year = tp.path("2026.ccp");
    const QByteArray seven = slips("ROSSI", 7);
    struct Foreign {
        const char* what;
        QByteArray before; // the archive the journal was written beside
        qint64 k;          // the slip its save wrote
        QByteArray now;    // the archive it is found beside
    };
    const QByteArray partial(100, 'x');
    const std::vector<Foreign> cases{
        // Another year's save over slip 5: its old slip 5 is not this one.
        {"over slip 5 of another year", slips("VERDI", 7), 5, seven + QByteArray(601, '\0')},
        // Appending over a partial last slip other than this archive's.
        {"over another partial tail", seven + partial, 8, seven + QByteArray(100, 'y') + QByteArray(501, '\0')},
        // An append to six slips: seven and zeros reach past its record.
        {"an append to six slips", slips("ROSSI", 6), 7, seven + QByteArray(490, '\0')},
        // Zeros, then bytes that are no record's.
        {"an append with other bytes", seven, 8, seven + QByteArray(300, '\0') + QByteArray(301, 'z')},
    };
    for (const Foreign& c : cases) {
        for (const bool turned : {false, true}) {
            writeFile(year, c.before);
            const QByteArray journal = journalOfAKilledSave(year, c.k, slip("NUOVO"), turned);
            writeFile(year, c.now);
            writeFile(tp.path("2026.ccp.jnl"), journal);
            SettleProgramArchives();
            EXPECT_TRUE(fileBytes(year) == c.now) << c.what << turned;
            EXPECT_FALSE(QFile::exists(tp.path("2026.ccp.jnl"))) << c.what << turned;
        }
    }
}

// A cut leaves whole disk sectors of zeros, never single zero bytes between
// written ones. A record that holds zeros of its own (the Windows version
// leaves the fields it never set so) beside a stale journal of nearly the
// same slip is another record: the journal goes and the record stays, as
// does a record's place whose sector is only partly zero.
TEST(ProgramArchives, OnlyWholeSectorsOfZerosCountAsNotYetWritten) {
    TestPlatform tp;
    const QString year = tp.path("2026.ccp");
    const SlipRecord saved = slip("NUOVO");
    const QByteArray seven = slips("ROSSI", 7);
    // The same slip as the Windows version writes it: blanks left as zeros.
    QByteArray windows = saved.encode();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i] == ' ')
            windows[i] = '\0';
    }
    ASSERT_NE(windows, saved.encode());
    // Slip 8 lies across two sectors, past 4207 and past 4608.
    const QByteArray bytes = saved.encode();
    const std::vector<std::pair<const char*, QByteArray>> eighths{
        {"a slip with zeros of its own", windows},
        {"a second sector partly zero", bytes.left(500) + QByteArray(101, '\0')},
        {"a first sector partly zero", bytes.left(200) + QByteArray(201, '\0') + bytes.mid(401)},
    };
    for (const auto& [what, eighth] : eighths) {
        for (const bool turned : {false, true}) {
            writeFile(year, seven);
            const QByteArray journal = journalOfAKilledSave(year, 8, saved, turned);
            writeFile(year, seven + eighth);
            writeFile(tp.path("2026.ccp.jnl"), journal);
            SettleProgramArchives();
            EXPECT_TRUE(fileBytes(year) == seven + eighth) << what << (turned ? " turned" : "");
            EXPECT_FALSE(QFile::exists(tp.path("2026.ccp.jnl"))) << what;
        }
    }
}
