// The payer lookups through their windows: the four layouts (the town in
// place of the payee's account number), the pick into the card, a register
// changed behind an open list, list printing, and the import of the payer
// block into the slip form.
#include "common/PayerRecord.h"
#include "common/PrintedList.h"
#include "registers/payers/frmEsecutori.h"
#include "registers/payers/frmFindEsecutore.h"
#include "slips/frmBollettini.h"
#include "support/RecordingPrinter.h"
#include "registers/RegisterFixture.h"

#include <QFile>

using platform::MsgAnswer;

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
    r.HomePhone = QStringLiteral("06 1");
    r.OfficePhone = QStringLiteral("06 2");
    r.FaxNumber = QStringLiteral("06 3");
    r.MobilePhone = QStringLiteral("347");
    r.Email = QStringLiteral("m@r.it");
    r.CardNumber = QStringLiteral("4111111111111111");
    r.Notes = QStringLiteral("nota\r\nseconda");
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

TEST_F(PayerLookup, ListsByNameThenByTownAndAPickFillsTheFourteenBoxes) {
    storeThree();
    frmEsecutori& card = Forms::get<frmEsecutori>();
    card.txtUff->setText(QStringLiteral("unsaved"));
    tp.modal.expect("frmFindEsecutore", [](QWidget& w) {
        auto& f = static_cast<frmFindEsecutore&>(w);
        EXPECT_EQ(f.windowTitle(), QStringLiteral(" Trova esecutore"));
        EXPECT_EQ(f.cmdCategoria->text(), QString::fromUtf8("Località"));
        EXPECT_EQ(f.cmdDescrizione->text(), QStringLiteral("P. IVA"));
        EXPECT_EQ(f.cmdPagamento->text(), QStringLiteral("Cod. fiscale"));
        EXPECT_EQ(lines(f), (QStringList{QStringLiteral("BIANCHI SRL   -    [ Rec. 2 ]"),
                                         QStringLiteral("ROSSI MARIO   -  ROMA  [ Rec. 1 ]"),
                                         QStringLiteral("VERDI ANNA   -  MILANO  [ Rec. 3 ]")}));
        EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("3 schede trovate"));
        f.cmdCategoria->click();
        EXPECT_EQ(f.lblMemory->text(), QStringLiteral("cc"));
        EXPECT_EQ(lines(f), (QStringList{QStringLiteral("MILANO  -  VERDI ANNA   [ Rec. 3 ]"),
                                         QStringLiteral("ROMA  -  ROSSI MARIO   [ Rec. 1 ]")}));
        EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("2 schede trovate"));
        EXPECT_FALSE(f.cmdCategoria->isEnabled());
        EXPECT_TRUE(f.cmdDescrizione->isEnabled());
        EXPECT_TRUE(f.cmdPagamento->isEnabled());
        f.lstCausali->setCurrentRow(1);
        f.lstCausali_DblClick();
    });
    card.cmdTrova->click();
    EXPECT_FALSE(Forms::isLoaded<frmFindEsecutore>());
    EXPECT_EQ(card.lblPosizione->text(), QStringLiteral(" 1"));
    EXPECT_EQ(ReadBoxes<PayerRecord>(card, PayerBoxes), rossi());
    EXPECT_TRUE(card.cmdCarta->isEnabled());

    // The card is on record 1 now: a save rewrites it.
    card.txtMittente02->setText(QStringLiteral("FU GIOVANNI"));
    card.cmdSalva->click();
    EXPECT_EQ(tp.messages.last().text,
              QStringLiteral("Le modifiche apportate all'esecutore n. 1 sono state inserite in archivio."));
}

