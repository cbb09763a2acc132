#include "slips/SlipCard.h"

#include <QLabel>

using platform::MsgIcon;

const CardTwin& SlipCardTwin() {
    static const CardTwin twin{
        .windowTitle = QStringLiteral(" Compilazione e stampa bollettini"),
        .files =
            [](const QWidget& form) {
                const auto* year = form.findChild<QLabel*>(QStringLiteral("lblFile"));
                return ProgramFiles::YearArchive(year ? year->text() : QString());
            },
        .emptyNotice = QStringLiteral("L'archivio non contiene nessun bollettino."),
        .emptyNoticeNext = QStringLiteral("L'archivio non contiene nessun bollettino."),
        // A slip needs one of these ten boxes; postal code, town and notes
        // alone are not a slip.
        .saveChecks = {{.blank = {QStringLiteral("txtCC"), QStringLiteral("txtCifre"), QStringLiteral("txtCentCifra"),
                                  QStringLiteral("txtIntestatario01"), QStringLiteral("txtIntestatario02"),
                                  QStringLiteral("txtCausale01"), QStringLiteral("txtCausale02"),
                                  QStringLiteral("txtMittente01"), QStringLiteral("txtMittente02"),
                                  QStringLiteral("txtVia")},
                        .filled = {},
                        .text = QStringLiteral("Si prega di compilare le caselle del bollettino prima di eseguire "
                                               "il salvataggio."),
                        .title = QStringLiteral("Attenzione: salvataggio non applicabile"),
                        .focus = QString()}},
        .rewritten = QStringLiteral("Le modifiche apportate al bollettino corrente sono state inserite in archivio."),
        .appended = QStringLiteral("I dati relativi al versamento sul C/C n. {txtCC} sono stati inseriti in archivio."),
        .saveFailedIcon = MsgIcon::None,
        .deleteNew = QString::fromUtf8("La cancellazione può essere applicata soltanto ad un bollettino già presente "
                                       "in archivio."),
        .confirmDelete = QStringLiteral("Si vuole proprio cancellare il bollettino n.{n}?"),
        .confirmTitle = QStringLiteral("Conferma eliminazione bollettino"),
        .deleted = QString::fromUtf8("Il bollettino è stata rimosso dall'archivio."),
        .deleteFailed = QStringLiteral("Impossibile eliminare il bollettino corrente."),
        // The new slip keeps the payer block.
        .newClears = {QStringLiteral("txtCC"), QStringLiteral("txtCifre"), QStringLiteral("txtCentCifra"),
                      QStringLiteral("txtIntestatario01"), QStringLiteral("txtIntestatario02"),
                      QStringLiteral("txtCausale01"), QStringLiteral("txtCausale02"), QStringLiteral("txtNote")},
        .firstBox = QStringLiteral("txtCC"),
    };
    return twin;
}
