#include "backup/BackupWindows.h"

#include "backup/WizardParts.h"
#include "common/Pictures.h"
#include "common/RecordArchive.h"
#include "platform/FileChoosers.h"
#include "platform/FileCopy.h"
#include "platform/Messages.h"
#include "platform/Program.h"

#include <QFileInfo>

using namespace platform;
using namespace WizardParts;

// ================================================================ the two copy steps

CopyStep::CopyStep(BackupArchive archive, const QString& title, const QString& selectCaption,
                   const QString& actCaption, const QPixmap& selectPicture, const QPixmap& actPicture,
                   const QString& nothingChosen)
    : Form(Kind::Dialog), archive_(archive), nothingChosen_(nothingChosen), actPicture_(actPicture) {
    dropCloseBox(this);
    setWindowTitle(title);
    setClientSizeTwips(7620, 5700);
    setBackColor(kStepGrey);

    picContainer = new Panel(this, Colors::White);
    place(picContainer, 120, 120, 7380, 1080);
    cmdLogo = new PictureButton(picContainer);
    cmdLogo->setPicture(Pictures::banner(variant().startTitle, vbColor(Colors::Navy), vbColor(Colors::White),
                                         tw(7140), tw(840), 14));
    cmdLogo->setAccessibleName(variant().startTitle);
    cmdLogo->setCursor(Qt::ArrowCursor);
    cmdLogo->setEnabled(false);
    place(cmdLogo, 120, 120, 7140, 840);

    lblInfo01 = wrappedLabel(this);
    place(lblInfo01, 240, 1320, 7140, 1560);

    Line1 = new QFrame(this);
    Line2 = new QFrame(this);
    for (QFrame* line : {Line1, Line2})
        line->setFrameShape(QFrame::HLine);
    place(Line1, 120, 2940, 7380, 30);
    place(Line2, 120, 4380, 7380, 30);
    Line3 = new QFrame(this);
    Line4 = new QFrame(this);
    for (QFrame* line : {Line3, Line4})
        line->setFrameShape(QFrame::VLine);
    place(Line3, 1830, 3060, 30, 1200);
    place(Line4, 5760, 3060, 30, 1200);

    cmdSelect = wizardButton(this, selectPicture, selectCaption);
    place(cmdSelect, 120, 3060, 1680, 1200);
    imgMano01 = handPicture(this);
    place(imgMano01, 1920, 3450, 600, 420);

    fraPath = new QFrame(this);
    fraPath->setFrameShape(QFrame::Box);
    fraPath->setAutoFillBackground(true);
    QPalette pal = fraPath->palette();
    pal.setColor(QPalette::Window, vbColor(Colors::White));
    fraPath->setPalette(pal);
    place(fraPath, 2580, 3120, 2460, 1080);
    lblCartella = new QLabel(fraPath);
    lblCartella->setWordWrap(true);
    lblCartella->setAlignment(Qt::AlignCenter);
    lblCartella->setAutoFillBackground(true);
    paintText(lblCartella, Colors::DarkRed);
    QPalette back = lblCartella->palette();
    back.setColor(QPalette::Window, vbColor(Colors::WindowBackground));
    lblCartella->setPalette(back);
    place(lblCartella, 60, 60, 2340, 960);

    imgMano02 = handPicture(this);
    place(imgMano02, 5100, 3450, 600, 420);
    cmdEffettua = wizardButton(this, actPicture, actCaption);
    place(cmdEffettua, 5820, 3060, 1680, 1200);

    cmdIndietro = wizardButton(this, arrow(tw(480), false), QStringLiteral("Indietro"));
    place(cmdIndietro, 120, 4500, 1380, 1080);
    cmdEsci = wizardButton(this, door(tw(600)), QStringLiteral("Esci"));
    place(cmdEsci, 6120, 4500, 1380, 1080);

    setTabOrder(cmdSelect, cmdEffettua);
    setTabOrder(cmdEffettua, cmdIndietro);
    setTabOrder(cmdIndietro, cmdEsci);
    centreOnScreen();
    wire();
}

