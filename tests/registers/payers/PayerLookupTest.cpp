// The payer lookups' own lines and picks: the four layouts (the town in place
// of the payee's account number) and the import of the payer block into the
// slip form. What every lookup does is in LookupDesignTest; the pick into the
// card, in RegisterCardWindowTest.
#include "common/PayerRecord.h"
#include "common/PrintedList.h"
#include "registers/payers/frmEsecutori.h"
#include "registers/payers/frmFindEsecutore.h"
#include "registers/payees/frmFindIntestatario.h"
#include "slips/frmBollettini.h"
#include "registers/CardPictures.h"
#include "registers/RegisterFixture.h"

namespace {

PayerRecord payer(const QString& name, const QString& town, const QString& vat = QString(),
                  const QString& tax = QString()) {
    PayerRecord r;
    r.Payer1 = name;
    r.Town = town;
    r.VatNumber = vat;
    r.TaxCode = tax;
    return r;
}

PayerRecord rossi() {
    PayerRecord r = payer("ROSSI MARIO", "ROMA", "00000000018", "RSSMRA85T10A562S");
    r.Street = QStringLiteral("VIA ROMA 1");
    r.PostCode = QStringLiteral("00100");
    return r;
}

class PayerLookup : public RegisterFixture<PayerRecord> {
protected:
    PayerLookup() : RegisterFixture(QStringLiteral("Esecutori.edb")) {}

    // The road's register: three payers, one without a town.
    void storeThree() const {
        store({rossi(), payer("BIANCHI SRL", ""), payer("VERDI ANNA", "MILANO", "", "VRDNNA")});
    }
    static QStringList lines(const RegisterLookup& f) { return ListLines(*f.lstCausali); }
};

// The banner's heading says what the lookup sorts: the payers' two windows
// share one banner, which is not the payees'.
TEST_F(PayerLookup, TheBannerIntroducesThePayersNotThePayees) {
    const auto banner = [](const RegisterLookup& f) { return f.cmdLogo->picture().toImage(); };
    const QImage payers = banner(Forms::get<frmFindEsecutore>());
    EXPECT_EQ(payers, banner(Forms::get<frmFindEsecutore01>()));
    EXPECT_NE(payers, banner(Forms::get<frmFindIntestatario>()));
    EXPECT_EQ(banner(Forms::get<frmFindIntestatario>()), banner(Forms::get<frmFindIntestatario01>()));
    Forms::get<frmFindEsecutore>().Unload();
    Forms::get<frmFindEsecutore01>().Unload();
    Forms::get<frmFindIntestatario>().Unload();
    Forms::get<frmFindIntestatario01>().Unload();
}

// The payers' banner is a picture of its own (a hand writing, 301 x 53), not
// the register lookups' pile of cards under the payers' heading.
TEST_F(PayerLookup, TheBannerIsTheWritingHand) {
    frmFindEsecutore& f = Forms::get<frmFindEsecutore>();
    const QImage banner = f.cmdLogo->picture().toImage();
    EXPECT_EQ(banner.size(), QSize(301, 53));
    const QPixmap cards = CardPictures::lookupBanner(f.cmdLogo->width(), f.cmdLogo->height(),
                                                     QStringLiteral("Ordina gli esecutori per:"));
    EXPECT_NE(banner, cards.toImage());
    EXPECT_EQ(banner, CardPictures::writingHandBanner(QStringLiteral("Ordina gli esecutori per:")).toImage());
    f.Unload();
}

TEST_F(PayerLookup, EachLayoutListsItsExactLinesUnderItsButton) {
    storeThree();
    frmFindEsecutore& f = Forms::get<frmFindEsecutore>();
    EXPECT_EQ(f.windowTitle(), QStringLiteral(" Trova esecutore"));
    EXPECT_EQ(f.cmdCategoria->text(), QString::fromUtf8("Località"));
    EXPECT_EQ(f.cmdDescrizione->text(), QStringLiteral("P. IVA"));
    EXPECT_EQ(f.cmdPagamento->text(), QStringLiteral("Cod. fiscale"));
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("BIANCHI SRL   -    [ Rec. 2 ]"),
                                     QStringLiteral("ROSSI MARIO   -  ROMA  [ Rec. 1 ]"),
                                     QStringLiteral("VERDI ANNA   -  MILANO  [ Rec. 3 ]")}));
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("3 schede trovate"));
    f.cmdCategoria_Click();
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("MILANO  -  VERDI ANNA   [ Rec. 3 ]"),
                                     QStringLiteral("ROMA  -  ROSSI MARIO   [ Rec. 1 ]")}));
    f.cmdDescrizione_Click();
    EXPECT_EQ(lines(f), QStringList{QStringLiteral("00000000018 (P.IVA)  -  ROSSI MARIO   [ Rec. 1 ]")});
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("1 schede trovate"));
    f.cmdPagamento_Click();
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("RSSMRA85T10A562S (C.F.)  -  ROSSI MARIO   [ Rec. 1 ]"),
                                     QStringLiteral("VRDNNA (C.F.)  -  VERDI ANNA   [ Rec. 3 ]")}));
    f.txtCerca->setText(QStringLiteral("vr"));
    f.txtCerca->typeCode(13);
    EXPECT_EQ(Forms::get<frmEsecutori>().lblPosizione->text(), QStringLiteral(" 3"));
}

