#include "common/Settings.h"
#include "shell/PasswordStoreFile.h"
#include "shell/frmCambiaPW.h"
#include "services/Manual.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "shell/frmPassword.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>

using platform::MsgIcon;

namespace {

class Login : public ::testing::Test {
protected:
    TestPlatform tp;
    void SetUp() override {
        // A fresh installation: the store holds "pianoforterosa".
        platform::setProgramFolderForTesting(tp.path("Quillora"));
        InstallProgramFolder();
    }
    frmPassword& login() {
        frmPassword& f = Forms::get<frmPassword>();
        f.Show();
        return f;
    }
    // The login finds no store: it says so, alone, and ends the program.
    void expectTheLoginToReportADamagedInstallation() {
        login();
        EXPECT_TRUE(tp.program.ended());
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().title, "Programma non installato correttamente");
        Forms::destroyAll();
        TestPlatform::settle();
    }
};

TEST_F(Login, FirstStartInstallsTheStoreWithTheInitialPassword) {
    QFile store(tp.path("Quillora/unins000.dll"));
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    // The bytes the Windows installer wrote for "PIANOFORTEROSA".
    EXPECT_EQ(store.readAll(), QByteArray("[Uninstall]\r\nSettings=,<^rS77b8L5)Gr\r\n"));
}

TEST_F(Login, AnInstalledFolderIsNeverReinstalledButAnEmptyOneIs) {
    QFile::remove(tp.path("Quillora/unins000.dll")); // Guida.pdf or archives may remain
    QFile other(tp.path("Quillora/2026.ccp"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    InstallProgramFolder();
    EXPECT_FALSE(QFile::exists(tp.path("Quillora/unins000.dll")));

    ASSERT_TRUE(QFile::remove(tp.path("Quillora/2026.ccp")));
    QFile::remove(tp.path("Quillora/Guida.pdf"));
    InstallProgramFolder(); // a folder made beforehand, still empty
    EXPECT_TRUE(QFile::exists(tp.path("Quillora/unins000.dll")));
}

// A first start killed while it writes the store leaves only the copier's
// temporary file; the next start clears it and installs. A folder that holds
// anything besides such leftovers is an installation, and without its store
// it is a damaged one.
TEST_F(Login, AFirstStartKilledWhileWritingTheStoreInstallsAtTheNextStart) {
    const QString fresh = tp.path("Nuova");
    platform::setProgramFolderForTesting(fresh);
    ASSERT_TRUE(QDir().mkpath(fresh));
    tp.copier.temps.clear();
    tp.copier.killAt(FakeFileCopier::Stage::Write, 12);
    EXPECT_FALSE(TryWriteSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey, "x"));
    tp.copier.heal();
    ASSERT_EQ(tp.copier.temps.size(), 1);
    const QString leftover = tp.copier.temps[0];
    const auto names = [&] {
        return QDir(fresh).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    };
    ASSERT_EQ(names(), QStringList{QFileInfo(leftover).fileName()}) << "what the kill left";

    InstallProgramFolder();
    EXPECT_FALSE(QFile::exists(leftover));
    QFile store(fresh + "/unins000.dll");
    ASSERT_TRUE(store.open(QIODevice::ReadOnly));
    EXPECT_EQ(store.readAll(), QByteArray("[Uninstall]\r\nSettings=,<^rS77b8L5)Gr\r\n"));
    store.close();
    EXPECT_TRUE(login().isVisible());
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_FALSE(tp.program.ended());
    Forms::destroyAll();
    TestPlatform::settle();

    // An archive beside the leftover: no installation is made over it.
    for (const QString& name : names())
        ASSERT_TRUE(QFile::remove(fresh + "/" + name));
    tp.copier.killAt(FakeFileCopier::Stage::Sync);
    EXPECT_FALSE(TryWriteSetting(PasswordFile::kFile, PasswordFile::kSection, PasswordFile::kKey, "x"));
    tp.copier.heal();
    QFile archive(fresh + "/2026.ccp");
    ASSERT_TRUE(archive.open(QIODevice::WriteOnly));
    archive.close();
    ASSERT_EQ(names().size(), 2);
    InstallProgramFolder();
    EXPECT_EQ(names(), QStringList({"2026.ccp", "Guida.pdf"})) << "a missing manual is still installed";
    login();
    EXPECT_TRUE(tp.program.ended());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().title, "Programma non installato correttamente");
    TestPlatform::settle();
}

