#include "checks/frmCarta.h"

#include "checks/CheckHelp.h"
#include "checks/Identifiers.h"
#include "common/FixedRecord.h"
#include "platform/Messages.h"

using namespace platform;

namespace {

const CheckerDesign kDesign{
    "frmCarta",
    QStringLiteral(" Controllo carta di credito"),
    "lblInfo",
    QStringLiteral("Inserire il numero di carta di credito e premere il pulsante di controllo."),
    "txtCarta",
    QStringLiteral("Numero di carta di credito"),
    16,
    false,
    CheckerDesign::Keys::Digits,
    {QStringLiteral("Inserire il numero della carta di credito digitando solo caratteri numerici senza spazi o "
                    "trattini."),
     QStringLiteral("Attenzione!"), MsgIcon::Information},
    "cmdCheckCard",
    QString(),
    QStringLiteral("Controlla la carta di credito"),
    QStringLiteral("Carta di credito"),
    QStringLiteral("Impossibile copiare negli Appunti di Windows. Nessun numero di carta di credito corrente."),
    QString::fromUtf8(
        "Il numero di carta di credito corrente è stato copiato negli Appunti di Windows con successo."),
    &CardNumberTopic,
    true,
    "Picture1",
};

} // namespace

frmCarta::frmCarta()
    : IdentifierChecker(kDesign), lblInfo(instruction), txtCarta(valueBox), cmdCheckCard(checkButton),
      Picture1(frame) {}

void frmCarta::cmdCheckCard_Click() {
    const QString title = QStringLiteral("Risultato controllo carta di credito");
    const QString value = txtCarta->text();
    if (trimBlanks(value).isEmpty()) {
        MsgBox(QStringLiteral("Inserire un numero di carta di credito prima di premere il pulsante di convalida."),
               MsgIcon::Exclamation, MsgButtons::OK, QStringLiteral("Convalida non eseguibile"));
    } else if (!LuhnCheck(value)) {
        MsgBox(QStringLiteral("Numero di carta di credito NON valido."), MsgIcon::Exclamation, MsgButtons::OK, title);
    } else if (const QString type = CardType(value); type != QLatin1String(kUnknownCard)) {
        MsgBox(QString::fromUtf8("NUMERO VALIDO.\r\n\r\nLa carta di credito è del tipo ") + type + QLatin1Char('.'),
               MsgIcon::Information, MsgButtons::OK, title);
    } else {
        MsgBox(QStringLiteral("Tipo di carta di credito sconosciuto."), MsgIcon::Exclamation, MsgButtons::OK, title);
    }
    focusBox();
}
