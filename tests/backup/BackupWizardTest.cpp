#include "backup/BackupWindows.h"
#include "common/PrintedList.h"
#include "common/RecordArchive.h"
#include "services/frmHelpForm.h"
#include "slips/frmSelezione.h"
#include "support/TestPlatform.h"

#include "BackupTestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace backup_test;
using namespace platform;
using Stage = FakeFileCopier::Stage;

namespace {

// What the user reads in each variant, character for character.
struct Expected {
    BackupArchive archive;
    std::string first, backup, restore; // window classes
    QString live;                      // archive file
    int length;
    QString backupFile; // on 5 March 2027, year 2026
    QString startTitle, backupOption;
    QString backupTitle, backupOpening, overwrite;
    QString restoreTitle, restoreOpening, filter, extension, confirmation, success;
};

// A variant is named by its first step's window, in test names and messages.
void PrintTo(const Expected& variant, std::ostream* os) { *os << variant.first; }

QString registerOverwrite(const QString& word) {
    return QString::fromUtf8("ATTENZIONE: nella cartella di destinazione specificata è già presente una copia di "
                             "backup dell'archivio %1 effettuata in data odierna.")
        .arg(word);
}
const QString kRegisterConfirmation =
    "Attenzione: si sta per sovrascrivere il file di archivio attualmente in uso con la copia di backup selezionata.";

const Expected kVariants[] = {
    {BackupArchive::Year, "frmBakFatt00", "frmBakFatt01", "frmRipFatt01", "2026.ccp", 601,
     "Bollettini_anno_2026.bkb", "Gestione backup archivio bollettini",
     " Effettua il backup dell'archivio bollettini dell'anno 2026. ",
     "Creazione backup bollettini anno solare 2026", "L'archivio bollettini relativo all'anno solare 2026 misura ",
     QString::fromUtf8("ATTENZIONE: nella cartella di destinazione specificata è già presente una copia di backup "
                       "dell'archivio bollettini relativo all'anno solare 2026."),
     "Ripristino backup bollettini anno solare 2026",
     "L'archivio bollettini attualmente in uso relativo all'anno solare 2026 misura ",
     "Backup archivio bollettini (*.bkb)", ".bkb",
     "Attenzione: si sta per sovrascrivere il file di archivio attualmente in uso relativo ai bollettini dell'anno "
     "solare 2026 con la copia di backup selezionata.",
     QString::fromUtf8("l file di backup relativo ai bollettini dell'anno solare 2026 è stato ripristinato con "
                       "successo.")},
    {BackupArchive::Reasons, "frmBakClientiCS", "frmBakClientiCS01", "frmRipClientiCS01", "Causali.cdb", 1330,
     "Backup_causali_5_3_2027.bkc", "Gestione backup archivio causali",
     " Effettua il backup dell'archivio causali corrente. ",
     "Creazione backup archivio causali", "L'archivio causali misura ", registerOverwrite("causali"),
     "Ripristino backup archivio causali", "L'archivio causali attualmente in uso misura ",
     "Backup anagrafica (*.bkc)", ".bkc", kRegisterConfirmation, "File di backup ripristinato con successo."},
    {BackupArchive::Payees, "frmBakClientiIN", "frmBakClientiIN01", "frmRipClientiIN01", "Intestatari.idb", 853,
     "Backup_intestatari_5_3_2027.bki", "Gestione backup archivio intestatari",
     " Effettua il backup dell'archivio intestatari corrente. ", "Creazione backup archivio intestatari",
     "L'archivio intestatari misura ", registerOverwrite("intestatari"), "Ripristino backup archivio intestatari",
     "L'archivio intestatari attualmente in uso misura ", "Backup anagrafica (*.bki)", ".bki",
     kRegisterConfirmation, "File di backup ripristinato con successo."},
    {BackupArchive::Payers, "frmBakClientiES", "frmBakClientiES01", "frmRipClientiES01", "Esecutori.edb", 864,
     "Backup_esecutori_5_3_2027.bke", "Gestione backup archivio esecutori",
     " Effettua il backup dell'archivio esecutori corrente. ",
     "Creazione backup archivio esecutori", "L'archivio esecutori misura ", registerOverwrite("esecutori"),
     "Ripristino backup archivio esecutori", "L'archivio esecutori attualmente in uso misura ",
     "Backup anagrafica (*.bke)", ".bke", kRegisterConfirmation, "File di backup ripristinato con successo."},
};

const QString kBackupAdvice[] = {
    "Impossibile effettuare il backup.\r\n\r\nAccertarsi che il dischetto sia stato inserito nell'apposito drive.",
    "Impossibile effettuare il backup.\r\n\r\nAccertarsi che la cartella e il file di destinazione non siano protetti "
    "dalla scrittura.",
    "Impossibile effettuare il backup.\r\n\r\nAccertarsi che il percorso della cartella di destinazione sia valido.",
    "Impossibile effettuare il backup."};
const QString kRestoreAdvice[] = {
    "Impossibile effettuare il ripristino.\r\n\r\nAccertarsi che il dischetto sia stato inserito nell'apposito drive.",
    "Impossibile effettuare il ripristino.\r\n\r\nAccertarsi che la cartella del programma e il file di archivio "
    "attualmente in uso non siano protetti dalla scrittura.",
    "Impossibile effettuare il ripristino.\r\n\r\nAccertarsi che il percorso del file di archivio sia valido.",
    "Impossibile effettuare il ripristino."};

QByteArray records(int count, int length, char seed) {
    QByteArray b;
    for (int i = 0; i < count * length; ++i)
        b += char('A' + (i * 7 + seed) % 26);
    return b;
}
QColor textColour(const QWidget* w) { return w->palette().color(QPalette::WindowText); }

class BackupWizard : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override {
        SetPrintClock([] { return QDateTime(QDate(2027, 3, 5), QTime(10, 0)); });
        // The window beneath the wizard: the year chooser, or standing in for a register card.
        Forms::get<frmSelezione>().Show();
        Forms::get<frmSelezione>().txtAnno->setText("2026");
        ASSERT_TRUE(QDir(tp.dir.path()).mkpath(QString::fromUtf8("copie di sicurezza/è qui")));
        folder = tp.path(QString::fromUtf8("copie di sicurezza/è qui"));
    }
    void TearDown() override {
        SetPrintClock({});
        Variant(v().archive).afterRestore = savedAfterRestore; // the program's own hook
    }

