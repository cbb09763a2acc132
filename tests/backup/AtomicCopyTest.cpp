#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "support/FakeFileCopier.h"

#include "BackupTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using namespace backup_test;
using platform::FileError;
using Stage = FakeFileCopier::Stage;

namespace {

// Some megabytes that are not one byte repeated, so a misplaced chunk shows.
QByteArray sample(int size, char seed) {
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 31 + seed) % 251);
    return b;
}

class AtomicCopy : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setFileCopier(&copier);
        ASSERT_TRUE(dir.isValid());
        writeFile(source, sourceBytes);
        writeFile(target, targetBytes);
    }
    void TearDown() override { platform::setFileCopier(nullptr); }
    // Every file of the folder, hidden ones included.
    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    FakeFileCopier copier;
    QTemporaryDir dir;
    QString source = dir.filePath("2026.ccp");
    QString target = dir.filePath("Bollettini_anno_2026.bkb");
    QByteArray sourceBytes = sample(3 * 1024 * 1024 + 601, 7);
    QByteArray targetBytes = sample(5000, 3);
};

} // namespace

TEST_F(AtomicCopy, CopiesAreByteIdenticalAndLeaveNothingElse) {
    EXPECT_EQ(platform::CopyFileAtomically(source, target), FileError::None);
    EXPECT_EQ(bytesOf(target), sourceBytes);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"2026.ccp", "Bollettini_anno_2026.bkb"}));

    // A new target, an empty source, folders with blanks, accents and a path
    // far beyond 255 characters.
    QString deep = dir.filePath(QString::fromUtf8("cartella con spazi àèì"));
    for (int i = 0; i < 6; ++i)
        deep += QLatin1Char('/') + QString(60, QChar(u'a' + i));
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_GT(deep.size(), 300);
    const QString far = deep + QString::fromUtf8("/copia è.bkb");
    EXPECT_EQ(platform::CopyFileAtomically(source, far), FileError::None);
    EXPECT_EQ(bytesOf(far), sourceBytes);
    writeFile(source, QByteArray());
    EXPECT_EQ(platform::CopyFileAtomically(source, far), FileError::None);
    EXPECT_TRUE(QFile::exists(far));
    EXPECT_EQ(bytesOf(far), QByteArray());
    EXPECT_EQ(filesIn(deep), QStringList({QString::fromUtf8("copia è.bkb")}));
}

TEST_F(AtomicCopy, AFileCopiedOverItselfStaysIntact) {
    EXPECT_EQ(platform::CopyFileAtomically(source, source), FileError::None);
    EXPECT_EQ(bytesOf(source), sourceBytes);
    EXPECT_EQ(platform::CopyFileAtomically(source, dir.path() + "/./2026.ccp"), FileError::None);
    EXPECT_EQ(bytesOf(source), sourceBytes);
}