// A folder the user can write and search but not list (traverse-only rights
// on a share, a chmod, an ACL) is never taken for a new one and gets nothing:
// a store there is never written again, nor a manual put beside it, and
// without one the login reports the damaged installation. As root a chmod stops no listing,
// so the listing (and the look at the store) fails through the file calls.
TEST_F(Login, AFolderThatCannotBeListedIsNeverTakenForANewOne) {
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto put = [](const QString& path, const QByteArray& content) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    };
    const auto names = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    };
    const QByteArray own = "[Uninstall]\r\nSettings=la mia password\r\n";
    const QByteArray manual = bytes(tp.path("Quillora/Guida.pdf"));
    ASSERT_FALSE(manual.isEmpty());
    struct Case {
        const char* what;
        bool store;
        QStringList others;
        bool storeUnseen; // the look at the store fails too
    };
    const Case cases[] = {
        {"the user's store and archive", true, {"2026.ccp"}, false},
        {"the user's store, not even seen", true, {"2026.ccp", "Guida.pdf"}, true},
        {"an archive without a store", false, {"2026.ccp"}, false},
        {"no entry at all", false, {}, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = tp.path("Condivisa" + QString::number(++n));
        ASSERT_TRUE(QDir().mkpath(folder));
        platform::setProgramFolderForTesting(folder);
        if (c.store)
            put(folder + "/unins000.dll", own);
        for (const QString& other : c.others)
            put(folder + "/" + other, other == "Guida.pdf" ? manual : QByteArray("archivio"));
        const QStringList before = names(folder);

        tp.messages.shown.clear();
        tp.program.endedFlag = false;
        tp.fileCalls.listingFails = EACCES;
        if (c.storeUnseen)
            tp.fileCalls.entryStatusFails = EACCES;
        InstallProgramFolder();
        tp.fileCalls.heal();

        EXPECT_EQ(names(folder), before);
        if (c.store) {
            EXPECT_EQ(bytes(folder + "/unins000.dll"), own);
        }
        for (const QString& other : c.others)
            EXPECT_EQ(bytes(folder + "/" + other), other == "Guida.pdf" ? manual : QByteArray("archivio"));
        if (!c.store)
            expectTheLoginToReportADamagedInstallation();
    }
    // Once it can be listed, the empty folder is installed.
    InstallProgramFolder();
    EXPECT_EQ(names(tp.path("Condivisa4")), QStringList({"Guida.pdf", "unins000.dll"}));
    EXPECT_EQ(bytes(tp.path("Condivisa4/unins000.dll")), QByteArray("[Uninstall]\r\nSettings=,<^rS77b8L5)Gr\r\n"));
}