    const Expected& v() const { return GetParam(); }
    std::function<void()> savedAfterRestore = Variant(GetParam().archive).afterRestore;
    QString live() const { return tp.path(v().live); }

    // Opens the wizard as its opener does; `script` runs in the first step.
    void openWizard(std::function<void(BackupStart&)> script) {
        tp.modal.expect(v().first, [script](QWidget& w) { script(static_cast<BackupStart&>(w)); });
        if (v().archive == BackupArchive::Year)
            Forms::get<frmSelezione>().cmdBackup->click();
        else
            Variant(v().archive).firstStep().ShowModal();
        TestPlatform::settle();
    }
    // Opens the wizard and goes on to the backup (or restore) step, whose script runs there.
    void openStep(bool restore, std::function<void(CopyStep&)> script) {
        openWizard([&](BackupStart& first) {
            tp.modal.expect(restore ? v().restore : v().backup,
                            [script](QWidget& w) { script(static_cast<CopyStep&>(w)); });
            (restore ? first.optRipDDT : first.optBakDDT)->click();
            first.cmdAvanti->click();
        });
    }
    static bool stillOpen(const CopyStep& step) { return step.isVisible() && !step.isUnloaded(); }

    TestPlatform tp;
    QString folder;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Variants, BackupWizard, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.first); });

