#include "common/LookupPick.h"
#include "common/SlipRecord.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

namespace {

QString payeeLine(const SlipRecord& s, qint64 n) { return s.Payee1 + QStringLiteral("  [ ") + QString::number(n) + " ]"; }

class LookupPick : public ::testing::Test {
protected:
    TestPlatform tp;
    QString path = tp.path("2026.ccp");
    void store(const QStringList& payees, int tail = 0) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const QString& p : payees) {
            SlipRecord r;
            r.Payee1 = p;
            f.write(r.encode());
        }
        f.write(QByteArray(tail, ' '));
    }
};

TEST_F(LookupPick, TheRebuiltLineFindsItsOwnRecordAmongEqualOnes) {
    store({"ROSSI", "BIANCHI", "ROSSI"}, 100);
    RecordArchive archive(path, tp.path("2026.tmp"), SlipRecord::Length);
    PickedRecord<SlipRecord> found;
    EXPECT_EQ(ResolvePickedLine<SlipRecord>(archive, "ROSSI  [ 3 ]", payeeLine, found), PickOutcome::Found);
    EXPECT_EQ(found.number, 3);
    EXPECT_EQ(found.record.Payee1, "ROSSI");
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_EQ(ResolvePickedLine<SlipRecord>(archive, "rossi  [ 1 ]", payeeLine, found), PickOutcome::NoMatch)
        << "the comparison is exact";
    EXPECT_EQ(ResolvePickedLine<SlipRecord>(archive, "  [ 4 ]", payeeLine, found), PickOutcome::NoMatch)
        << "a trailing partial record is never read";
}

TEST_F(LookupPick, TheLinesAreMatchedOnTheirOwnFieldsAndTheFoundRecordIsReadWhole) {
    store({"ROSSI", "BIANCHI", "VERDI", "BIANCHI"});
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        SlipRecord second;
        second.Payee1 = "BIANCHI";
        second.Payer1 = "NERI";
        ASSERT_TRUE(f.seek(SlipRecord::Length));
        f.write(second.encode());
    }
    RecordArchive archive(path, tp.path("2026.tmp"), SlipRecord::Length);
    static constexpr QString SlipRecord::* payee[] = {&SlipRecord::Payee1};
    int decoded = 0;
    const auto payeeOnly = [&](const QByteArray& bytes) {
        ++decoded;
        const SlipRecord r = SlipRecord::decode(bytes, payee);
        EXPECT_TRUE(r.Payer1.isEmpty());
        return r;
    };
    PickedRecord<SlipRecord> found;
    EXPECT_EQ(ResolvePickedLine<SlipRecord>(archive, "BIANCHI  [ 2 ]", payeeOnly, payeeLine, found),
              PickOutcome::Found);
    EXPECT_EQ(found.number, 2);
    EXPECT_EQ(found.record.Payee1, "BIANCHI");
    EXPECT_EQ(found.record.Payer1, "NERI") << "the found record is read whole";
    EXPECT_EQ(decoded, 2) << "the walk ends at the first match";
    EXPECT_FALSE(archive.IsOpen());
}

TEST_F(LookupPick, AnArchiveThatCannotBeOpenedFails) {
    ASSERT_TRUE(QDir(tp.dir.path()).mkpath("2026.ccp"));
    RecordArchive archive(path, tp.path("2026.tmp"), SlipRecord::Length);
    PickedRecord<SlipRecord> found;
    EXPECT_EQ(ResolvePickedLine<SlipRecord>(archive, "X  [ 1 ]", payeeLine, found), PickOutcome::Failed);
}

} // namespace