// ------------------------------------------------------------ the import into the slip form

class PayerImport : public PayerLookup {
protected:
    frmBollettini& slip() {
        frmBollettini& s = Forms::get<frmBollettini>();
        s.lblFile->setText(QStringLiteral("2026"));
        return s;
    }
};

TEST_F(PayerImport, APickWritesTheFiveBoxesBlanksIncludedAndNothingElse) {
    storeThree();
    frmBollettini& s = slip();
    s.txtMittente02->setText(QStringLiteral("OLD"));
    s.txtVia->setText(QStringLiteral("OLD STREET"));
    s.txtCAP->setText(QStringLiteral("99999"));
    s.txtIntestatario01->setText(QStringLiteral("PAYEE"));
    s.txtCifre->setText(QStringLiteral("12"));
    s.lblPosizione->setText(QStringLiteral(" 5"));
    tp.modal.expect("frmFindEsecutore01", [](QWidget& w) {
        auto& f = static_cast<frmFindEsecutore01&>(w);
        EXPECT_EQ(f.windowTitle(), QStringLiteral(" Importa dati esecutore"));
        f.cmdCategoria->click();
        f.txtCerca->setText(QStringLiteral("mi"));
        f.lstCausali_DblClick();
    });
    s.imgImporta03_MouseUp(Qt::LeftButton);
    EXPECT_EQ(s.txtMittente01->text(), QStringLiteral("VERDI ANNA"));
    EXPECT_EQ(s.txtMittente02->text(), QString());
    EXPECT_EQ(s.txtVia->text(), QString());
    EXPECT_EQ(s.txtCAP->text(), QString());
    EXPECT_EQ(s.txtLuogo->text(), QStringLiteral("MILANO"));
    EXPECT_EQ(s.txtIntestatario01->text(), QStringLiteral("PAYEE"));
    EXPECT_EQ(s.txtCifre->text(), QStringLiteral("12"));
    EXPECT_EQ(s.lblPosizione->text(), QStringLiteral(" 5"));
    EXPECT_FALSE(Forms::isLoaded<frmEsecutori>());

    tp.modal.expect("frmFindEsecutore01", [](QWidget& w) {
        auto& f = static_cast<frmFindEsecutore01&>(w);
        f.txtCerca->setText(QStringLiteral("ro"));
        f.lstCausali_DblClick();
    });
    s.imgImporta03_MouseUp(Qt::RightButton);
    EXPECT_EQ(s.txtMittente01->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(s.txtVia->text(), QStringLiteral("VIA ROMA 1"));
    EXPECT_EQ(s.txtCAP->text(), QStringLiteral("00100"));
    EXPECT_EQ(s.txtLuogo->text(), QStringLiteral("ROMA"));
}

} // namespace
