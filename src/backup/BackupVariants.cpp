#include "backup/BackupVariants.h"

#include "backup/BackupWindows.h"
#include "common/PrintedList.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "platform/FileCopy.h"
#include "platform/UserLocale.h"
#include "services/ChosenYear.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

template <class F>
Form& window() {
    return Forms::get<F>();
}

// The three registers share every text but their name.
template <class First, class Backup, class Restore>
BackupVariant registerRow(BackupArchive archive, const QString& word, const QString& liveName, int recordLength,
                          const QString& extension) {
    BackupVariant v{};
    v.archive = archive;
    v.yearly = false;
    v.liveName = liveName;
    v.recordLength = recordLength;
    v.extension = extension;
    v.startTitle = QStringLiteral("Gestione backup archivio ") + word;
    v.welcome = QString::fromUtf8("Benvenuti nella procedura guidata che vi consentirà di effettuare una copia di "
                                  "sicurezza dell'archivio ") +
                word + QStringLiteral(" corrente o di ripristinare un file di backup creato in precedenza.");
    v.backupOption = QStringLiteral(" Effettua il backup dell'archivio ") + word + QStringLiteral(" corrente. ");
    v.restoreOption = QStringLiteral(" Ripristina un file di backup creato precedentemente. ");
    v.backupTitle = QStringLiteral("Creazione backup archivio ") + word;
    v.backupOpening = QStringLiteral("L'archivio ") + word + QStringLiteral(" misura ");
    v.backupName = QStringLiteral("Backup_") + word + QStringLiteral("_<date>") + extension;
    v.overwriteQuestion = QString::fromUtf8("ATTENZIONE: nella cartella di destinazione specificata è già presente "
                                            "una copia di backup dell'archivio ") +
                          word + QStringLiteral(" effettuata in data odierna.");
    v.restoreTitle = QStringLiteral("Ripristino backup archivio ") + word;
    v.restoreOpening = QStringLiteral("L'archivio ") + word + QStringLiteral(" attualmente in uso misura ");
    v.restoreFilter = QStringLiteral("Backup anagrafica (*") + extension + QStringLiteral(")");
    v.restoreConfirmation = QStringLiteral("Attenzione: si sta per sovrascrivere il file di archivio attualmente in "
                                           "uso con la copia di backup selezionata.");
    v.restoreSuccess = QStringLiteral("File di backup ripristinato con successo.");
    v.firstStep = &window<First>;
    v.backupStep = &window<Backup>;
    v.restoreStep = &window<Restore>;
    return v;
}

BackupVariant yearRow() {
    BackupVariant v{};
    v.archive = BackupArchive::Year;
    v.yearly = true;
    v.liveName = QStringLiteral("<year>.ccp");
    v.recordLength = 601;
    v.extension = QStringLiteral(".bkb");
    v.startTitle = QStringLiteral("Gestione backup archivio bollettini");
    v.welcome = QString::fromUtf8("Benvenuti nella procedura guidata che vi consentirà di effettuare una copia di "
                                  "sicurezza dei bollettini relativi all'anno <year> o di ripristinare un file di "
                                  "backup creato in precedenza.");
    v.backupOption = QStringLiteral(" Effettua il backup dell'archivio bollettini dell'anno <year>. ");
    v.restoreOption =
        QStringLiteral(" Ripristina il file di backup di un archivio bollettini creato precedentemente. ");
    v.backupTitle = QStringLiteral("Creazione backup bollettini anno solare <year>");
    v.backupOpening = QStringLiteral("L'archivio bollettini relativo all'anno solare <year> misura ");
    v.backupName = QStringLiteral("Bollettini_anno_<year>.bkb");
    v.overwriteQuestion = QString::fromUtf8("ATTENZIONE: nella cartella di destinazione specificata è già presente "
                                            "una copia di backup dell'archivio bollettini relativo all'anno solare "
                                            "<year>.");
    v.restoreTitle = QStringLiteral("Ripristino backup bollettini anno solare <year>");
    v.restoreOpening = QStringLiteral("L'archivio bollettini attualmente in uso relativo all'anno solare <year> misura ");
    v.restoreFilter = QStringLiteral("Backup archivio bollettini (*.bkb)");
    v.restoreConfirmation = QStringLiteral("Attenzione: si sta per sovrascrivere il file di archivio attualmente in "
                                           "uso relativo ai bollettini dell'anno solare <year> con la copia di "
                                           "backup selezionata.");
    v.restoreSuccess =
        QString::fromUtf8("l file di backup relativo ai bollettini dell'anno solare <year> è stato ripristinato con "
                          "successo.");
    v.firstStep = &window<frmBakFatt00>;
    v.backupStep = &window<frmBakFatt01>;
    v.restoreStep = &window<frmRipFatt01>;
    return v;
}

} // namespace