TEST_P(BackupWizard, FirstStepOpensWithNothingChosenAndExitTouchesNothing) {
    openWizard([&](BackupStart& f) {
        EXPECT_EQ(f.windowTitle(), v().startTitle);
        EXPECT_EQ(f.optBakDDT->text(), v().backupOption);
        EXPECT_FALSE(f.optBakDDT->isChecked() || f.optRipDDT->isChecked());
        EXPECT_EQ(textColour(f.optBakDDT), vbColor(0x400000));
        EXPECT_EQ(textColour(f.optRipDDT), vbColor(0x400000));
        EXPECT_FALSE(f.cmdAvanti->isEnabled());
        EXPECT_TRUE(f.imgDex->isHidden());
        EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
        f.cmdEsci->click();
        EXPECT_TRUE(f.isUnloaded());
    });
    EXPECT_EQ(tp.modal.opened, std::vector<std::string>{v().first});
    EXPECT_FALSE(QFile::exists(live()));
}

TEST_P(BackupWizard, TheLastOptionChosenCountsAndBackComesBackAfresh) {
    openWizard([&](BackupStart& f) {
        f.optRipDDT->click();
        EXPECT_EQ(textColour(f.optRipDDT), vbColor(0x0000FF));
        EXPECT_TRUE(f.cmdAvanti->isEnabled());
        EXPECT_TRUE(f.imgDex->isVisibleTo(&f));
        f.optBakDDT->click();
        f.optBakDDT->click(); // again: nothing changes
        EXPECT_EQ(textColour(f.optBakDDT), vbColor(0x0000FF));
        EXPECT_EQ(textColour(f.optRipDDT), vbColor(0x400000));
        tp.modal.expect(v().backup, [&](QWidget& w) {
            auto& step = static_cast<CopyStep&>(w);
            EXPECT_EQ(step.windowTitle(), v().backupTitle);
            tp.modal.expect(v().first, [&](QWidget& w2) {
                auto& again = static_cast<BackupStart&>(w2);
                EXPECT_NE(&again, &f);
                EXPECT_FALSE(again.optBakDDT->isChecked() || again.cmdAvanti->isEnabled());
                EXPECT_EQ(again.optBakDDT->text(),
                          v().archive == BackupArchive::Year
                              ? QString("Effettua il backup dell'archivio bollettini relativo all'anno solare 2026.")
                              : v().backupOption);
                tp.modal.expect(v().restore, [&](QWidget& w3) {
                    EXPECT_EQ(w3.windowTitle(), v().restoreTitle);
                    static_cast<CopyStep&>(w3).cmdIndietro->click();
                });
                tp.modal.expect(v().first, [](QWidget& w4) { static_cast<BackupStart&>(w4).cmdEsci->click(); });
                again.optRipDDT->click();
                again.cmdAvanti->click();
            });
            step.cmdIndietro->click();
        });
        f.cmdAvanti->click();
    });
    EXPECT_EQ(tp.modal.opened,
              (std::vector<std::string>{v().first, v().backup, v().first, v().restore, v().first}));
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_P(BackupWizard, HelpShowsTheTopicAndKeepsTheChoice) {
    openWizard([&](BackupStart& f) {
        f.optRipDDT->click();
        tp.modal.expect("frmHelpForm", [](QWidget& w) {
            EXPECT_EQ(static_cast<frmHelpForm&>(w).lblTitolo->text(), "Copia di sicurezza dei dati");
        });
        f.imgGuida->click();
        EXPECT_TRUE(f.optRipDDT->isChecked() && f.cmdAvanti->isEnabled());
        f.cmdEsci->click();
    });
}

TEST_P(BackupWizard, BackupCopiesTheArchiveByteForByteAndAsksBeforeReplacing) {
    const QByteArray first = records(3, v().length, 1);
    writeFile(live(), first);
    const QString target = folder + "/" + v().backupFile;
    openStep(false, [&](CopyStep& s) {
        EXPECT_EQ(s.lblInfo01->text(),
                  v().backupOpening + QString("%1 byte e contiene 3 schede.").arg(3 * v().length) +
                      QString::fromUtf8("\r\n\r\nPer effettuare il backup è necessario selezionare la cartella dove si "
                                        "vuole salvare la copia di sicurezza del file, dopodiché fare clic sul "
                                        "pulsante Effettua backup."));
        EXPECT_EQ(s.lblCartella->text(), "Nessuna cartella selezionata");
        EXPECT_FALSE(s.cmdEffettua->isEnabled());
        tp.choosers.folderAnswers = {folder + "/"};
        s.cmdSelect->click();
        ASSERT_EQ(tp.choosers.folderRequests.size(), 1u);
        EXPECT_EQ(tp.choosers.folderRequests[0].title, "Seleziona una cartella per il backup :");
        EXPECT_TRUE(tp.choosers.folderRequests[0].startFolder.isEmpty());
        EXPECT_EQ(s.lblCartella->text(), folder + "/");
        EXPECT_TRUE(s.cmdEffettua->isEnabled() && s.imgMano01->isHidden() && !s.imgMano02->isHidden());
        s.cmdEffettua->click();
        EXPECT_FALSE(stillOpen(s));
    });
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().title, "Salvataggio terminato");
    EXPECT_EQ(tp.messages.last().text, "Creazione del file di backup effettuata con successo.");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{v().backupFile});
    EXPECT_EQ(bytesOf(target), first);
    EXPECT_GE(tp.program.busyCalls, 1);
    EXPECT_EQ(tp.program.busyDepth, 0);

    // Again, after the archive changed: No keeps the first copy, Yes replaces it.
    writeFile(live(), records(2, v().length, 9));
    tp.messages.shown.clear();
    tp.messages.answers = {MsgAnswer::No, MsgAnswer::Yes};
    openStep(false, [&](CopyStep& s) {
        tp.choosers.folderAnswers = {folder};
        s.cmdSelect->click();
        s.cmdEffettua->click();
        EXPECT_TRUE(stillOpen(s));
        EXPECT_EQ(bytesOf(target), first);
        s.cmdEffettua->click();
        EXPECT_FALSE(stillOpen(s));
    });
    ASSERT_EQ(tp.messages.shown.size(), 3u);
    EXPECT_EQ(tp.messages.shown[0].title, "File di backup esistente");
    EXPECT_EQ(tp.messages.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(tp.messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(tp.messages.shown[0].text, v().overwrite + "\r\n\r\nSi vuole sovrascrivere la copia esistente?");
    EXPECT_EQ(bytesOf(target), records(2, v().length, 9));
    EXPECT_FALSE(tp.program.ended());
}

TEST_P(BackupWizard, BackupOfAMissingArchiveCreatesItAndCopiesNothingElse) {
    openStep(false, [&](CopyStep& s) {
        EXPECT_TRUE(s.lblInfo01->text().startsWith(v().backupOpening + "0 byte e contiene 0 schede.\r\n\r\n"));
        EXPECT_EQ(bytesOf(live()), QByteArray());
        // A cancelled chooser drops an earlier choice.
        tp.choosers.folderAnswers = {folder, std::nullopt, folder};
        s.cmdSelect->click();
        s.cmdSelect->click();
        EXPECT_EQ(s.lblCartella->text(), "Nessuna cartella selezionata");
        EXPECT_FALSE(s.cmdEffettua->isEnabled());
        EXPECT_TRUE(!s.imgMano01->isHidden() && s.imgMano02->isHidden());
        s.cmdSelect->click();
        s.cmdEffettua->click();
    });
    EXPECT_TRUE(QFile::exists(folder + "/" + v().backupFile));
    EXPECT_EQ(bytesOf(folder + "/" + v().backupFile), QByteArray());
}

TEST_P(BackupWizard, EveryBackupFailureIsToldAndLeavesNothingBehind) {
    writeFile(live(), records(1, v().length, 4));
    const struct {
        int error;
        Stage stage;
        qint64 after;
        int advice;
    } cases[] = {{ENOMEDIUM, Stage::Create, 0, 0},
                 {EROFS, Stage::Create, 0, 1},
                 {EACCES, Stage::Rename, 0, 1},
                 {ENOENT, Stage::Rename, 0, 2},
                 {ENOSPC, Stage::Write, 100, 3},
                 {EIO, Stage::Sync, 0, 3}};
    openStep(false, [&](CopyStep& s) {
        tp.choosers.folderAnswers = {folder};
        s.cmdSelect->click();
        for (const auto& c : cases) {
            tp.copier.failWith(c.error, c.stage, c.after);
            tp.messages.shown.clear();
            s.cmdEffettua->click();
            ASSERT_EQ(tp.messages.shown.size(), 1u) << c.error;
            EXPECT_EQ(tp.messages.last().title, "Backup non riuscito");
            EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);
            EXPECT_EQ(tp.messages.last().text, kBackupAdvice[c.advice]) << c.error;
            EXPECT_TRUE(stillOpen(s));
            EXPECT_EQ(s.lblCartella->text(), folder);
            EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty()) << c.error;
            EXPECT_EQ(tp.program.busyDepth, 0);
        }
        tp.copier.heal();
        // The folder vanishes after it was chosen.
        ASSERT_TRUE(QDir(folder).removeRecursively());
        tp.messages.shown.clear();
        s.cmdEffettua->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().text, kBackupAdvice[2]);
        EXPECT_TRUE(stillOpen(s));
        s.cmdEsci->click();
    });
    EXPECT_EQ(bytesOf(live()), records(1, v().length, 4));
}

