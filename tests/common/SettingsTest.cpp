#include "common/Settings.h"

#include "platform/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override { platform::setProgramFolderForTesting(dir_.path()); }
    void TearDown() override { platform::setProgramFolderForTesting({}); }

    QTemporaryDir dir_;
};

} // namespace

TEST(ProgramFolder, EnvironmentThenHomeAndTestingOverride) {
    const QByteArray saved = qgetenv("QUILLORA_HOME");
    qputenv("QUILLORA_HOME", "/srv/quillora");
    EXPECT_EQ(platform::programFolder(), "/srv/quillora");
    qputenv("QUILLORA_HOME", "");
    EXPECT_EQ(platform::programFolder(), QDir::homePath() + "/.local/share/Quillora");
    platform::setProgramFolderForTesting("/t");
    EXPECT_EQ(platform::programFolder(), "/t");
    platform::setProgramFolderForTesting({});
    EXPECT_EQ(platform::programFolder(), QDir::homePath() + "/.local/share/Quillora");
    if (saved.isNull())
        qunsetenv("QUILLORA_HOME");
    else
        qputenv("QUILLORA_HOME", saved);
}

TEST_F(Settings, ProgramFilePathPutsExactlyOneSlashBeforeTheName) {
    platform::setProgramFolderForTesting("/opt/Quillora");
    EXPECT_EQ(ProgramFilePath("Bollettini.ini"), "/opt/Quillora/Bollettini.ini");
    platform::setProgramFolderForTesting("/opt/Quillora/");
    EXPECT_EQ(ProgramFilePath("2024.ccp"), "/opt/Quillora/2024.ccp");
    platform::setProgramFolderForTesting(" /Opt/Dir ");
    EXPECT_EQ(ProgramFilePath(" Guida.PDF"), " /Opt/Dir / Guida.PDF"); // nothing trimmed or folded
}

TEST_F(Settings, ReadAndWriteInTheProgramFolder) {
    EXPECT_EQ(ReadSetting("Bollettini.ini", "Margini", "Sinistro"), "");
    WriteSetting("Bollettini.ini", "Margini", "Sinistro", "12");
    EXPECT_TRUE(TryWriteSetting("Bollettini.ini", "Margini", "Superiore", ""));
    QFile file(dir_.filePath("Bollettini.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Margini]\r\nSinistro=12\r\nSuperiore=\r\n"));
    EXPECT_EQ(ReadSetting("Bollettini.ini", "margini", "SINISTRO"), "12");
    EXPECT_EQ(ReadSetting("Bollettini.ini", "Margini", "Superiore"), "");
    EXPECT_EQ(ReadSetting("unins000.dll", "Margini", "Sinistro"), "");
}

TEST_F(Settings, ReadsAtMost255Characters) {
    const QString exact = QString(" \"") + QString(251, u'x') + "' ";
    ASSERT_EQ(exact.size(), 255);
    WriteSetting("unins000.dll", "Uninstall", "Settings", exact);
    EXPECT_EQ(ReadSetting("unins000.dll", "Uninstall", "Settings"), exact);

    const QString longer = QString(255, u'a') + QString(45, u'b');
    WriteSetting("unins000.dll", "Uninstall", "Settings", longer);
    EXPECT_EQ(ReadSetting("unins000.dll", "Uninstall", "Settings"), longer.left(255));
}

TEST_F(Settings, TryWriteReportsAFolderThatIsNotThere) {
    platform::setProgramFolderForTesting(dir_.filePath("gone"));
    EXPECT_FALSE(TryWriteSetting("Bollettini.ini", "Margini", "Sinistro", "1"));
    WriteSetting("Bollettini.ini", "Margini", "Sinistro", "1"); // lost without notice
    EXPECT_EQ(ReadSetting("Bollettini.ini", "Margini", "Sinistro"), "");
}