BackupVariant& Variant(BackupArchive archive) {
    static BackupVariant rows[] = {
        yearRow(),
        registerRow<frmBakClientiCS, frmBakClientiCS01, frmRipClientiCS01>(
            BackupArchive::Reasons, QStringLiteral("causali"), QStringLiteral("Causali.cdb"), 1330,
            QStringLiteral(".bkc")),
        registerRow<frmBakClientiIN, frmBakClientiIN01, frmRipClientiIN01>(
            BackupArchive::Payees, QStringLiteral("intestatari"), QStringLiteral("Intestatari.idb"), 853,
            QStringLiteral(".bki")),
        registerRow<frmBakClientiES, frmBakClientiES01, frmRipClientiES01>(
            BackupArchive::Payers, QStringLiteral("esecutori"), QStringLiteral("Esecutori.edb"), 864,
            QStringLiteral(".bke")),
    };
    return rows[int(archive)];
}

QString BackupVariant::expand(const QString& text) const {
    QString out = text;
    if (out.contains(QLatin1String("<year>")))
        out.replace(QLatin1String("<year>"), ChosenYear::get());
    if (out.contains(QLatin1String("<date>"))) {
        const QDate today = PrintClockNow().date();
        out.replace(QLatin1String("<date>"), QStringLiteral("%1_%2_%3").arg(today.day()).arg(today.month()).arg(
                                                 today.year(), 4, 10, QLatin1Char('0')));
    }
    return out;
}

QString BackupVariant::livePath() const { return ProgramFilePath(expand(liveName)); }

QString JoinFolder(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString ArchiveMeasure(const BackupVariant& variant, const QString& opening) {
    const QString path = variant.livePath();
    // Opened as an archive, which creates and settles it, it is measured as
    // its readers see it; one that cannot be opened has its file's size and
    // no count.
    qint64 size = 0;
    QString count;
    RecordArchive archive(path, QString(), variant.recordLength);
    if (archive.OpenArchive()) {
        size = archive.Size();
        count = platform::formatGeneral(double(size) / variant.recordLength);
    } else {
        size = std::max<qint64>(0, platform::FileLength(path));
    }
    return variant.expand(opening) + QString::number(size) + QStringLiteral(" byte e contiene ") + count +
           QStringLiteral(" schede.");
}

bool LiveArchiveSettled(const BackupVariant& variant) {
    const QString path = variant.livePath();
    {
        RecordArchive archive(path, QString(), variant.recordLength);
        archive.OpenArchive();
    }
    return !RecordArchive::OwesUndo(path);
}

void ClearRegisterForm(Form& card) {
    // No archive stays open between user actions, so there is none to close.
    if (auto* position = card.findChild<QLabel*>(QStringLiteral("lblPosizione")))
        position->setText(QString());
    for (QLineEdit* box : card.findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(box->parent()))
            continue; // a combo box's own line: the second pass
        box->setText(QString());
    }
    for (QPlainTextEdit* box : card.findChildren<QPlainTextEdit*>()) {
        if (auto* area = qobject_cast<TextArea*>(box))
            area->setText(QString());
        else
            box->setPlainText(QString());
    }
    for (QComboBox* combo : card.findChildren<QComboBox*>()) {
        if (combo->isEditable())
            combo->setEditText(QString());
        else
            combo->setCurrentIndex(-1);
    }
}
