// The two reason lookups' own lines and picks: the list layouts and their
// order, the import into the slip form, a long register, the window's look.
// What every lookup does is in LookupDesignTest; the pick into the card, in
// RegisterCardWindowTest.

#include "common/PrintedList.h"
#include "common/ReasonRecord.h"
#include "registers/reasons/frmCausali.h"
#include "registers/reasons/frmFindCausale.h"
#include "slips/frmBollettini.h"
#include "registers/RegisterFixture.h"
#include "registers/reasons/ReasonSamples.h"

#include <QFile>

namespace {

const ReasonRecord kWater = reason("CANONE ACQUA", "", "120", "50", "bimestrale");
const ReasonRecord kRent = reason("AFFITTO", "MESE CORRENTE", "25", "00");
const ReasonRecord kClub = reason("QUOTA CIRCOLO", "", "", "");
const ReasonRecord kTax = reason("TASSA RIFIUTI", "SALDO", "100", "00");

class ReasonLookups : public RegisterFixture<ReasonRecord> {
protected:
    ReasonLookups() : RegisterFixture(QStringLiteral("Causali.cdb")) {}

    static QStringList lines(const RegisterLookup& f) { return ListLines(*f.lstCausali); }
    frmBollettini& slipForm() {
        frmBollettini& slip = Forms::get<frmBollettini>();
        slip.lblFile->setText("2026");
        return slip;
    }
};

QString u8(const char* text) { return QString::fromUtf8(text); }

} // namespace

TEST_F(ReasonLookups, OpensOnEveryRecordInTheFullLayoutSortedAsText) {
    store({kWater, kRent, kClub, kTax}, QByteArray(100, 'x'));
    frmFindCausale& f = Forms::get<frmFindCausale>();
    EXPECT_EQ(f.windowTitle(), " Trova causale");
    EXPECT_EQ(lines(f), (QStringList{u8("AFFITTO MESE CORRENTE  -  € 25,00  [ Rec. 2 ]"),
                                     u8("CANONE ACQUA   -  € 120,50  [ Rec. 1 ]"),
                                     u8("QUOTA CIRCOLO   -  € ,  [ Rec. 3 ]"),
                                     u8("TASSA RIFIUTI SALDO  -  € 100,00  [ Rec. 4 ]")}));
    EXPECT_EQ(f.lblTrovati->text(), "4 schede trovate");
}

TEST_F(ReasonLookups, EachLayoutListsItsExactLines) {
    store({kWater, kRent, kClub, kTax});
    frmFindCausale& f = Forms::get<frmFindCausale>();
    f.cmdPagamento_Click();
    EXPECT_EQ(f.lblMemory->text(), "importo");
    // Text order: 100 before 120 before 25.
    EXPECT_EQ(lines(f), (QStringList{u8("100,00 euro  -  TASSA RIFIUTI SALDO  [ Rec. 4 ]"),
                                     u8("120,50 euro  -  CANONE ACQUA   [ Rec. 1 ]"),
                                     u8("25,00 euro  -  AFFITTO MESE CORRENTE  [ Rec. 2 ]")}));
    EXPECT_EQ(f.lblTrovati->text(), "3 schede trovate");

    f.cmdDescrizione_Click();
    EXPECT_EQ(lines(f), (QStringList{u8("MESE CORRENTE  -  € 25,00  [ Rec. 2 ]"),
                                     u8("SALDO  -  € 100,00  [ Rec. 4 ]")}));

    f.cmdCategoria_Click();
    EXPECT_EQ(lines(f).size(), 4);
    EXPECT_TRUE(lines(f).contains(u8("QUOTA CIRCOLO  -  € ,  [ Rec. 3 ]")));
}

