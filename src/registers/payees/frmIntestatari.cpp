#include "registers/payees/frmIntestatari.h"

#include "backup/BackupWindows.h"
#include "common/FieldRules.h"
#include "common/PayeeRecord.h"
#include "common/ProgramFiles.h"
#include "common/HelpCatalogue.h"
#include "registers/payees/frmFindIntestatario.h"

#include <QFont>

namespace {
constexpr int kNamesHeight = 1800;
} // namespace

const RegisterCardTable& PayeeCardTable() {
    static const RegisterCardTable table{
        .twin = AddressBookTwin(QStringLiteral(" Quillora - Archivio intestatari"), ProgramFiles::Payees,
                                QStringLiteral("intestatario"), BoxNames<PayeeRecord>(PayeeBoxes)),
        .wordTitle = QStringLiteral("SCHEDA INTESTATARIO"),
        .wordFileBase = QStringLiteral("Scheda intestatario"),
        .wordRows = QList<WordRow>{{QStringLiteral("Intestatario:"),
                                    {QStringLiteral("txtIntestatario01"), QStringLiteral("txtIntestatario02")}},
                                   {QStringLiteral("C/C n."), {QStringLiteral("txtCC")}}} +
                    ContactWordRows(),
        .help = &HelpCatalogue::AddressBook,
        .backupWizard = []() -> Form& { return Forms::get<frmBakClientiIN>(); },
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
    txtIntestatario01->setObjectName(QStringLiteral("txtIntestatario01"));
    txtIntestatario01->setAccessibleName(QStringLiteral("Intestatario, riga 1"));
    place(txtIntestatario01, 150, 300, 6600, 360);
    txtIntestatario02 = new TextBox(fraIntestatario);
    txtIntestatario02->setObjectName(QStringLiteral("txtIntestatario02"));
    txtIntestatario02->setAccessibleName(QStringLiteral("Intestatario, riga 2"));
    place(txtIntestatario02, 150, 720, 6600, 360);
    lblInfo = new QLabel(QStringLiteral("C/C n."), fraIntestatario);
    place(lblInfo, 150, 1200, 900, 360);
    txtCC = new TextBox(fraIntestatario);
    txtCC->setObjectName(QStringLiteral("txtCC"));
    txtCC->setAccessibleName(QStringLiteral("C/C n."));
    lblInfo->setBuddy(txtCC);
    place(txtCC, 1080, 1170, 2400, 360);

    txtIntestatario01->setMaxLength(34);
    txtIntestatario02->setMaxLength(34);
    txtCC->setMaxLength(12);
    finishBoxes({txtIntestatario01, txtIntestatario02, txtCC});
    setCard(std::make_unique<RecordCard<PayeeRecord>>(*this, lblPosizione, PayeeBoxes, PayeeCardTable().twin));
    for (TextBox* box : {txtIntestatario01, txtIntestatario02, txtCC})
        box->setFont(big);
    UpperCaseLetter(txtIntestatario01);
    UpperCaseLetter(txtIntestatario02);
    DigitsOnly(txtCC, DigitsNotice());

    centreOnScreen();
}

void frmIntestatari::showLookup() { Forms::get<frmFindIntestatario>().ShowModal(); }
