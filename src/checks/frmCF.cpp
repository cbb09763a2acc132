#include "checks/frmCF.h"

#include "checks/CheckHelp.h"
#include "checks/Identifiers.h"
#include "common/FixedRecord.h"
#include "platform/Messages.h"

using namespace platform;

namespace {

const CheckerDesign kDesign{
    "frmCF",
    QStringLiteral(" Controllo codice fiscale"),
    "lblInfo",
    QStringLiteral(" Inserire il numero di codice fiscale e premere il pulsante di controllo."),
    "txtCarta",
    QStringLiteral("Codice fiscale"),
    16,
    false,
    CheckerDesign::Keys::TaxCode,
    {},
    "cmdCheckCard",
    QString(),
    QStringLiteral("Controlla il codice fiscale"),
    QStringLiteral("Codice fiscale"),
    QStringLiteral("Impossibile copiare negli Appunti di Windows. Nessun numero di codice fiscale corrente."),
    QString::fromUtf8("Il numero di codice fiscale corrente è stato copiato negli Appunti di Windows con successo."),
    &TaxCodeTopic,
    true,
    "picCornice",
};

} // namespace

frmCF::frmCF()
    : IdentifierChecker(kDesign), lblInfo(instruction), txtCarta(valueBox), cmdCheckCard(checkButton),
      picCornice(frame) {}

void frmCF::cmdCheckCard_Click() {
    if (trimBlanks(txtCarta->text()).size() < 16) {
        MsgBox(QStringLiteral("Il codice fiscale deve essere costituito da 16 caratteri."), MsgIcon::Exclamation,
               MsgButtons::OK, QStringLiteral("Attenzione: parametro mancante"));
        focusBox();
        return;
    }
    CheckTaxCode(txtCarta->text());
}

void frmCF::CheckTaxCode(const QString& value) {
    // A code holding anything but letters and digits in its first 15 places
    // (a "*" left by the filter, an accented capital) is never right.
    const QString title = QStringLiteral("Risultato controllo codice fiscale");
    if (TaxCodeIsRight(value))
        MsgBox(QStringLiteral("Codice fiscale CORRETTO."), MsgIcon::Information, MsgButtons::OK, title);
    else
        MsgBox(QStringLiteral("Codice fiscale ERRATO!"), MsgIcon::Critical, MsgButtons::OK, title);
    focusBox();
}