TEST_F(ReasonLookups, ImportWritesTheReasonAndItsAmountIntoTheSlip) {
    store({kWater, kRent, kClub});
    frmBollettini& slip = slipForm();
    slip.txtCC->setText("123456789012");
    slip.txtCausale02->setText("OLD");
    slip.txtNote->setText("nota");
    slip.lblPosizione->setText(" 7");
    tp.modal.expect("frmFindCausale01", [](QWidget& w) {
        auto& f = static_cast<frmFindCausale01&>(w);
        EXPECT_EQ(f.windowTitle(), " Importa dati causale");
        EXPECT_EQ(f.focusWidget(), f.txtCerca);
        f.txtCerca->setText("CANONE");
        f.lstCausali_DblClick();
    });
    slip.imgImporta02_MouseUp(Qt::LeftButton);
    EXPECT_EQ(slip.txtCausale01->text(), "CANONE ACQUA");
    EXPECT_EQ(slip.txtCausale02->text(), "") << "an empty second line empties the slip's";
    EXPECT_EQ(slip.txtCifre->text(), "120");
    EXPECT_EQ(slip.Display->text(), "CENTOVENTI");
    EXPECT_EQ(slip.txtCentCifra->text(), "50");
    EXPECT_EQ(slip.txtCentCifra02->text(), "50");
    EXPECT_EQ(slip.txtCC->text(), "123456789012");
    EXPECT_EQ(slip.txtNote->text(), "nota");
    EXPECT_EQ(slip.lblPosizione->text(), " 7");

    tp.modal.expect("frmFindCausale01", [](QWidget& w) {
        auto& f = static_cast<frmFindCausale01&>(w);
        f.txtCerca->setText("QUOTA");
        f.lstCausali_DblClick();
    });
    slip.imgImporta02_MouseUp(Qt::LeftButton);
    EXPECT_EQ(slip.txtCausale01->text(), "QUOTA CIRCOLO");
    EXPECT_EQ(slip.txtCifre->text(), "120") << "a reason without amount leaves the amount";
    EXPECT_EQ(slip.Display->text(), "CENTOVENTI");
    EXPECT_EQ(slip.txtCentCifra02->text(), "50");
}

TEST_F(ReasonLookups, ImportOfRecordsWrittenElsewhere) {
    store({reason("SOLO CENTESIMI", "", "", "50"), reason("LETTERE", "", "12AB", "5")});
    frmBollettini& slip = slipForm();
    slip.txtCifre->setText("9");
    frmFindCausale01& f = Forms::get<frmFindCausale01>();
    f.txtCerca->setText("SOLO");
    f.lstCausali_DblClick();
    EXPECT_EQ(slip.txtCifre->text(), "9");
    EXPECT_EQ(slip.txtCentCifra->text(), "");

    frmFindCausale01& g = Forms::get<frmFindCausale01>();
    g.txtCerca->setText("LETTERE");
    g.lstCausali_DblClick();
    EXPECT_EQ(slip.txtCifre->text(), "12AB");
    EXPECT_EQ(slip.Display->text(), "DODICI") << "the words follow the leading number";
    EXPECT_EQ(slip.txtCentCifra->text(), "5") << "one-digit cents arrive as they are";
}

TEST_F(ReasonLookups, ListsMoreReasonsThanASignedSixteenBitCount) {
    constexpr int kMany = 32770;
    {
        QFile f(tp.path("Causali.cdb"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray all;
        all.reserve(qsizetype(kMany) * ReasonRecord::Length);
        for (int i = 1; i <= kMany; ++i)
            all += reason(QStringLiteral("R%1").arg(i), "", "", "").encode();
        f.write(all);
    }
    frmFindCausale& f = Forms::get<frmFindCausale>();
    EXPECT_EQ(f.lstCausali->count(), kMany);
    EXPECT_EQ(f.lblTrovati->text(), "32770 schede trovate");
    f.txtCerca->setText("R32770 ");
    f.lstCausali_DblClick();
    EXPECT_EQ(Forms::get<frmCausali>().lblPosizione->text(), " 32770");
}

// The reason lookups keep their own window: 5880 x 6360 twips on grey, the
// count in white; the list still ends above the bottom row.
TEST_F(ReasonLookups, KeepTheirOwnWindowSizeAndColours) {
    store({kWater});
    frmFindCausale& f = Forms::get<frmFindCausale>();
    EXPECT_EQ(f.size(), QSize(Form::tw(5880), Form::tw(6360)));
    EXPECT_EQ(f.lblTrovati->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0)) << "behind the bottom row";
    EXPECT_EQ(f.picContainer->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0))
        << "the panel is lighter than the window";
    EXPECT_LT(f.lstCausali->geometry().bottom(), f.picContainer->geometry().bottom());
    EXPECT_LT(f.picContainer->geometry().bottom(), f.lblTrovati->geometry().top());
}

// Tab goes from the search box to print and close, then to the three layout
// buttons from left to right, and reaches the list last.
TEST_F(ReasonLookups, TabWalksSearchPrintCloseLayoutsThenTheList) {
    store({kWater});
    frmFindCausale& f = Forms::get<frmFindCausale>();
    const QList<QWidget*> expected{f.txtCerca,     f.cmdGuida,       f.cmdChiudi,   f.cmdCategoria,
                                   f.cmdDescrizione, f.cmdPagamento, f.lstCausali};
    QList<QWidget*> walked{f.txtCerca};
    for (QWidget* w = f.txtCerca->nextInFocusChain(); w != f.txtCerca; w = w->nextInFocusChain())
        if (expected.contains(w) && !walked.contains(w))
            walked << w;
    EXPECT_EQ(walked, expected);
}
