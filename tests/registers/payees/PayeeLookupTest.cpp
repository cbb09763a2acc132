// The payee lookups: the four list layouts, type-ahead and pick into the card,
// a register changed behind an open list, list printing, and the import into
// the slip form.
#include "common/PayeeRecord.h"
#include "common/PrintedList.h"
#include "registers/payees/frmFindIntestatario.h"
#include "registers/payees/frmIntestatari.h"
#include "slips/frmBollettini.h"
#include "support/RecordingPrinter.h"
#include "registers/RegisterFixture.h"

#include <QFile>
#include <QPointer>

using platform::MsgAnswer;

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

    static QStringList lines(const RegisterLookup& f) {
        QStringList out;
        for (int i = 0; i < f.lstCausali->count(); ++i)
            out << f.lstCausali->item(i)->text();
        return out;
    }
};

TEST_F(PayeeLookup, OpensOnEveryPayeeByNameWithTheCount) {
    store({kRossi, kBianchi});
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    EXPECT_EQ(f.windowTitle(), QStringLiteral(" Trova intestatario"));
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("BIANCHI SRL   -  C/C n.   [ Rec. 2 ]"),
                                     QStringLiteral("ROSSI MARIO   -  C/C n. 12345678  [ Rec. 1 ]")}));
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("2 schede trovate"));
    EXPECT_EQ(f.lblMemory->text(), QStringLiteral("carica"));
    EXPECT_FALSE(f.lblFaiClic->isVisibleTo(&f));
    for (QPushButton* b : {f.cmdCategoria, f.cmdDescrizione, f.cmdPagamento})
        EXPECT_TRUE(b->isEnabled());
}

TEST_F(PayeeLookup, KeyLayoutsLeaveOutBlankKeysAndSortAsText) {
    store({kRossi, kBianchi, payee("VERDI", "100"), payee("NERI", "20", "", "NRE")});
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    f.cmdCategoria_Click();
    EXPECT_EQ(f.lblMemory->text(), QStringLiteral("cc"));
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("100 (C/C)  -  VERDI   [ Rec. 3 ]"),
                                     QStringLiteral("12345678 (C/C)  -  ROSSI MARIO   [ Rec. 1 ]"),
                                     QStringLiteral("20 (C/C)  -  NERI   [ Rec. 4 ]")}));
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("3 schede trovate"));
    EXPECT_FALSE(f.cmdCategoria->isEnabled());
    EXPECT_TRUE(f.cmdDescrizione->isEnabled());
    f.cmdDescrizione_Click();
    EXPECT_EQ(lines(f), QStringList{QStringLiteral("00000000018 (P.IVA)  -  ROSSI MARIO   [ Rec. 1 ]")});
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("1 schede trovate"));
    f.cmdPagamento_Click();
    EXPECT_EQ(lines(f), (QStringList{QStringLiteral("NRE (C.F.)  -  NERI   [ Rec. 4 ]"),
                                     QStringLiteral("RSSMRA85T10A562S (C.F.)  -  ROSSI MARIO   [ Rec. 1 ]")}));
    EXPECT_TRUE(f.cmdCategoria->isEnabled());
    EXPECT_FALSE(f.cmdPagamento->isEnabled());
}

TEST_F(PayeeLookup, APartialTailIsNoRecordAndAMissingRegisterIsEmpty) {
    {
        frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
        EXPECT_EQ(f.lstCausali->count(), 0);
        EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("0 schede trovate"));
        f.lstCausali_DblClick(); // nothing to pick
        EXPECT_FALSE(f.isUnloaded());
        f.cmdChiudi_Click();
    }
    EXPECT_TRUE(QFile::exists(tp.path(QStringLiteral("Intestatari.idb"))));
    store({kRossi, kBianchi, payee("TERZO", "3")}, QByteArray(100, 'z'));
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    EXPECT_EQ(f.lblTrovati->text(), QStringLiteral("3 schede trovate"));
}

