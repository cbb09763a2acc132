#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "platform/IniFile.h"
#include "support/FakeFileCopier.h"

#include "BackupTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>


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

TEST_F(AtomicCopy, ABackupOrRestoreCutAtAnyByteLeavesTheTargetOldOrNew) {
    // Three slips' worth each way: the archive over its backup and back.
    const QByteArray archiveBytes = sample(SlipRecord::Length + 9, 5);
    const QByteArray backupBytes = sample(300, 9);
    const QStringList both{"2026.ccp", "Bollettini_anno_2026.bkb"};
    for (const auto& [from, to, fresh, stale] : {std::tuple{source, target, archiveBytes, backupBytes},
                                                 std::tuple{target, source, backupBytes, archiveBytes}}) {
        writeFile(from, fresh);
        for (qint64 cut = 0; cut < fresh.size(); ++cut) {
            writeFile(to, stale);
            // A full disk: the copy fails, cleans up, and the target stays.
            copier.failWith(ENOSPC, Stage::Write, cut);
            EXPECT_EQ(platform::CopyFileAtomically(from, to), FileError::Other) << cut;
            EXPECT_EQ(bytesOf(to), stale) << cut;
            EXPECT_EQ(filesIn(dir.path()), both) << cut;
            // A kill: the target stays, the temporary file too.
            copier.killAt(Stage::Write, cut);
            EXPECT_EQ(platform::CopyFileAtomically(from, to), FileError::Other) << cut;
            EXPECT_EQ(bytesOf(to), stale) << cut;
        }
        EXPECT_EQ(filesIn(dir.path()).size(), 3) << "each copy clears the leftover of the kill before";
        // A kill once the copy is whole and synced, before the rename.
        copier.killAt(Stage::Rename);
        EXPECT_EQ(platform::CopyFileAtomically(from, to), FileError::Other);
        EXPECT_EQ(bytesOf(to), stale);
        // The next copy to that target clears every leftover of its own.
        copier.heal();
        EXPECT_EQ(platform::CopyFileAtomically(from, to), FileError::None);
        EXPECT_EQ(bytesOf(to), fresh);
        EXPECT_EQ(filesIn(dir.path()), both);
    }
}

TEST_F(AtomicCopy, OnlyTheCopiersOwnLeftoversAreCleared) {
    // Made as a kill makes them: a restore of the archive and a backup cut short.
    copier.killAt(Stage::Write, 4096);
    EXPECT_EQ(platform::CopyFileAtomically(target, source), FileError::Other);
    EXPECT_EQ(platform::CopyFileAtomically(source, target), FileError::Other);
    copier.heal();
    ASSERT_EQ(copier.temps.size(), 2);
    const QString archiveLeftover = copier.temps[0];
    const QString backupLeftover = copier.temps[1];
    ASSERT_TRUE(QFile::exists(archiveLeftover) && QFile::exists(backupLeftover));
    // Names near the copier's that are not its own, and what is no file.
    const QStringList strangers{".2026.ccp.ABC.tmp", "2026.ccp.abc.tmp", ".2026.ccp.abc.tmp.old",
                                ".2026.ccp.12345678.tmp", "..tmp", "appunti.txt", ".2026.ccp.abc.tmp\n"};
    for (const QString& name : strangers)
        writeFile(dir.filePath(name), "mio");
    // The leftovers of copies to other targets ("2026", "2026.ccpx").
    for (const char* name : {".2026.ccp.tmp", ".2026.ccpx.abc.tmp"})
        writeFile(dir.filePath(name), "altro");
    ASSERT_TRUE(QDir(dir.path()).mkdir(".2026.ccp.zz.tmp"));
    ASSERT_TRUE(QFile::link(dir.filePath("appunti.txt"), dir.filePath(".2026.ccp.yy.tmp")));
    const QStringList kept = QStringList(strangers) << ".2026.ccp.yy.tmp";

    // A copy to the archive clears the archive's leftover only ...
    EXPECT_EQ(platform::CopyFileAtomically(target, source), FileError::None);
    EXPECT_FALSE(QFile::exists(archiveLeftover));
    EXPECT_TRUE(QFile::exists(backupLeftover));
    EXPECT_TRUE(QFile::exists(dir.filePath(".2026.ccp.tmp")));
    EXPECT_TRUE(QFile::exists(dir.filePath(".2026.ccpx.abc.tmp")));
    // ... the start clears every leftover of the program folder.
    platform::RemoveCopyLeftovers(dir.path());
    EXPECT_FALSE(QFile::exists(backupLeftover));
    QStringList expected = QStringList(kept) << "2026.ccp" << "Bollettini_anno_2026.bkb";
    expected.sort();
    EXPECT_EQ(filesIn(dir.path()), expected);
    for (const QString& name : strangers)
        EXPECT_EQ(bytesOf(dir.filePath(name)), "mio");
    EXPECT_TRUE(QFileInfo(dir.filePath(".2026.ccp.zz.tmp")).isDir());
}

TEST_F(AtomicCopy, AReplacedLinkStaysALinkToTheNewContent) {
    QTemporaryDir synced;
    const QString real = synced.filePath("2026.ccp");
    writeFile(real, targetBytes);
    const QString link = dir.filePath("anno.ccp");
    ASSERT_TRUE(QFile::link(real, link));
    // A restore over the link and a backup through a link to a link.
    EXPECT_EQ(platform::CopyFileAtomically(source, link), FileError::None);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(bytesOf(real), sourceBytes);
    const QString chain = dir.filePath("catena.bkb");
    ASSERT_TRUE(QFile::link("anno.ccp", chain)); // relative, in the link's folder
    EXPECT_EQ(platform::fileCopier().replaceFile(chain, "nuovo"), FileError::None);
    EXPECT_TRUE(QFileInfo(chain).isSymLink() && QFileInfo(link).isSymLink());
    EXPECT_EQ(bytesOf(real), "nuovo");
    // A link to a file not there yet makes the file where it points.
    const QString later = synced.filePath("Bollettini.ini");
    ASSERT_TRUE(QFile::link(later, dir.filePath("Bollettini.ini")));
    ASSERT_TRUE(platform::writeProfileString(dir.filePath("Bollettini.ini"), "Bollettini", "Anno", "2026"));
    ASSERT_TRUE(platform::writeProfileString(dir.filePath("Bollettini.ini"), "Bollettini", "Stampante", "HP"));
    EXPECT_TRUE(QFileInfo(dir.filePath("Bollettini.ini")).isSymLink());
    EXPECT_EQ(bytesOf(later), "[Bollettini]\r\nAnno=2026\r\nStampante=HP\r\n");
    // No temporary file anywhere.
    EXPECT_EQ(filesIn(synced.path()), QStringList({"2026.ccp", "Bollettini.ini"}));
    EXPECT_EQ(filesIn(dir.path()),
              QStringList({"2026.ccp", "Bollettini.ini", "Bollettini_anno_2026.bkb", "anno.ccp", "catena.bkb"}));
}