void CopyStep::wire() {
    connect(cmdSelect, &PictureButton::clicked, this, [this] { cmdSelect_Click(); });
    connect(cmdEffettua, &PictureButton::clicked, this, [this] { cmdEffettua_Click(); });
    connect(cmdIndietro, &PictureButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(cmdEsci, &PictureButton::clicked, this, [this] { cmdEsci_Click(); });
}

void CopyStep::showChoice(const QString& chosen) {
    const bool none = chosen.trimmed().isEmpty();
    lblCartella->setText(none ? nothingChosen_ : chosen);
    lblCartella->setToolTip(none ? QString() : chosen);
    enableLooking(cmdEffettua, actPicture_, !none);
    imgMano01->setVisible(none);
    imgMano02->setVisible(!none);
}

bool CopyStep::copyOver(const QString& source, const QString& target, const QString& question,
                        const QString& questionTitle, const FailureTexts& texts) {
    bool present = false;
    FileError error = ProbeFile(target, present);
    if (error == FileError::None && present &&
        MsgBox(question, MsgIcon::Question, MsgButtons::YesNo, questionTitle) != MsgAnswer::Yes)
        return false;
    if (error == FileError::None) {
        BusyCursor busy;
        error = CopyFileAtomically(source, target);
    }
    if (error == FileError::None)
        return true;

    QString advice;
    switch (error) {
    case FileError::NoMedium: advice = texts.noMedium; break;
    case FileError::PermissionDenied: advice = texts.noPermission; break;
    case FileError::PathNotFound: advice = texts.noPath; break;
    default: break;
    }
    MsgBox(advice.isEmpty() ? texts.failed : texts.failed + kBlankLine + advice, MsgIcon::Exclamation,
           MsgButtons::OK, texts.title);
    return false;
}

void CopyStep::cmdIndietro_Click() {
    const BackupVariant& v = variant();
    Form& first = v.firstStep();
    if (v.yearly)
        static_cast<BackupStart&>(first).optBakDDT->setText(
            v.expand(QStringLiteral("Effettua il backup dell'archivio bollettini relativo all'anno solare <year>.")));
    Unload();
    first.ShowModal();
}

void CopyStep::cmdEsci_Click() { Unload(); }

// ================================================================ backup step

BackupStep::BackupStep(BackupArchive archive)
    : CopyStep(archive, Variant(archive).yearly ? QStringLiteral("Creazione backup archivio bollettini")
                                                : Variant(archive).backupTitle,
               QStringLiteral("Seleziona cartella"), QStringLiteral("Effettua backup"), folder(tw(600)),
               Pictures::diskette(tw(600)), QStringLiteral("Nessuna cartella selezionata")) {
    showChoice(QString());
}

void BackupStep::Form_Load() {
    lblInfo01->setText(ArchiveMeasure(variant(), variant().backupOpening) + kBlankLine +
                       QString::fromUtf8("Per effettuare il backup è necessario selezionare la cartella dove si "
                                         "vuole salvare la copia di sicurezza del file, dopodiché fare clic sul "
                                         "pulsante Effettua backup."));
}

QString BackupStep::BrowseFolder() {
    const auto chosen =
        fileChoosers().chooseFolder({QStringLiteral("Seleziona una cartella per il backup :"), QString()});
    return chosen.value_or(QString());
}

void BackupStep::cmdSelect_Click() { showChoice(BrowseFolder()); }

void BackupStep::cmdEffettua_Click() {
    const BackupVariant& v = variant();
    const FailureTexts texts{
        QStringLiteral("Backup non riuscito"), QStringLiteral("Impossibile effettuare il backup."),
        QStringLiteral("Accertarsi che il dischetto sia stato inserito nell'apposito drive."),
        QStringLiteral("Accertarsi che la cartella e il file di destinazione non siano protetti dalla scrittura."),
        QStringLiteral("Accertarsi che il percorso della cartella di destinazione sia valido.")};
    // While a failed save still owes the archive its old bytes, its file
    // holds a record the user was told was not saved: no backup carries it.
    if (!LiveArchiveSettled(v)) {
        MsgBox(texts.failed, MsgIcon::Exclamation, MsgButtons::OK, texts.title);
        return;
    }
    if (!copyOver(v.livePath(), JoinFolder(lblCartella->text(), v.expand(v.backupName)),
                  v.expand(v.overwriteQuestion) + kBlankLine +
                      QStringLiteral("Si vuole sovrascrivere la copia esistente?"),
                  QStringLiteral("File di backup esistente"), texts))
        return;
    MsgBox(QStringLiteral("Creazione del file di backup effettuata con successo."), MsgIcon::Information,
           MsgButtons::OK, QStringLiteral("Salvataggio terminato"));
    Unload();
}

// ================================================================ restore step

RestoreStep::RestoreStep(BackupArchive archive)
    : CopyStep(archive, Variant(archive).yearly ? QStringLiteral("Ripristino backup archivio bollettini")
                                                : Variant(archive).restoreTitle,
               QStringLiteral("Seleziona file ") + Variant(archive).extension,
               QStringLiteral("Effettua ripristino"), folder(tw(600)), backupSheet(tw(600)),
               QStringLiteral("Nessun file di backup selezionato")) {
    showChoice(QString());
}

void RestoreStep::Form_Load() {
    lblInfo01->setText(ArchiveMeasure(variant(), variant().restoreOpening) + kBlankLine +
                       QString::fromUtf8("Per effettuare il ripristino di una copia di sicurezza precedentemente "
                                         "salvata è necessario selezionare il file di backup con estensione ") +
                       variant().extension +
                       QString::fromUtf8(", dopodiché fare clic sul pulsante Effettua ripristino."));
}

void RestoreStep::cmdSelect_Click() {
    FileRequest request;
    request.title = QStringLiteral("Selezionare un file di backup e premere Apri");
    request.filters = QStringList{variant().restoreFilter, QStringLiteral("Tutti i file (*.*)")};
    request.acceptLabel = QStringLiteral("Apri");
    showChoice(fileChoosers().chooseFile(request).value_or(QString()));
}

void RestoreStep::cmdEffettua_Click() {
    const BackupVariant& v = variant();
    const QString backup = lblCartella->text();
    const FailureTexts texts{
        QStringLiteral("Ripristino non riuscito"), QStringLiteral("Impossibile effettuare il ripristino."),
        QStringLiteral("Accertarsi che il dischetto sia stato inserito nell'apposito drive."),
        QStringLiteral("Accertarsi che la cartella del programma e il file di archivio attualmente in uso non siano "
                       "protetti dalla scrittura."),
        QStringLiteral("Accertarsi che il percorso del file di archivio sia valido.")};

    // While a failed save still owes the archive its old bytes, that undo
    // could later be put over the restored file: no restore until it is
    // written. An archive that is not there owes nothing, and is not made.
    if (QFileInfo::exists(v.livePath()) && !LiveArchiveSettled(v)) {
        MsgBox(texts.failed, MsgIcon::Exclamation, MsgButtons::OK, texts.title);
        return;
    }
    // Only whole records of this archive may replace it.
    if (const qint64 length = FileLength(backup); length > 0 && length % v.recordLength != 0) {
        MsgBox(texts.failed + kBlankLine +
                   QString::fromUtf8("Il file selezionato non è una copia di backup di questo archivio."),
               MsgIcon::Exclamation, MsgButtons::OK, texts.title);
        return;
    }
    if (!copyOver(backup, v.livePath(),
                  v.expand(v.restoreConfirmation) + kBlankLine +
                      QStringLiteral("Si vuole proprio sovrascrivere il file esistente?"),
                  QStringLiteral("Conferma ripristino"), texts))
        return;
    RecordArchive::ForgetSavesOf(v.livePath());
    if (v.afterRestore)
        v.afterRestore();
    MsgBox(v.expand(v.restoreSuccess), MsgIcon::Information, MsgButtons::OK,
           QStringLiteral("Ripristino terminato"));
    Unload();
}
