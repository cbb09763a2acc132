#include "registers/reasons/ReasonCard.h"

#include "backup/BackupWindows.h"
#include "common/HelpCatalogue.h"
#include "common/ReasonRecord.h"
#include "registers/reasons/ReasonExport.h"

using platform::MsgIcon;

const RegisterCardTable& ReasonCardTable() {
    static const QString kRefused = QStringLiteral("Salvataggio non applicabile");
    static const RegisterCardTable table{
        .twin =
            {
                .windowTitle = QStringLiteral(" Quillora  - Causali per versamenti ricorrenti"),
                .files = [](const QWidget&) { return ProgramFiles::Reasons; },
                .emptyNotice = QStringLiteral("L'archivio non contiene nessuna scheda."),
                .emptyNoticeNext = QStringLiteral("L'archivio non contiene alcuna scheda."),
                // A reason needs its first line, and euros and cents come together.
                .saveChecks = {{.blank = {QStringLiteral("txtDescrizione")},
                                .filled = {},
                                .text = QStringLiteral("E' necessario compilare il primo campo relativo alla "
                                                       "descrizione della causale."),
                                .title = kRefused,
                                .focus = QStringLiteral("txtDescrizione")},
                               {.blank = {QStringLiteral("txtRicevuta")},
                                .filled = {QStringLiteral("txtCategoria")},
                                .text = QStringLiteral("E' necessario indicare l'importo in euro della causale "
                                                       "oppure cancellare i centesimi."),
                                .title = kRefused,
                                .focus = QStringLiteral("txtRicevuta")},
                               {.blank = {QStringLiteral("txtCategoria")},
                                .filled = {QStringLiteral("txtRicevuta")},
                                .text = QStringLiteral("E' necessario indicare i centesimi di euro oppure "
                                                       "cancellare l'importo della causale."),
                                .title = kRefused,
                                .focus = QStringLiteral("txtCategoria")}},
                .rewritten =
                    QStringLiteral("Le modifiche apportate alla causale n.{n} sono state inserite in archivio."),
                .appended = QString::fromUtf8("La causale n.{n} è stata inserita in archivio."),
                .saveFailedIcon = MsgIcon::Critical,
                .deleteNew = QString::fromUtf8("La cancellazione può essere applicata soltanto ad una scheda già "
                                               "presente in archivio."),
                .confirmDelete = QStringLiteral("Si vuole proprio cancellare la causale n.{n}?"),
                .confirmTitle = QStringLiteral("Conferma eliminazione scheda"),
                .deleted = QString::fromUtf8("La scheda è stata rimossa dall'archivio."),
                .deleteFailed = QStringLiteral("Impossibile eliminare la scheda."),
                .newClears = {QStringLiteral("txtCategoria"), QStringLiteral("txtDescrizione"),
                              QStringLiteral("txtPagamento"), QStringLiteral("txtRicevuta"),
                              QStringLiteral("txtNote")},
                .firstBox = QStringLiteral("txtDescrizione"),
            },
        .wordTitle = QStringLiteral("SCHEDA CAUSALE"),
        .wordFileBase = QStringLiteral("Scheda causale"),
        .wordRows = {},
        .help = &HelpCatalogue::Reasons,
        // The amount cell is filled only when the reason has euros.
        .wordCard = [](const QWidget& card) { return ReasonWordCard(ReadBoxes<ReasonRecord>(card, ReasonBoxes)); },
        .backupWizard = []() -> Form& { return Forms::get<frmBakClientiCS>(); },
    };
    return table;
}

const CardTwin& ReasonCardTwin() { return ReasonCardTable().twin; }