// A first start cut after it wrote the store, before or while it copied the
// manual: the next start copies the manual, the same bytes as a whole first
// start; a manual that is there is never replaced.
TEST_F(Login, AStartInstallsAMissingManualAndKeepsOneThatIsThere) {
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray manual = bytes(tp.path("Quillora/Guida.pdf"));
    ASSERT_FALSE(manual.isEmpty()) << "a whole first start copies the manual";
    EXPECT_EQ(manual, bytes(Manual::BuiltManualPath()));
    const QByteArray store = bytes(tp.path("Quillora/unins000.dll"));
    const auto names = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    };

    for (const bool copyCutShort : {false, true}) {
        const QString folder = tp.path(copyCutShort ? "Troncata" : "SoloArchivio");
        platform::setProgramFolderForTesting(folder);
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(tp.path("Quillora/unins000.dll"), folder + "/unins000.dll"));
        if (copyCutShort) {
            tp.copier.killAt(FakeFileCopier::Stage::Write, manual.size() / 2);
            EXPECT_NE(platform::CopyFileAtomically(Manual::BuiltManualPath(), folder + "/Guida.pdf"),
                      platform::FileError::None);
            tp.copier.heal();
            ASSERT_EQ(names(folder).size(), 2) << "the store and the copy's leftover";
        }
        InstallProgramFolder();
        EXPECT_EQ(names(folder), QStringList({"Guida.pdf", "unins000.dll"})) << copyCutShort;
        EXPECT_EQ(bytes(folder + "/Guida.pdf"), manual) << copyCutShort;
        EXPECT_EQ(bytes(folder + "/unins000.dll"), store) << "the store is never written again";
    }

    // One that is there, whatever it holds, stays.
    QFile own(tp.path("SoloArchivio/Guida.pdf"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly | QIODevice::Truncate));
    own.write("%PDF-1.4 la mia guida\n");
    own.close();
    const auto copies = tp.copier.copies.size();
    InstallProgramFolder();
    EXPECT_EQ(bytes(tp.path("SoloArchivio/Guida.pdf")), "%PDF-1.4 la mia guida\n");
    EXPECT_EQ(tp.copier.copies.size(), copies);
    EXPECT_TRUE(login().isVisible());
    EXPECT_TRUE(tp.messages.shown.empty());
}

namespace {

// Makes the copier's failure hit the next replace only, and lets every
// copy after it through.
class StoreOnlyFailure final : public platform::IFileCopier {
public:
    explicit StoreOnlyFailure(FakeFileCopier& copier) : copier_(copier) {}
    platform::FileError copyFile(const QString& source, const QString& target) override {
        return copier_.copyFile(source, target);
    }
    platform::FileError replaceFile(const QString& target, const QByteArray& content) override {
        const platform::FileError result = copier_.replaceFile(target, content);
        copier_.heal();
        return result;
    }

private:
    FakeFileCopier& copier_;
};

} // namespace

// A first start whose store cannot be written says so at the login and puts
// nothing in the folder; the next start, on a healthy disk, installs as a
// first start does and the initial password opens the menu.
TEST_F(Login, AFirstStartWhoseStoreCannotBeWrittenInstallsAtTheNextStart) {
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto names = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    };
    using Stage = FakeFileCopier::Stage;
    const struct {
        int error;
        Stage stage;
        qint64 afterBytes;
    } failures[] = {{EIO, Stage::Write, 0}, {ENOSPC, Stage::Write, 12}, {EIO, Stage::Sync, 0},
                    {ENOSPC, Stage::Sync, 0}, {EIO, Stage::Rename, 0}, {ENOSPC, Stage::Rename, 0}};
    // The disk fails for the store only (the manual's copy would go
    // through), or for every copy from the store on.
    StoreOnlyFailure storeOnly{tp.copier};
    int round = 0;
    for (const auto& f : failures) {
        for (const bool onlyTheStore : {true, false}) {
            SCOPED_TRACE(testing::Message() << "failure " << round << (onlyTheStore ? ", the store only" : ""));
            const QString folder = tp.path(QString("Prima%1").arg(round++));
            platform::setProgramFolderForTesting(folder);
            tp.messages.shown.clear();
            tp.program.endedFlag = false;

            tp.copier.failWith(f.error, f.stage, f.afterBytes);
            if (onlyTheStore)
                platform::setFileCopier(&storeOnly);
            InstallProgramFolder();
            platform::setFileCopier(&tp.copier);
            login();
            EXPECT_TRUE(tp.program.ended());
            ASSERT_EQ(tp.messages.shown.size(), 1u);
            EXPECT_EQ(tp.messages.last().title, "Programma non installato correttamente");
            EXPECT_TRUE(QDir(folder).exists());
            EXPECT_EQ(names(folder), QStringList()) << "no store, no manual, no temporary file";
            Forms::destroyAll();
            TestPlatform::settle();

            // The next start, on a healthy disk, goes the way main() does.
            tp.copier.heal();
            tp.messages.shown.clear();
            tp.program.endedFlag = false;
            InstallProgramFolder();
            frmPassword& w = login();
            ASSERT_TRUE(w.isVisible());
            EXPECT_FALSE(tp.program.ended());
            QTest::keyClicks(w.txtPW, "pianoforterosa");
            QTest::keyClick(w.txtPW, Qt::Key_Return);
            EXPECT_TRUE(tp.messages.shown.empty());
            EXPECT_TRUE(Forms::isLoaded<frmMenu>());
            EXPECT_EQ(names(folder), QStringList({"Guida.pdf", "unins000.dll"}));
            EXPECT_EQ(bytes(folder + "/unins000.dll"), QByteArray("[Uninstall]\r\nSettings=,<^rS77b8L5)Gr\r\n"));
            EXPECT_EQ(bytes(folder + "/Guida.pdf"), bytes(Manual::BuiltManualPath()));
            Forms::destroyAll();
            TestPlatform::settle();
        }
    }
}

