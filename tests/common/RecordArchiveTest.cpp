#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
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
