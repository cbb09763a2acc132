// The payer card's own boxes through its window: the road from the register
// chooser, the name and address frame with its capitals, the payer on
// disk, its Word rows, and the slip form's export into a new card. What every
// register card or both address-book cards do is in RegisterCardWindowTest.
#include "common/PayerRecord.h"
#include "registers/payers/frmEsecutori.h"
#include "shell/frmMenuAnagrafica.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"

#include <QFileInfo>

namespace {

PayerRecord payer(const QString& name, const QString& town = QString()) {
    PayerRecord r;
    r.Payer1 = name;
    r.Town = town;
    return r;
}

class PayerCard : public RegisterFixture<PayerRecord> {
protected:
    PayerCard() : RegisterFixture(QStringLiteral("Esecutori.edb")) {}

    frmEsecutori& card() { return Forms::get<frmEsecutori>(); }
};

// ------------------------------------------------------------ the road through the window

TEST_F(PayerCard, TheChooserOpensANewCardAndLastOnAnEmptyRegisterLeavesAnEmptyFile) {
    tp.modal.expect("frmMenuAnagrafica", [](QWidget& w) {
        auto& chooser = static_cast<frmMenuAnagrafica&>(w);
        chooser.optEsecutori->click();
        chooser.cmdApri->click();
    });
    tp.modal.expect("frmEsecutori", [this](QWidget& w) {
        auto& c = static_cast<frmEsecutori&>(w);
        EXPECT_FALSE(Forms::isLoaded<frmMenuAnagrafica>()) << "the chooser goes first";
        EXPECT_EQ(c.lblPosizione->text(), QString());
        c.cmdUltimo->click();
        EXPECT_EQ(last().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        c.cmdTools->click();
    });
    Forms::get<frmMenuAnagrafica>().ShowModal();
    EXPECT_TRUE(QFile::exists(archive()));
    EXPECT_EQ(QFileInfo(archive()).size(), 0);
    EXPECT_FALSE(Forms::isLoaded<frmEsecutori>()) << "the card released itself";
}

TEST_F(PayerCard, TheFrameTakesCapitalsAndTheTypedPayerIsSavedAtItsOffsets) {
    frmEsecutori& c = card();
    typeText(c.txtMittente01, QStringLiteral("rossi mario"));
    typeText(c.txtVia, QStringLiteral("via roma 1"));
    typeText(c.txtCAP, QStringLiteral("00100"));
    typeText(c.txtLuogo, QStringLiteral("roma"));
    EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(c.txtVia->text(), QStringLiteral("VIA ROMA 1"));
    EXPECT_EQ(c.txtLuogo->text(), QStringLiteral("ROMA"));
    c.cmdSalva->click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    QByteArray expected(864, ' ');
    expected.replace(0, 11, "ROSSI MARIO");
    expected.replace(46, 10, "VIA ROMA 1");
    expected.replace(69, 5, "00100");
    expected.replace(74, 4, "ROMA");
    EXPECT_EQ(bytes(), expected);

    c.cmdNuovo->click();
    typeText(c.txtCAP, QStringLiteral("ab1"));
    EXPECT_EQ(c.txtCAP->text(), QStringLiteral("AB1"));
    typeText(c.txtMittente02, QString::fromUtf8("società"));
    EXPECT_EQ(c.txtMittente02->text(), QString::fromUtf8("SOCIETà"));
    EXPECT_EQ(tp.messages.shown.size(), 1u) << "letters in the postal code are no fault";
}

TEST_F(PayerCard, LongNamesFullNotesAndForeignLettersKeepEveryFieldInPlace) {
    frmEsecutori& c = card();
    const QString name23 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVW");
    typeText(c.txtMittente01, name23 + QStringLiteral("XYZ"));
    EXPECT_EQ(c.txtMittente01->text(), name23) << "the box takes its field's width";
    c.txtMittente02->setText(QString::fromUtf8("Łódź"));
    // 600 characters with line breaks, each break counting two.
    QString notes;
    while (notes.size() < 590)
        notes += QStringLiteral("nota nota\r\n");
    notes += QString(600 - notes.size(), QLatin1Char('z'));
    ASSERT_EQ(notes.size(), 600);
    c.txtNot->setText(notes);
    c.txtCarta->setText(QStringLiteral("4111111111111111"));
    c.cmdSalva->click();
    ASSERT_EQ(bytes().size(), 864);
    const PayerRecord saved = record(1);
    EXPECT_EQ(saved.Payer1, name23);
    EXPECT_EQ(saved.Payer2.size(), 4);
    EXPECT_EQ(saved.Notes, notes) << "a full notes box is not cut";
    EXPECT_EQ(saved.CardNumber, QStringLiteral("4111111111111111"));
    EXPECT_EQ(bytes().mid(248, 16), QByteArray("4111111111111111"));
}

// ------------------------------------------------------------ Word export

TEST_F(PayerCard, WordExportHasTheTitleAndThirteenRows) {
    frmEsecutori& c = card();
    c.txtMittente01->setText(QStringLiteral(" ROSSI MARIO "));
    c.txtVia->setText(QStringLiteral("VIA ROMA 1"));
    c.txtCAP->setText(QStringLiteral("00100"));
    c.txtLuogo->setText(QStringLiteral("ROMA"));
    c.txtCel->setText(QStringLiteral("347 1234567"));
    c.txtNot->setText(QStringLiteral("riga 1\r\nriga 2"));
    c.cmdWord->click();
    ASSERT_EQ(tp.writers.documents.size(), 1u);
    const platform::DocxDocument& doc = tp.writers.documents.front();
    EXPECT_EQ(doc.before.front().text, QStringLiteral("SCHEDA ESECUTORE"));
    const QList<QPair<QString, QString>> rows{
        {"Esecutore:", "ROSSI MARIO\r\n"}, {"Via/Piazza:", "VIA ROMA 1"}, {"CAP:", "00100"},
        {QString::fromUtf8("Località:"), "ROMA"}, {"Tel. casa:", ""}, {"Tel. ufficio:", ""}, {"Fax:", ""},
        {"Cellulare:", "347 1234567"}, {"E-mail:", ""}, {"Partita IVA:", ""}, {"Codice fiscale:", ""},
        {"Carta di credito:", ""}, {"Note:", "riga 1\r\nriga 2"}};
    EXPECT_EQ(doc.tableRows, rows);
    EXPECT_EQ(doc.after.back().text, QStringLiteral("Scheda creata in data 09/12/2026 alle ore 08:05:01"));
}

// ------------------------------------------------------------ the slip form's export

TEST_F(PayerCard, TheSlipFormExportFillsTheFiveBoxesOfANewCardThatSavesAsANewPayer) {
    store({payer("ROSSI MARIO", "ROMA"), payer("BIANCHI")});
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.lblFile->setText(QStringLiteral("2026"));
    slip.txtMittente01->setText(QStringLiteral("  VERDI SPA "));
    slip.txtMittente02->setText(QString());
    slip.txtVia->setText(QStringLiteral("VIA PO 3"));
    slip.txtCAP->setText(QStringLiteral("10100"));
    slip.txtLuogo->setText(QStringLiteral("TORINO "));
    tp.modal.expect("frmEsecutori", [](QWidget& w) {
        auto& c = static_cast<frmEsecutori&>(w);
        EXPECT_EQ(c.txtMittente01->text(), QStringLiteral("VERDI SPA"));
        EXPECT_EQ(c.txtMittente02->text(), QString());
        EXPECT_EQ(c.txtLuogo->text(), QStringLiteral("TORINO"));
        EXPECT_EQ(c.txtCas->text(), QString());
        EXPECT_EQ(c.lblPosizione->text(), QString());
        EXPECT_FALSE(c.cmdCasa->isEnabled());
        c.cmdSalva->click();
        EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 3"));
        c.cmdTools->click();
    });
    slip.imgEsporta03_MouseUp(Qt::LeftButton);
    EXPECT_EQ(bytes().size(), 3 * 864);
    EXPECT_EQ(record(3).Street, QStringLiteral("VIA PO 3"));
    EXPECT_EQ(record(3).PostCode, QStringLiteral("10100"));
    EXPECT_EQ(record(1).Payer1, QStringLiteral("ROSSI MARIO"));
}

} // namespace