// What only an installation puts in its folder does not make it one: a folder
// holding just the manual gets the store, and the manual, whatever it holds,
// stays. Anything of the user's beside it, and no store, is a damaged
// installation, as ever.
TEST_F(Login, AFolderHoldingOnlyTheManualIsInstalledOneHoldingTheUsersFilesIsNot) {
    const auto write = [](const QString& path, const QByteArray& content) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    };
    const QString folder = tp.path("SoloGuida");
    platform::setProgramFolderForTesting(folder);
    ASSERT_TRUE(QDir().mkpath(folder));
    write(folder + "/Guida.pdf", "%PDF-1.4 la mia guida\n");
    InstallProgramFolder();
    QFile manual(folder + "/Guida.pdf");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_EQ(manual.readAll(), "%PDF-1.4 la mia guida\n");
    EXPECT_TRUE(login().isVisible());
    EXPECT_TRUE(tp.messages.shown.empty());
    Forms::destroyAll();
    TestPlatform::settle();

    // Beside the manual or alone: settings, an archive, a backup, a hidden
    // file, a folder, and a folder or a link bearing the manual's name.
    const char* const users[] = {"Bollettini.ini", "2026.ccp", "Bollettini_anno_2025.bkb", ".nota",
                                 "cartella/", "Guida.pdf/", "Guida.pdf@"};
    int round = 0;
    for (const char* user : users) {
        for (const bool withManual : {false, true}) {
            SCOPED_TRACE(testing::Message() << user << (withManual ? " with the manual" : ""));
            const QString other = tp.path(QString("Utente%1").arg(round++));
            platform::setProgramFolderForTesting(other);
            ASSERT_TRUE(QDir().mkpath(other));
            const QString name = QString::fromLatin1(user);
            if (name.endsWith('/')) {
                ASSERT_TRUE(QDir().mkpath(other + "/" + name));
            } else if (name.endsWith('@')) {
                write(tp.path("altrove.pdf"), "%PDF-1.4\n");
                ASSERT_TRUE(QFile::link(tp.path("altrove.pdf"), other + "/" + name.chopped(1)));
            } else {
                write(other + "/" + name, "mio");
            }
            if (withManual && !name.startsWith("Guida.pdf"))
                write(other + "/Guida.pdf", "%PDF-1.4\n");
            tp.messages.shown.clear();
            tp.program.endedFlag = false;
            InstallProgramFolder();
            EXPECT_FALSE(QFile::exists(other + "/unins000.dll"));
            expectTheLoginToReportADamagedInstallation();
        }
    }
}

