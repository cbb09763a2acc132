#include "checks/frmCalcIva.h"

#include "checks/CheckHelp.h"
#include "checks/Identifiers.h"
#include "common/FixedRecord.h"
#include "platform/Messages.h"

using namespace platform;

namespace {

const CheckerDesign kDesign{
    "frmCalcIva",
    QStringLiteral(" Controllo partita IVA"),
    "lblInstruct",
    QStringLiteral("Inserire il numero di partita IVA e premere il pulsante di controllo."),
    "txtIva",
    QStringLiteral("Partita IVA"),
    11,
    true,
    CheckerDesign::Keys::Digits,
    {QStringLiteral("Digitare solo caratteri numerici."), QStringLiteral("Attenzione!"), MsgIcon::Exclamation},
    "cmdCalcolaIva",
    QStringLiteral(" Fare clic per effettuare il controllo "),
    QString(),
    QStringLiteral("Partita IVA"),
    QStringLiteral("Impossibile copiare negli Appunti di Windows. Nessun numero di partita IVA corrente."),
    QString::fromUtf8("Il numero di partita IVA corrente è stato copiato negli Appunti di Windows con successo."),
    &VatNumberTopic,
    false,
    nullptr,
};

const QString kMissing = QStringLiteral("Attenzione: parametro mancante");
const QString kResult = QStringLiteral("Risultato controllo partita IVA");

} // namespace

frmCalcIva::frmCalcIva()
    : IdentifierChecker(kDesign), lblInstruct(instruction), txtIva(valueBox), cmdCalcolaIva(checkButton) {}

void frmCalcIva::cmdCalcolaIva_Click() {
    const QStringView value = trimBlanks(txtIva->text());
    if (value.isEmpty()) {
        MsgBox(QString::fromUtf8("Non è stato specificato alcun valore."), MsgIcon::Exclamation, MsgButtons::OK,
               kMissing);
        focusBox();
        return;
    }
    if (value.size() < 11) {
        MsgBox(QStringLiteral("Il numero di partita IVA deve essere costituito da 11 cifre."), MsgIcon::Exclamation,
               MsgButtons::OK, kMissing);
        focusBox();
        return;
    }
    CheckVatNumber(txtIva->text());
}

void frmCalcIva::CheckVatNumber(const QString& value) {
    if (VatCheckDigit(value) != VatDigitAt(value, 11)) {
        MsgBox(QStringLiteral("Numero di partita IVA ERRATO!"), MsgIcon::Exclamation, MsgButtons::OK, kResult);
        focusBox();
        return;
    }
    txtIva->setText(trimBlanks(txtIva->text()).toString());
    const std::optional<QString> office = VatOfficeName(txtIva->text().mid(7, 3));
    if (!office)
        MsgBox(QStringLiteral("Numero di partita IVA SBAGLIATO !"), MsgIcon::Exclamation, MsgButtons::OK, kResult);
    else
        MsgBox(QString::fromUtf8("Il numero di partita IVA è ESATTO. E' stato rilasciato dall'Ufficio di ") + *office +
                   QLatin1Char('.'),
               MsgIcon::Information, MsgButtons::OK, kResult);
    focusBox();
}