// The size and the count are those of the archive once it is settled: a
// save cut short is completed first, and a failed save whose undo the disk
// refuses is measured, and kept out of the backup, as the undo leaves it.
TEST_P(BackupWizard, TheArchiveIsMeasuredOnceSettledAndAFailedSaveNeverReachesTheBackup) {
    const int L = v().length;
    const QByteArray two = records(2, L, 3);
    const QByteArray third = records(1, L, 7);
    const auto measure = [&](qint64 count) {
        return QString("%1 byte e contiene %2 schede.\r\n\r\n").arg(count * L).arg(count);
    };
    // An append killed halfway through its record, found by the next start.
    writeFile(live(), two);
    {
        RecordArchive archive(live(), QString(), L);
        ASSERT_TRUE(archive.OpenArchive());
        tp.fileCalls.killAfter(24 + L + 8 + L / 2);
        EXPECT_FALSE(archive.WriteRecord(3, third));
    }
    tp.fileCalls.heal();
    RecordArchive::ForgetFailedSaves();
    ASSERT_EQ(bytesOf(live()).size(), 2 * L + L / 2);
    openStep(true, [&](CopyStep& s) {
        EXPECT_TRUE(s.lblInfo01->text().startsWith(v().restoreOpening + measure(3))) << s.lblInfo01->text().toStdString();
        s.cmdEsci->click();
    });
    EXPECT_EQ(bytesOf(live()), two + third);

    // An append whose sync fails, and every call after it: the undo too.
    {
        RecordArchive archive(live(), QString(), L);
        ASSERT_TRUE(archive.OpenArchive());
        tp.fileCalls.failEveryCallFrom(6);
        EXPECT_FALSE(archive.WriteRecord(4, records(1, L, 11)));
    }
    ASSERT_EQ(bytesOf(live()).size(), 4 * L) << "the record reached the archive";
    const QString target = folder + "/" + v().backupFile;
    openStep(false, [&](CopyStep& s) {
        EXPECT_TRUE(s.lblInfo01->text().startsWith(v().backupOpening + measure(3))) << s.lblInfo01->text().toStdString();
        tp.choosers.folderAnswers = {folder};
        s.cmdSelect->click();
        s.cmdEffettua->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().title, "Backup non riuscito");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(tp.messages.last().text, kBackupAdvice[3]);
        EXPECT_TRUE(stillOpen(s));
        EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
        // The disk takes writes again: the backup settles the archive first.
        tp.fileCalls.heal();
        s.cmdEffettua->click();
        EXPECT_FALSE(stillOpen(s));
    });
    EXPECT_EQ(tp.messages.last().text, "Creazione del file di backup effettuata con successo.");
    EXPECT_EQ(bytesOf(target), two + third);
    EXPECT_EQ(bytesOf(live()), two + third);
}

