#include "common/ProgramArchives.h"
#include "common/PayeeRecord.h"
#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "support/FaultyFileCalls.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

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
    // A save of record 2 killed once its journal was whole.
    {
        FaultyFileCalls calls;
        platform::setFileCalls(&calls);
        RecordArchive archive(tp.path("2026.ccp"), tp.path("2026.tmp"), SlipRecord::Length);
        ASSERT_TRUE(archive.OpenArchive());
        calls.killAfter(24 + 2 * SlipRecord::Length + 8);
        EXPECT_FALSE(archive.WriteRecord(2, slip("TRE").encode()));
        platform::setFileCalls(nullptr);
    }
    ASSERT_TRUE(QFile::exists(tp.path("2026.ccp.jnl")));
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
