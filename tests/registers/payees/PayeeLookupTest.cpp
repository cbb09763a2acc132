// The payee lookups' own lines and picks: the four list layouts, two equal
// payees, and the import into the slip form. What every lookup does is in
// LookupDesignTest; the pick into the card, in RegisterCardWindowTest.
#include "common/PayeeRecord.h"
#include "common/PrintedList.h"
#include "registers/payees/frmFindIntestatario.h"
#include "registers/payees/frmIntestatari.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"

namespace {

PayeeRecord payee(const QString& name, const QString& cc, const QString& vat = QString(),
                  const QString& tax = QString()) {
    PayeeRecord r;
    r.Payee1 = name;
    r.AccountNumber = cc;
    r.VatNumber = vat;
    r.TaxCode = tax;
    r.Email = name.toLower().remove(QLatin1Char(' ')) + QStringLiteral("@example.it");
    return r;
}

const PayeeRecord kRossi = payee("ROSSI MARIO", "12345678", "00000000018", "RSSMRA85T10A562S");
const PayeeRecord kBianchi = payee("BIANCHI SRL", "");

class PayeeLookup : public RegisterFixture<PayeeRecord> {
protected:
    PayeeLookup() : RegisterFixture(QStringLiteral("Intestatari.idb")) {}

    static QStringList lines(const RegisterLookup& f) { return ListLines(*f.lstCausali); }
};

TEST_F(PayeeLookup, EachLayoutListsItsExactLinesWithTheCount) {
    store({kRossi, kBianchi, payee("VERDI", "100"), payee("NERI", "20", "", "NRE")});
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    EXPECT_EQ(f.windowTitle(), QStringLiteral(" Trova intestatario"));
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("BIANCHI SRL   -  C/C n.   [ Rec. 2 ]"),
                                     QStringLiteral("NERI   -  C/C n. 20  [ Rec. 4 ]"),
                                     QStringLiteral("ROSSI MARIO   -  C/C n. 12345678  [ Rec. 1 ]"),
                                     QStringLiteral("VERDI   -  C/C n. 100  [ Rec. 3 ]")}));
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("4 schede trovate"));
    f.cmdCategoria_Click();
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("100 (C/C)  -  VERDI   [ Rec. 3 ]"),
                                     QStringLiteral("12345678 (C/C)  -  ROSSI MARIO   [ Rec. 1 ]"),
                                     QStringLiteral("20 (C/C)  -  NERI   [ Rec. 4 ]")}))
        << "blank keys are left out; keys sort as text";
    f.cmdDescrizione_Click();
    EXPECT_EQ(lines(f), QStringList{QStringLiteral("00000000018 (P.IVA)  -  ROSSI MARIO   [ Rec. 1 ]")});
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("1 schede trovate"));
    f.cmdPagamento_Click();
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("NRE (C.F.)  -  NERI   [ Rec. 4 ]"),
                                     QStringLiteral("RSSMRA85T10A562S (C.F.)  -  ROSSI MARIO   [ Rec. 1 ]")}));
}

TEST_F(PayeeLookup, TwoEqualPayeesEachPickTheirOwnRecord) {
    store({kRossi, kRossi});
    frmIntestatari& card = Forms::get<frmIntestatari>();
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    ASSERT_EQ(f.lstCausali->count(), 2);
    f.lstCausali->setCurrentRow(1);
    f.lblFaiClic_DblClick();
    EXPECT_EQ(card.lblPosizione->text(), QStringLiteral(" 2"));
}

// ------------------------------------------------------------ the import into the slip form

class PayeeImport : public PayeeLookup {
protected:
    frmBollettini& slip() {
        frmBollettini& s = Forms::get<frmBollettini>();
        s.lblFile->setText(QStringLiteral("2026"));
        return s;
    }
};

TEST_F(PayeeImport, FillsThePayeeLinesAndKeepsATypedAccount) {
    store({kRossi, kBianchi});
    frmBollettini& s = slip();
    s.txtCC->setText(QStringLiteral("999"));
    s.txtIntestatario02->setText(QStringLiteral("OLD"));
    s.txtCifre->setText(QStringLiteral("12"));
    s.lblPosizione->setText(QStringLiteral(" 5"));
    tp.modal.expect("frmFindIntestatario01", [](QWidget& w) {
        auto& f = static_cast<frmFindIntestatario01&>(w);
        EXPECT_EQ(f.windowTitle(), QStringLiteral(" Importa dati intestatario"));
        f.txtCerca->setText(QStringLiteral("bi"));
        f.lstCausali_DblClick();
    });
    s.imgImporta01_MouseUp(Qt::LeftButton);
    EXPECT_EQ(s.txtIntestatario01->text(), QStringLiteral("BIANCHI SRL"));
    EXPECT_EQ(s.txtIntestatario02->text(), QString());
    EXPECT_EQ(s.txtCC->text(), QStringLiteral("999"));
    EXPECT_EQ(s.txtCifre->text(), QStringLiteral("12"));
    EXPECT_EQ(s.lblPosizione->text(), QStringLiteral(" 5"));
    EXPECT_FALSE(Forms::isLoaded<frmIntestatari>());

    tp.modal.expect("frmFindIntestatario01", [](QWidget& w) {
        auto& f = static_cast<frmFindIntestatario01&>(w);
        f.cmdDescrizione_Click();
        f.lstCausali->setCurrentRow(0);
        f.lstCausali_DblClick();
    });
    s.imgImporta01_MouseUp(Qt::LeftButton);
    EXPECT_EQ(s.txtIntestatario01->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(s.txtCC->text(), QStringLiteral("12345678"));
}

} // namespace