TEST_P(BackupWizard, RestorePutsTheBackupInPlaceAfterTheQuestion) {
    const QByteArray backup = records(3, v().length, 2);
    const QString backupPath = folder + "/" + v().backupFile;
    writeFile(backupPath, backup);
    writeFile(live(), records(2, v().length, 5));
    int restored = 0;
    const auto cardHook = Variant(v().archive).afterRestore;
    Variant(v().archive).afterRestore = [&] { ++restored; };
    tp.messages.answers = {MsgAnswer::No, MsgAnswer::Yes};
    openStep(true, [&](CopyStep& s) {
        EXPECT_EQ(s.lblInfo01->text(),
                  v().restoreOpening + QString("%1 byte e contiene 2 schede.").arg(2 * v().length) +
                      QString::fromUtf8("\r\n\r\nPer effettuare il ripristino di una copia di sicurezza "
                                        "precedentemente salvata è necessario selezionare il file di backup con "
                                        "estensione ") +
                      v().extension + QString::fromUtf8(", dopodiché fare clic sul pulsante Effettua ripristino."));
        EXPECT_EQ(s.lblCartella->text(), "Nessun file di backup selezionato");
        EXPECT_FALSE(s.cmdEffettua->isEnabled());
        tp.choosers.fileAnswers = {backupPath, std::nullopt, backupPath};
        s.cmdSelect->click();
        s.cmdSelect->click();
        EXPECT_EQ(s.lblCartella->text(), "Nessun file di backup selezionato");
        EXPECT_FALSE(s.cmdEffettua->isEnabled());
        s.cmdSelect->click();
        const FileRequest& asked = tp.choosers.fileRequests.at(0);
        EXPECT_EQ(asked.title, "Selezionare un file di backup e premere Apri");
        EXPECT_EQ(asked.filters, QStringList({v().filter, "Tutti i file (*.*)"}));
        EXPECT_EQ(asked.acceptLabel, "Apri");
        EXPECT_EQ(s.lblCartella->text(), backupPath);
        EXPECT_TRUE(s.cmdEffettua->isEnabled() && s.imgMano01->isHidden() && !s.imgMano02->isHidden());
        s.cmdEffettua->click(); // No
        EXPECT_TRUE(stillOpen(s));
        EXPECT_EQ(bytesOf(live()), records(2, v().length, 5));
        EXPECT_EQ(restored, 0);
        s.cmdEffettua->click(); // Yes
        EXPECT_FALSE(stillOpen(s));
    });
    Variant(v().archive).afterRestore = cardHook;
    EXPECT_EQ(bytesOf(live()), backup);
    EXPECT_EQ(restored, 1);
    ASSERT_EQ(tp.messages.shown.size(), 3u);
    EXPECT_EQ(tp.messages.shown[0].title, "Conferma ripristino");
    EXPECT_EQ(tp.messages.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(tp.messages.shown[0].text,
              v().confirmation + "\r\n\r\nSi vuole proprio sovrascrivere il file esistente?");
    EXPECT_EQ(tp.messages.last().title, "Ripristino terminato");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
    EXPECT_EQ(tp.messages.last().text, v().success);
}

// A restore over an archive whose failed save still owes its undo waits for
// that undo, as the backup does; once the disk takes it, the backup is put
// in place and stays as it was copied, through new objects and a new run.
TEST_P(BackupWizard, RestoreWaitsForAFailedSavesUndo) {
    const int L = v().length;
    const QByteArray three = records(3, L, 4);
    const QByteArray newSecond = records(1, L, 9);
    // The backup holds the very record the failed save wrote.
    QByteArray backup = three;
    backup.replace(L, L, newSecond);
    const QString backupPath = folder + "/" + v().backupFile;
    writeFile(backupPath, backup);
    writeFile(live(), three);
    {
        RecordArchive archive(live(), QString(), L);
        ASSERT_TRUE(archive.OpenArchive());
        tp.fileCalls.failEveryCallFrom(6); // the record's sync and every call after it, the undo too
        EXPECT_FALSE(archive.WriteRecord(2, newSecond));
    }
    ASSERT_TRUE(RecordArchive::OwesUndo(live()));
    int restored = 0;
    const auto cardHook = Variant(v().archive).afterRestore;
    Variant(v().archive).afterRestore = [&] { ++restored; };
    openStep(true, [&](CopyStep& s) {
        tp.choosers.fileAnswers = {backupPath};
        s.cmdSelect->click();
        s.cmdEffettua->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u) << "refused before the question";
        EXPECT_EQ(tp.messages.last().title, "Ripristino non riuscito");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(tp.messages.last().text, "Impossibile effettuare il ripristino.");
        EXPECT_TRUE(stillOpen(s));
        EXPECT_EQ(restored, 0);
        tp.fileCalls.heal();
        tp.messages.answers = {MsgAnswer::Yes};
        s.cmdEffettua->click();
        EXPECT_FALSE(stillOpen(s));
    });
    Variant(v().archive).afterRestore = cardHook;
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(tp.messages.last().text, v().success);
    EXPECT_FALSE(RecordArchive::OwesUndo(live()));
    RecordArchive::ForgetFailedSaves();
    RecordArchive reopened(live(), QString(), L);
    ASSERT_TRUE(reopened.OpenArchive());
    QByteArray all;
    ASSERT_TRUE(reopened.ReadAll(all));
    EXPECT_EQ(all, backup);
    EXPECT_EQ(bytesOf(live()), backup);
}

