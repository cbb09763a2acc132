#include "registers/payees/frmIntestatari.h"

#include "common/FieldRules.h"
#include "common/PayeeRecord.h"
#include "registers/payees/AddressBookHelp.h"
#include "registers/payees/frmFindIntestatario.h"

#include <QFont>

namespace {
constexpr int kNamesHeight = 1800;
} // namespace

const RegisterCardTable& PayeeCardTable() {
    static const RegisterCardTable table{
        QStringLiteral(" Quillora - Archivio intestatari"),
        QStringLiteral("Intestatari.idb"),
        QStringLiteral("Intestatari.tmp"),
        PayeeWidths,
        {QStringLiteral("E' necessario compilare il primo campo relativo all'intestatario."),
         QStringLiteral("Le modifiche apportate all'intestatario n."), QStringLiteral("L'intestatario n."),
         QString::fromUtf8(" è stato inserito in archivio."),
         QStringLiteral("Si vuole proprio cancellare l'intestatario n.")},
        QStringLiteral("SCHEDA INTESTATARIO"),
        QStringLiteral("Scheda intestatario"),
        {{QStringLiteral("Intestatario:"), {0, 1}},
         {QStringLiteral("C/C n."), {2}},
         {QStringLiteral("Tel. casa:"), {3}},
         {QStringLiteral("Tel. ufficio:"), {4}},
         {QStringLiteral("Fax:"), {5}},
         {QStringLiteral("Cellulare:"), {6}},
         {QStringLiteral("E-mail:"), {7}},
         {QStringLiteral("Partita IVA:"), {8}},
         {QStringLiteral("Codice fiscale:"), {9}},
         {QStringLiteral("Carta di credito:"), {10}},
         {QStringLiteral("Note:"), {11}}},
        &AddressBookTopic,
    };
    return table;
}

frmIntestatari::frmIntestatari() : ContactCard(PayeeCardTable(), kNamesHeight) {
    setObjectName(QStringLiteral("frmIntestatari"));
    QFont big(QStringLiteral("Verdana"));
    big.setPointSizeF(9.75);

    fraIntestatario = new QGroupBox(QStringLiteral(" Intestatario: "), content());
    place(fraIntestatario, 120, 60, kWidth - 480, kNamesHeight - 120);
    txtIntestatario01 = new TextBox(fraIntestatario);
    txtIntestatario01->setAccessibleName(QStringLiteral("Intestatario, riga 1"));
    place(txtIntestatario01, 150, 300, 6600, 360);
    txtIntestatario02 = new TextBox(fraIntestatario);
    txtIntestatario02->setAccessibleName(QStringLiteral("Intestatario, riga 2"));
    place(txtIntestatario02, 150, 720, 6600, 360);
    lblInfo = new QLabel(QStringLiteral("C/C n."), fraIntestatario);
    place(lblInfo, 150, 1200, 900, 360);
    txtCC = new TextBox(fraIntestatario);
    txtCC->setAccessibleName(QStringLiteral("C/C n."));
    lblInfo->setBuddy(txtCC);
    place(txtCC, 1080, 1170, 2400, 360);

    txtIntestatario01->setMaxLength(34);
    txtIntestatario02->setMaxLength(34);
    txtCC->setMaxLength(12);
    finishBoxes({txtIntestatario01, txtIntestatario02, txtCC});
    for (TextBox* box : {txtIntestatario01, txtIntestatario02, txtCC})
        box->setFont(big);
    UpperCaseLetter(txtIntestatario01);
    UpperCaseLetter(txtIntestatario02);
    DigitsOnly(txtCC, DigitsNotice());

    centreOnScreen();
}

void frmIntestatari::showLookup() { Forms::get<frmFindIntestatario>().ShowModal(); }