TEST_F(PayeeLookup, TypeAheadAndEnterLoadTheRecordIntoTheCard) {
    store({kRossi, kBianchi});
    frmIntestatari& card = Forms::get<frmIntestatari>();
    card.txtUff->setText(QStringLiteral("unsaved typing"));
    tp.modal.expect("frmFindIntestatario", [](QWidget& w) {
        auto& f = static_cast<frmFindIntestatario&>(w);
        EXPECT_EQ(f.focusWidget(), f.txtCerca);
        f.txtCerca->setText(QStringLiteral("bi"));
        EXPECT_EQ(f.lstCausali->currentRow(), 0);
        EXPECT_TRUE(f.lblFaiClic->isVisibleTo(&f));
        f.txtCerca->typeCode(13);
    });
    card.cmdTrova_Click();
    EXPECT_EQ(card.lblPosizione->text(), QStringLiteral(" 2"));
    EXPECT_EQ(card.txtIntestatario01->text(), QStringLiteral("BIANCHI SRL"));
    EXPECT_EQ(card.txtEma->text(), QStringLiteral("bianchisrl@example.it"));
    EXPECT_EQ(card.txtUff->text(), QString());
    EXPECT_TRUE(card.cmdEmail->isEnabled());
    EXPECT_FALSE(card.cmdCheckIva->isEnabled());
    EXPECT_FALSE(Forms::isLoaded<frmFindIntestatario>());
}

TEST_F(PayeeLookup, ASearchThatFindsNothingHidesTheHintAndEnterDoesNothing) {
    store({kRossi, kBianchi});
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    f.txtCerca->setText(QStringLiteral("ro"));
    EXPECT_EQ(f.lstCausali->currentItem()->text().left(5), QStringLiteral("ROSSI"));
    f.txtCerca->setText(QStringLiteral("rox"));
    EXPECT_FALSE(f.lblFaiClic->isVisibleTo(&f));
    f.txtCerca->setText(QStringLiteral("SRL")); // inside a line, not at its start
    f.txtCerca->typeCode(13);
    EXPECT_FALSE(f.isUnloaded());
    EXPECT_FALSE(Forms::isLoaded<frmIntestatari>());
}

TEST_F(PayeeLookup, ARegisterChangedBehindTheListWritesNothing) {
    store({kRossi, kBianchi});
    frmIntestatari& card = Forms::get<frmIntestatari>();
    card.txtIntestatario01->setText(QStringLiteral("TYPED"));
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    store({kRossi}); // BIANCHI deleted elsewhere
    f.txtCerca->setText(QStringLiteral("bi"));
    f.lstCausali_DblClick();
    EXPECT_EQ(card.txtIntestatario01->text(), QStringLiteral("TYPED"));
    EXPECT_EQ(card.lblPosizione->text(), QString());
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

TEST_F(PayeeLookup, PrintsTheListAsShown) {
    store({kRossi, kBianchi});
    SetPrintClock([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 7, 2)); });
    SetPrintDateSeparator(QStringLiteral("/"));
    RecordingPrinter printer;
    ScopedPrinter scope(printer);
    frmFindIntestatario& f = Forms::get<frmFindIntestatario>();
    f.cmdCategoria_Click();
    tp.messages.answers = {MsgAnswer::OK};
    f.cmdGuida->click();
    SetPrintClock({});
    SetPrintDateSeparator(QString());
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Stampa elenco intestatari"));
    const QString rule(30, QLatin1Char('_'));
    EXPECT_EQ(printer.lines(), (QStringList{" ", "Elenco intestatari", rule, "   ",
                                            "12345678 (C/C)  -  ROSSI MARIO   [ Rec. 1 ]", rule, "   ",
                                            "Totale voci in elenco: 1", rule,
                                            "Scheda stampata in data 05/03/2026 alle ore 09:07:02."}));
    EXPECT_FALSE(f.isUnloaded());
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
        EXPECT_EQ(f.lblMemory->text(), QStringLiteral("carica")) << "every opening starts afresh";
        f.cmdDescrizione_Click();
        f.lstCausali->setCurrentRow(0);
        f.lstCausali_DblClick();
    });
    s.imgImporta01_MouseUp(Qt::LeftButton);
    EXPECT_EQ(s.txtIntestatario01->text(), QStringLiteral("ROSSI MARIO"));
    EXPECT_EQ(s.txtCC->text(), QStringLiteral("12345678"));
}

TEST_F(PayeeImport, ClosingWithoutAPickChangesNothing) {
    store({kRossi});
    frmBollettini& s = slip();
    s.txtIntestatario01->setText(QStringLiteral("KEEP"));
    tp.modal.expect("frmFindIntestatario01", [](QWidget& w) {
        static_cast<frmFindIntestatario01&>(w).cmdChiudi->click();
    });
    s.imgImporta01_MouseUp(Qt::LeftButton);
    EXPECT_EQ(s.txtIntestatario01->text(), QStringLiteral("KEEP"));
}

} // namespace