TEST_F(AtomicCopy, ReplacedTargetKeepsItsPermissions) {
    ASSERT_TRUE(QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    EXPECT_EQ(platform::fileCopier().replaceFile(target, "nuovo"), FileError::None);
    EXPECT_EQ(bytesOf(target), "nuovo");
    EXPECT_EQ(QFile(target).permissions() & QFileDevice::Permissions(0x7077), // owner, group, others
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(copier.replaced, std::vector<QString>{target});
}

TEST_F(AtomicCopy, EveryFailureLeavesTheTargetAsItWasAndNoTemporaryFile) {
    struct Case {
        int error;
        Stage stage;
        qint64 afterBytes;
        FileError expected;
    };
    const Case cases[] = {
        {ENOSPC, Stage::Write, 2 * 1024 * 1024 + 17, FileError::Other}, // the disk fills mid-copy
        {EIO, Stage::Write, 0, FileError::Other},
        {EIO, Stage::Sync, 0, FileError::Other},
        {ENOMEDIUM, Stage::Create, 0, FileError::NoMedium},
        {ENXIO, Stage::Write, 100, FileError::NoMedium},
        {EROFS, Stage::Create, 0, FileError::PermissionDenied},
        {EACCES, Stage::Create, 0, FileError::PermissionDenied},
        {EPERM, Stage::Rename, 0, FileError::PermissionDenied},
        {ENOENT, Stage::Rename, 0, FileError::PathNotFound}, // the folder went while copying
        {ENOTDIR, Stage::Create, 0, FileError::PathNotFound},
    };
    for (const Case& c : cases) {
        copier.failWith(c.error, c.stage, c.afterBytes);
        copier.temps.clear();
        EXPECT_EQ(platform::CopyFileAtomically(source, target), c.expected) << c.error;
        EXPECT_EQ(platform::fileCopier().replaceFile(target, sourceBytes), c.expected) << c.error;
        EXPECT_EQ(bytesOf(target), targetBytes) << c.error;
        EXPECT_EQ(filesIn(dir.path()), QStringList({"2026.ccp", "Bollettini_anno_2026.bkb"})) << c.error;
        if (c.stage != Stage::Create) {
            EXPECT_EQ(copier.temps.size(), 2) << "the failure came after the temporary file was made";
        }
    }
    // A failure to a new target leaves no file at all.
    const QString fresh = dir.filePath("Backup_causali_5_3_2027.bkc");
    copier.failWith(ENOSPC, Stage::Write, 601);
    EXPECT_EQ(platform::CopyFileAtomically(source, fresh), FileError::Other);
    EXPECT_FALSE(QFile::exists(fresh));
    copier.heal();
    EXPECT_EQ(platform::CopyFileAtomically(source, fresh), FileError::None);
    EXPECT_EQ(bytesOf(fresh), sourceBytes);
}

TEST_F(AtomicCopy, MissingFoldersAndUnreadableSourcesAreToldApart) {
    EXPECT_EQ(platform::CopyFileAtomically(source, dir.filePath("sparita/x.bkb")), FileError::PathNotFound);
    // A file where the folder should be.
    EXPECT_EQ(platform::CopyFileAtomically(source, dir.filePath("2026.ccp/x.bkb")), FileError::PathNotFound);
    EXPECT_EQ(platform::fileCopier().replaceFile(dir.filePath("sparita/x.bkb"), "x"), FileError::PathNotFound);
    // The source side never gives the destination's advice.
    EXPECT_EQ(platform::CopyFileAtomically(dir.filePath("manca.bkb"), target), FileError::Other);
    EXPECT_EQ(platform::CopyFileAtomically(dir.path(), target), FileError::Other);
    EXPECT_EQ(platform::CopyFileAtomically(source, dir.path()), FileError::Other); // a folder as target
    EXPECT_EQ(bytesOf(target), targetBytes);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"2026.ccp", "Bollettini_anno_2026.bkb"}));
}

TEST_F(AtomicCopy, AWriteProtectedTargetIsNotReplacedSilently) {
    ASSERT_TRUE(QFile(dir.path()).setPermissions(QFileDevice::Permissions(0x7777)));
    ASSERT_TRUE(QFile(source).setPermissions(QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile(target).setPermissions(QFile::ReadOwner | QFile::ReadOther));
    EXPECT_TRUE(asOrdinaryUser([&] {
        return platform::AtomicFileCopier().copyFile(source, target) == FileError::PermissionDenied;
    }));
    EXPECT_EQ(bytesOf(target), targetBytes);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"2026.ccp", "Bollettini_anno_2026.bkb"}));
}

TEST_F(AtomicCopy, ARecordRemovalThatCannotBeCopiedLeavesTheArchive) {
    QByteArray records;
    for (char c : {'A', 'B', 'C'})
        records += QByteArray(SlipRecord::Length, c);
    writeFile(source, records);
    RecordArchive archive(source, dir.filePath("2026.tmp"), SlipRecord::Length);
    ASSERT_TRUE(archive.OpenArchive());

    copier.failWith(ENOSPC, Stage::Write, 700);
    EXPECT_FALSE(archive.RemoveRecord(2));
    EXPECT_EQ(bytesOf(source), records);
    EXPECT_EQ(archive.RecordCount(), 3);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"2026.ccp", "Bollettini_anno_2026.bkb"}));

    copier.heal();
    ASSERT_TRUE(archive.RemoveRecord(2));
    EXPECT_EQ(bytesOf(source), records.left(601) + records.mid(1202));
    ASSERT_EQ(copier.copies.size(), 2u);
    EXPECT_EQ(copier.copies.back(), std::make_pair(dir.filePath("2026.tmp"), source));
    EXPECT_EQ(filesIn(dir.path()), QStringList({"2026.ccp", "Bollettini_anno_2026.bkb"}));
}
