#include "registers/payers/frmEsecutori.h"

#include "backup/BackupWindows.h"
#include "common/FieldRules.h"
#include "common/HelpCatalogue.h"
#include "common/PayerRecord.h"
#include "common/ProgramFiles.h"
#include "registers/payers/frmFindEsecutore.h"

namespace {
constexpr int kNamesHeight = 2160;
constexpr int kBoxHeight = 330;
} // namespace

const RegisterCardTable& PayerCardTable() {
    static const RegisterCardTable table{
        .twin = AddressBookTwin(QStringLiteral(" Quillora - Archivio esecutori"), ProgramFiles::Payers,
                                QStringLiteral("esecutore"), BoxNames<PayerRecord>(PayerBoxes)),
        .wordTitle = QStringLiteral("SCHEDA ESECUTORE"),
        .wordFileBase = QStringLiteral("Scheda esecutore"),
        .wordRows = QList<WordRow>{{QStringLiteral("Esecutore:"),
                                    {QStringLiteral("txtMittente01"), QStringLiteral("txtMittente02")}},
                                   {QStringLiteral("Via/Piazza:"), {QStringLiteral("txtVia")}},
                                   {QStringLiteral("CAP:"), {QStringLiteral("txtCAP")}},
                                   {QString::fromUtf8("Località:"), {QStringLiteral("txtLuogo")}}} +
                    ContactWordRows(),
        .help = &HelpCatalogue::AddressBook,
        .backupWizard = []() -> Form& { return Forms::get<frmBakClientiES>(); },
    };
    return table;
}

frmEsecutori::frmEsecutori() : ContactCard(PayerCardTable(), kNamesHeight) {
    setObjectName(QStringLiteral("frmEsecutori"));

    fraIntestatario = new QGroupBox(QStringLiteral(" Esecutore: "), content());
    place(fraIntestatario, 120, 60, kWidth - 480, kNamesHeight - 120);
    const auto box = [this](const char* name, int width, const QString& accessible) {
        auto* b = new TextBox(fraIntestatario);
        b->setObjectName(QString::fromLatin1(name));
        b->setMaxLength(width);
        b->setAccessibleName(accessible);
        return b;
    };
    txtMittente01 = box("txtMittente01", 23, QStringLiteral("Esecutore, riga 1"));
    place(txtMittente01, 150, 300, 6600, kBoxHeight);
    txtMittente02 = box("txtMittente02", 23, QStringLiteral("Esecutore, riga 2"));
    place(txtMittente02, 150, 690, 6600, kBoxHeight);

    const QString captions[] = {QStringLiteral("Via - Piazza"), QStringLiteral("CAP"), QString::fromUtf8("Località")};
    for (std::size_t i = 0; i < lblInfo.size(); ++i)
        lblInfo[i] = new QLabel(captions[i], fraIntestatario);
    txtVia = box("txtVia", 23, captions[0]);
    txtCAP = box("txtCAP", 5, captions[1]);
    txtLuogo = box("txtLuogo", 17, captions[2]);
    place(lblInfo[0], 150, 1110, 1260, 270);
    place(txtVia, 1440, 1080, 5310, kBoxHeight);
    place(lblInfo[1], 150, 1530, 1260, 270);
    place(txtCAP, 1440, 1500, 900, kBoxHeight);
    place(lblInfo[2], 2580, 1530, 960, 270);
    place(txtLuogo, 3600, 1500, 3150, kBoxHeight);
    lblInfo[0]->setBuddy(txtVia);
    lblInfo[1]->setBuddy(txtCAP);
    lblInfo[2]->setBuddy(txtLuogo);

    finishBoxes({txtMittente01, txtMittente02, txtVia, txtCAP, txtLuogo});
    setCard(std::make_unique<RecordCard<PayerRecord>>(*this, lblPosizione, PayerBoxes, PayerCardTable().twin));
    for (TextBox* b : {txtMittente01, txtMittente02, txtVia, txtCAP, txtLuogo})
        UpperCaseLetter(b);

    centreOnScreen();
}

void frmEsecutori::showLookup() { Forms::get<frmFindEsecutore>().ShowModal(); }
