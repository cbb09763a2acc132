// The payee card's own boxes through its window: the name lines and the
// account number, the payee on disk, its Word rows, and the slip
// form's export into a new card. What every register card or both
// address-book cards do is in RegisterCardWindowTest.
#include "common/PayeeRecord.h"
#include "registers/payees/frmIntestatari.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"

namespace {

class PayeeCard : public RegisterFixture<PayeeRecord> {
protected:
    PayeeCard() : RegisterFixture(QStringLiteral("Intestatari.idb")) {}

    frmIntestatari& card() { return Forms::get<frmIntestatari>(); }

    // The payee of the acceptance road, typed key by key.
    void typeRossi(frmIntestatari& c) {
        typeText(c.txtIntestatario01, QStringLiteral("rossi mario"));
        typeText(c.txtCC, QStringLiteral("12345678"));
        typeText(c.txtCel, QStringLiteral("347 123.45-67"));
        typeText(c.txtEma, QStringLiteral("mario.rossi@example.it"));
        typeText(c.txtIva, QStringLiteral("00000000018"));
        typeText(c.txtCodFisc, QStringLiteral("rssmra85t10a562s"));
        c.txtNot->setText(QStringLiteral("A & B <srl>"));
    }
};

TEST_F(PayeeCard, NameLinesTakeCapitalsAndTheAccountOnlyDigits) {
    frmIntestatari& c = card();
    typeText(c.txtIntestatario01, QString::fromUtf8("caffè"));
    EXPECT_EQ(c.txtIntestatario01->text(), QString::fromUtf8("CAFFè"));
    typeText(c.txtCC, QStringLiteral("1-"));
    EXPECT_EQ(c.txtCC->text(), QStringLiteral("1"));
    EXPECT_EQ(last().text, QStringLiteral("Digitare solo valori numerici."));
    EXPECT_EQ(last().title, QStringLiteral("Attenzione: carattere non valido"));
}

TEST_F(PayeeCard, TheTypedPayeeIsAppendedBlankPaddedAtItsOffsets) {
    frmIntestatari& c = card();
    typeRossi(c);
    c.cmdSalva_Click();
    EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 1"));
    const QByteArray b = bytes();
    ASSERT_EQ(b.size(), 853);
    EXPECT_EQ(b.mid(0, 34), QByteArray("ROSSI MARIO").leftJustified(34, ' '));
    EXPECT_EQ(b.mid(68, 12), QByteArray("12345678").leftJustified(12, ' '));
    EXPECT_EQ(b.mid(140, 20), QByteArray("347 123.45-67").leftJustified(20, ' '));
    EXPECT_EQ(b.mid(210, 11), QByteArray("00000000018"));
    EXPECT_EQ(b.mid(221, 16), QByteArray("RSSMRA85T10A562S"));
    EXPECT_EQ(b.mid(253, 600), QByteArray("A & B <srl>").leftJustified(600, ' '));
}

TEST_F(PayeeCard, WordExportHasTheTitleAndElevenRows) {
    frmIntestatari& c = card();
    typeRossi(c);
    c.txtIntestatario02->setText(QStringLiteral("  SECONDA  "));
    c.cmdWord_Click();
    ASSERT_EQ(tp.writers.documents.size(), 1u);
    EXPECT_EQ(tp.desktop.openedFiles, tp.writers.written);
    const platform::DocxDocument& doc = tp.writers.documents.front();
    EXPECT_EQ(doc.before.front().text, QStringLiteral("SCHEDA INTESTATARIO"));
    ASSERT_EQ(doc.tableRows.size(), 11);
    EXPECT_EQ(doc.tableRows[0], qMakePair(QStringLiteral("Intestatario:"), QStringLiteral("ROSSI MARIO\r\nSECONDA")));
    EXPECT_EQ(doc.tableRows[1], qMakePair(QStringLiteral("C/C n."), QStringLiteral("12345678")));
    EXPECT_EQ(doc.tableRows[4], qMakePair(QStringLiteral("Fax:"), QString()));
    EXPECT_EQ(doc.tableRows[8], qMakePair(QStringLiteral("Codice fiscale:"), QStringLiteral("RSSMRA85T10A562S")));
    EXPECT_EQ(doc.tableRows[10], qMakePair(QStringLiteral("Note:"), QStringLiteral("A & B <srl>")));
    EXPECT_EQ(doc.after.back().text, QStringLiteral("Scheda creata in data 09/12/2026 alle ore 08:05:01"));
}

TEST_F(PayeeCard, TheSlipFormExportFillsANewCardThatSavesAsANewRecord) {
    PayeeRecord rossi;
    rossi.Payee1 = QStringLiteral("ROSSI MARIO");
    store({rossi});
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.lblFile->setText(QStringLiteral("2026"));
    slip.txtIntestatario01->setText(QStringLiteral("  VERDI SPA "));
    slip.txtIntestatario02->setText(QStringLiteral("UFFICIO"));
    slip.txtCC->setText(QStringLiteral("555"));
    tp.modal.expect("frmIntestatari", [](QWidget& w) {
        auto& c = static_cast<frmIntestatari&>(w);
        EXPECT_EQ(c.txtIntestatario01->text(), QStringLiteral("VERDI SPA"));
        EXPECT_EQ(c.txtCC->text(), QStringLiteral("555"));
        EXPECT_EQ(c.lblPosizione->text(), QString());
        EXPECT_FALSE(c.cmdCasa->isEnabled());
        c.cmdSalva_Click();
        EXPECT_EQ(c.lblPosizione->text(), QStringLiteral(" 2"));
    });
    slip.imgEsporta01_MouseUp(Qt::LeftButton);
    EXPECT_EQ(record(2).Payee2, QStringLiteral("UFFICIO"));
    EXPECT_EQ(record(1).Payee1, QStringLiteral("ROSSI MARIO"));
}

} // namespace