TEST_F(Login, MissingOrBlankStoreEndsTheProgramWithTheCriticalMessage) {
    for (const char* content : {"", "[Uninstall]\r\nSettings=\"   \"\r\n"}) {
        QFile f(tp.path("Quillora/unins000.dll"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        tp.program.endedFlag = false;
        tp.messages.shown.clear();

        frmPassword& w = login();
        EXPECT_TRUE(tp.program.ended());
        EXPECT_FALSE(w.isVisible());
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().title, "Programma non installato correttamente");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
        EXPECT_TRUE(tp.messages.last().text.endsWith(QString::fromUtf8("\r\n\r\nIl programma verrà ora terminato.")));
        TestPlatform::settle();
    }
}

TEST_F(Login, OpensWithEmptyBoxEntraDisabledAndTheBoxDrivesTheButton) {
    frmPassword& w = login();
    EXPECT_EQ(w.windowTitle(), " Pianoforterosa");
    EXPECT_TRUE(w.txtPW->text().isEmpty());
    EXPECT_FALSE(w.cmdAccedi->isEnabled());
    w.txtPW->setText("   ");
    EXPECT_FALSE(w.cmdAccedi->isEnabled());
    w.txtPW->typeCode(13); // Enter on blanks does nothing
    EXPECT_TRUE(tp.messages.shown.empty());
    w.txtPW->setText(" x ");
    EXPECT_TRUE(w.cmdAccedi->isEnabled());
}

TEST_F(Login, RightPasswordInAnyCaseWithBlanksOpensTheMenu) {
    frmPassword& w = login();
    QTest::keyClicks(w.txtPW, "  PianoForteRosa ");
    QTest::keyClick(w.txtPW, Qt::Key_Return);
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_TRUE(w.isUnloaded());
}

TEST_F(Login, WrongPasswordIsRefusedAndTheBoxEmptied) {
    frmPassword& w = login();
    // Differs only in the first character: the store unscrambles alike, but
    // the result differs from what was typed.
    for (const char* typed : {"xianoforterosa", "pianoforterosb"}) {
        tp.messages.shown.clear();
        w.txtPW->setText(typed);
        w.cmdAccedi->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().text, "Password errata.");
        EXPECT_EQ(tp.messages.last().title, "Accesso negato");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
        EXPECT_TRUE(w.txtPW->text().isEmpty());
        EXPECT_FALSE(w.cmdAccedi->isEnabled());
        EXPECT_FALSE(Forms::isLoaded<frmMenu>());
    }
    w.cmdAccedi_Click(); // blank attempt
    EXPECT_EQ(tp.messages.last().text, QString::fromUtf8("Non è stata immessa nessuna password."));
}

TEST_F(Login, OnlyBlanksAreTrimmedFromThePassword) {
    frmPassword& w = login();
    const QChar noBreakSpace(0xA0);
    w.txtPW->setText(QString(noBreakSpace));
    EXPECT_TRUE(w.cmdAccedi->isEnabled()) << "a no-break space is not a blank";
    w.txtPW->setText(QStringLiteral("pianoforterosa") + noBreakSpace);
    w.cmdAccedi->click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, "Password errata.");
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
}

TEST_F(Login, HelpIconSwapsTenTimesThenStaysPurple) {
    frmPassword& w = login();
    int swaps = 0;
    bool yellow = false;
    for (int tick = 0; tick < 15; ++tick) {
        w.Timer1_Timer();
        const bool nowYellow = !w.picGuida2->isHidden();
        if (nowYellow != yellow)
            ++swaps;
        yellow = nowYellow;
    }
    EXPECT_EQ(swaps, 10);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_FALSE(w.picGuida->isHidden());
    EXPECT_TRUE(w.picGuida2->isHidden());
    EXPECT_EQ(w.lblConta->text(), "10");

    tp.modal.expect("frmHelpForm", [](QWidget& h) {
        auto& help = static_cast<frmHelpForm&>(h);
        EXPECT_EQ(help.lblTitolo->text(), "Gestione della password di accesso");
        EXPECT_EQ(help.txtTesto->text().count("\r\n\r\n"), 3);
    });
    w.picGuida2_MouseUp();
}

TEST_F(Login, LinkColoursFollowThePointerAndTheLinkOpensThePasswordChange) {
    frmPassword& w = login();
    w.lblCambia_MouseMove();
    EXPECT_EQ(w.lblCambia->foreColor(), 0xC0u);
    w.picContainer_MouseMove();
    EXPECT_EQ(w.lblCambia->foreColor(), 0x800000u);
    w.lblCambia_MouseUp();
    EXPECT_TRUE(w.isUnloaded());
    EXPECT_TRUE(Forms::isLoaded<frmCambiaPW>());
}

} // namespace