TEST_P(BackupWizard, RestoreRefusesABackupOfBrokenRecordsAndSurvivesBadChoices) {
    const QByteArray before = records(3, v().length, 6);
    writeFile(live(), before);
    const QString odd = folder + "/strano" + v().extension;
    writeFile(odd, QByteArray(1000, 'x'));
    int restored = 0;
    const auto cardHook = Variant(v().archive).afterRestore;
    Variant(v().archive).afterRestore = [&] { ++restored; };
    openStep(true, [&](CopyStep& s) {
        tp.choosers.fileAnswers = {odd, live()};
        s.cmdSelect->click();
        s.cmdEffettua->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().title, "Ripristino non riuscito");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(tp.messages.last().text, QString::fromUtf8("Impossibile effettuare il ripristino.\r\n\r\nIl file "
                                                             "selezionato non è una copia di backup di questo "
                                                             "archivio."));
        EXPECT_TRUE(stillOpen(s));
        EXPECT_EQ(s.lblCartella->text(), odd);
        EXPECT_EQ(bytesOf(live()), before);
        // The live archive chosen as its own backup stays intact.
        s.cmdSelect->click();
        tp.messages.answers = {MsgAnswer::Yes};
        s.cmdEffettua->click();
        EXPECT_FALSE(stillOpen(s));
    });
    Variant(v().archive).afterRestore = cardHook;
    EXPECT_EQ(bytesOf(live()), before);
    EXPECT_EQ(restored, 1);
}

