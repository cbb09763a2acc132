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

TEST_F(LookupPick, AnArchiveThatCannotBeOpenedFails) {
    ASSERT_TRUE(QDir(tp.dir.path()).mkpath("2026.ccp"));
    RecordArchive archive(path, tp.path("2026.tmp"), SlipRecord::Length);
    PickedRecord<SlipRecord> found;
    EXPECT_EQ(ResolvePickedLine<SlipRecord>(archive, "X  [ 1 ]", payeeLine, found), PickOutcome::Failed);
}

} // namespace