TEST_F(PayerLookup, VatAndTaxCodeLayoutsCarryTheirTags) {
    storeThree();
    frmFindEsecutore& f = Forms::get<frmFindEsecutore>();
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

TEST_F(PayerLookup, AnEmptyRegisterAndAPartialTail) {
    {
        frmFindEsecutore& f = Forms::get<frmFindEsecutore>();
        EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("0 schede trovate"));
        f.lblFaiClic_DblClick();
        f.cmdGuida->click();
        EXPECT_EQ(tp.messages.last().text, QStringLiteral("La lista non contiene nessuna voce."));
        EXPECT_FALSE(f.isUnloaded());
        f.cmdChiudi->click();
    }
    EXPECT_TRUE(QFile::exists(tp.path(QStringLiteral("Esecutori.edb"))));
    storeThree();
    {
        QFile file(tp.path(QStringLiteral("Esecutori.edb")));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(100, 'z'));
    }
    frmFindEsecutore& f = Forms::get<frmFindEsecutore>();
    EXPECT_EQ(f.lstCausali->count(), 3);
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("3 schede trovate"));
}

TEST_F(PayerLookup, ARegisterChangedBehindTheListWritesNothing) {
    storeThree();
    frmEsecutori& card = Forms::get<frmEsecutori>();
    card.txtMittente01->setText(QStringLiteral("TYPED"));
    frmFindEsecutore& f = Forms::get<frmFindEsecutore>();
    store({rossi(), payer("BIANCHI SPA", "")}); // record 2 rewritten elsewhere
    f.txtCerca->setText(QStringLiteral("bi"));
    ASSERT_GE(f.lstCausali->currentRow(), 0);
    f.lstCausali_DblClick();
    EXPECT_EQ(card.txtMittente01->text(), QStringLiteral("TYPED"));
    EXPECT_EQ(card.lblPosizione->text(), QString());
}

TEST_F(PayerLookup, PrintsTheTownListUnderThePayersTitles) {
    storeThree();
    SetPrintClock([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 7, 2)); });
    SetPrintDateSeparator(QStringLiteral("/"));
    RecordingPrinter printer;
    ScopedPrinter scope(printer);
    frmFindEsecutore01& f = Forms::get<frmFindEsecutore01>();
    f.cmdCategoria_Click();
    tp.messages.answers = {MsgAnswer::OK};
    f.cmdGuida->click();
    SetPrintClock({});
    SetPrintDateSeparator(QString());
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Stampa elenco esecutori"));
    const QString rule(30, QLatin1Char('_'));
    EXPECT_EQ(printer.lines(), (QStringList{" ", "Elenco esecutori", rule, "   ",
                                            "MILANO  -  VERDI ANNA   [ Rec. 3 ]", "ROMA  -  ROSSI MARIO   [ Rec. 1 ]",
                                            rule, "   ", "Totale voci in elenco: 2", rule,
                                            "Scheda stampata in data 05/03/2026 alle ore 09:07:02."}));
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
        EXPECT_EQ(f.lblMemory->text(), QStringLiteral("carica")) << "every opening starts afresh";
        f.txtCerca->setText(QStringLiteral("ro"));
        f.lstCausali_DblClick();
    });
    s.imgImporta03_MouseUp(Qt::RightButton);
    EXPECT_EQ(s.txtMittente01->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(s.txtVia->text(), QStringLiteral("VIA ROMA 1"));
    EXPECT_EQ(s.txtCAP->text(), QStringLiteral("00100"));
    EXPECT_EQ(s.txtLuogo->text(), QStringLiteral("ROMA"));
}

TEST_F(PayerImport, ClosingWithoutAPickChangesNothing) {
    storeThree();
    frmBollettini& s = slip();
    s.txtMittente01->setText(QStringLiteral("KEEP"));
    tp.modal.expect("frmFindEsecutore01", [](QWidget& w) {
        auto& f = static_cast<frmFindEsecutore01&>(w);
        f.txtCerca->setText(QStringLiteral("ro"));
        f.cmdChiudi->click();
    });
    s.imgImporta03_MouseUp(Qt::LeftButton);
    EXPECT_EQ(s.txtMittente01->text(), QStringLiteral("KEEP"));
}

} // namespace