TEST_P(BackupWizard, EveryRestoreFailureIsToldAndLeavesTheArchive) {
    const QByteArray before = records(2, v().length, 3);
    writeFile(live(), before);
    const QString backupPath = folder + "/" + v().backupFile;
    writeFile(backupPath, records(4, v().length, 8));
    int restored = 0;
    const auto cardHook = Variant(v().archive).afterRestore;
    Variant(v().archive).afterRestore = [&] { ++restored; };
    const struct {
        int error;
        Stage stage;
        int advice;
    } cases[] = {{ENOMEDIUM, Stage::Create, 0}, {EACCES, Stage::Create, 1}, {EROFS, Stage::Rename, 1},
                 {ENOENT, Stage::Rename, 2},    {ENOSPC, Stage::Write, 3},  {EIO, Stage::Sync, 3}};
    openStep(true, [&](CopyStep& s) {
        tp.choosers.fileAnswers = {backupPath};
        s.cmdSelect->click();
        for (const auto& c : cases) {
            tp.copier.failWith(c.error, c.stage, v().length + 1);
            tp.messages.shown.clear();
            tp.messages.answers = {MsgAnswer::Yes};
            s.cmdEffettua->click();
            ASSERT_EQ(tp.messages.shown.size(), 2u) << c.error;
            EXPECT_EQ(tp.messages.last().title, "Ripristino non riuscito");
            EXPECT_EQ(tp.messages.last().text, kRestoreAdvice[c.advice]) << c.error;
            EXPECT_TRUE(stillOpen(s));
            EXPECT_EQ(bytesOf(live()), before);
            EXPECT_EQ(QDir(tp.dir.path()).entryList({"*.ccp", "*.cdb", "*.idb", "*.edb", ".*"}, QDir::Files | QDir::Hidden),
                      QStringList{v().live});
        }
        tp.copier.heal();
        // The backup deleted before the restore: no advice, nothing changed.
        ASSERT_TRUE(QFile::remove(backupPath));
        tp.messages.shown.clear();
        tp.messages.answers = {MsgAnswer::Yes};
        s.cmdEffettua->click();
        EXPECT_EQ(tp.messages.last().text, kRestoreAdvice[3]);
        EXPECT_TRUE(stillOpen(s));
        EXPECT_EQ(bytesOf(live()), before);
        // A live archive gone since the window opened is replaced without a question.
        writeFile(backupPath, QByteArray());
        ASSERT_TRUE(QFile::remove(live()));
        tp.messages.shown.clear();
        s.cmdEffettua->click();
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().title, "Ripristino terminato");
    });
    Variant(v().archive).afterRestore = cardHook;
    EXPECT_EQ(restored, 1);
    EXPECT_TRUE(QFile::exists(live()));
    EXPECT_EQ(bytesOf(live()), QByteArray());
}

// ------------------------------------------------------------ the year variant alone

namespace {
class YearBackup : public ::testing::Test {
protected:
    TestPlatform tp;
};
} // namespace

TEST_F(YearBackup, TheYearIsReadAfreshAndAFractionalArchiveShowsItsFraction) {
    Forms::get<frmSelezione>().txtAnno->setText("2026");
    writeFile(tp.path("2027.ccp"), QByteArray(1000, ' '));
    tp.modal.expect("frmBakFatt00", [&](QWidget& w) {
        auto& f = static_cast<BackupStart&>(w);
        Forms::get<frmSelezione>().txtAnno->setText("2027 ");
        tp.modal.expect("frmRipFatt01", [](QWidget& s) {
            EXPECT_EQ(s.windowTitle(), "Ripristino backup bollettini anno solare 2027");
            EXPECT_TRUE(static_cast<CopyStep&>(s).lblInfo01->text().startsWith(
                "L'archivio bollettini attualmente in uso relativo all'anno solare 2027 misura 1000 byte e contiene "
                "1,66389351081531 schede.\r\n\r\n"));
        });
        f.optRipDDT->click();
        f.cmdAvanti->click();
    });
    Forms::get<frmSelezione>().cmdBackup->click();
    EXPECT_FALSE(QFile::exists(tp.path("2026.ccp")));
}

TEST_F(YearBackup, AFolderThatEndsInASeparatorGetsNoSecondOne) {
    EXPECT_EQ(JoinFolder("/media/chiave/", "Bollettini_anno_2012.bkb"), "/media/chiave/Bollettini_anno_2012.bkb");
    EXPECT_EQ(JoinFolder("/", "Bollettini_anno_2012.bkb"), "/Bollettini_anno_2012.bkb");
    EXPECT_EQ(JoinFolder("/media/dati", "x.bkc"), "/media/dati/x.bkc");
}
