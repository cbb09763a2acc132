#include "common/PrintedList.h"
#include "common/SlipRecord.h"
#include "common/LeadingNumber.h"
#include "slips/SlipSearch.h"
#include "slips/frmBollettini.h"
#include "slips/frmFindValori.h"
#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QWindow>

#include <cmath>

using platform::MsgAnswer;
using platform::MsgIcon;

namespace {

const QString kYear = QStringLiteral("2012");

SlipRecord slip(const QString& euros, const QString& cents, const QString& cc, const QString& payee,
                const QString& reason, const QString& payer = QString()) {
    SlipRecord r;
    r.Euros = euros;
    r.Cents = cents;
    r.AccountNumber = cc;
    r.Payee1 = payee;
    r.Reason1 = reason;
    r.Payer1 = payer;
    return r;
}

// The re-sort as the pass is written out: at each position, a line with a
// smaller amount below it goes directly after the lowest such line, and the
// position is looked at again. Only for lines that all begin with whole euros.
QStringList passAsWritten(QStringList list) {
    const qsizetype c = list.size();
    qsizetype i = 0;
    while (i <= c - 1) {
        const double v = std::nearbyint(LeadingNumberValue(list[i]));
        qsizetype target = -1;
        for (qsizetype j = i + 1; j < c; ++j) {
            const double t = LeadingNumberValue(list[j]);
            if (t > 0 && t < v)
                target = j;
        }
        if (target < 0) {
            ++i;
            continue;
        }
        const QString s = list.takeAt(i);
        list.insert(target, s);
    }
    return list;
}

QStringList amounts(std::initializer_list<const char*> leads) {
    QStringList lines;
    int n = 0;
    for (const char* lead : leads)
        lines << QString::fromLatin1(lead) + QStringLiteral(" euro su C/C n. 1 intestato a X  -  Causale: Y  [ ") +
                     QString::number(++n) + QStringLiteral(" ]");
    return lines;
}

QStringList leads(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines)
        out << line.section(QLatin1Char(' '), 0, 0);
    return out;
}

} // namespace

// ------------------------------------------------------------ lines and order

TEST(SlipSearchLines, FiveLayoutsWithTheirExactTexts) {
    SlipRecord s = slip("125", "50", "1234567", "ROSSI MARIO", "TASSA RIFIUTI", "BIANCHI");
    s.Payee2 = QStringLiteral("not shown");
    EXPECT_EQ(SlipLine(SlipListMode::Opening, s, 7),
              "125,50 euro su C/C n. 1234567 intestato a ROSSI MARIO  -  Causale: TASSA RIFIUTI  [ 7 ]");
    EXPECT_EQ(SlipLine(SlipListMode::Payer, s, 7),
              "BIANCHI ha versato su C/C n. 1234567 intestato a ROSSI MARIO  -  Importo: 125,50  -  Causale: "
              "TASSA RIFIUTI  [ 7 ]");
    EXPECT_EQ(SlipLine(SlipListMode::Payee, s, 7),
              "ROSSI MARIO: intestatario del C/C n. 1234567  -  Importo: 125,50  -  Causale: TASSA RIFIUTI  [ 7 ]");
    EXPECT_EQ(SlipLine(SlipListMode::Reason, s, 7),
              "TASSA RIFIUTI  -  C/C n. 1234567 intestato a ROSSI MARIO  -  Importo: 125,50  [ 7 ]");
    EXPECT_EQ(SlipLine(SlipListMode::Account, s, 7),
              "1234567: C/C intestato a ROSSI MARIO  -  Importo: 125,50  -  Causale: TASSA RIFIUTI  [ 7 ]");

    // Empty fields leave their literals in place.
    EXPECT_EQ(SlipLine(SlipListMode::Opening, slip("3", "", "9", "", "R"), 12),
              "3, euro su C/C n. 9 intestato a   -  Causale: R  [ 12 ]");
    EXPECT_EQ(SlipLine(SlipListMode::Payer, SlipRecord(), 1),
              " ha versato su C/C n.  intestato a   -  Importo: ,  -  Causale:   [ 1 ]");
}

TEST(SlipSearchLines, ModeNamesAreMatchedExactly) {
    EXPECT_EQ(LookupModeName(SlipListMode::Opening), "Apertura");
    EXPECT_EQ(LookupModeName(SlipListMode::Account), "Conto");
    EXPECT_EQ(SlipListModeNamed(QStringLiteral("Causale")), SlipListMode::Reason);
    EXPECT_EQ(SlipListModeNamed(QStringLiteral("causale")), std::nullopt);
    EXPECT_EQ(SlipListModeNamed(QStringLiteral(" Conto")), std::nullopt);
}

TEST(SlipSearchLines, ModeListsAreAlphabeticalWithoutRegardToCase) {
    const QList<SlipRecord> slips{slip("1", "00", "300", "verdi", "b"), slip("2", "00", "20", "ROSSI", "a"),
                                  slip("2", "00", "20", "Rossi", "A")};
    // Equal but for case up to the tail: record 2 before record 3.
    EXPECT_EQ(leads(SlipLines(SlipListMode::Payee, slips)), (QStringList{"ROSSI:", "Rossi:", "verdi:"}));
    EXPECT_EQ(leads(SlipLines(SlipListMode::Account, slips)), (QStringList{"20:", "20:", "300:"}));
    EXPECT_EQ(leads(SlipLines(SlipListMode::Reason, slips)), (QStringList{"a", "A", "b"}));

    QList<SlipRecord> swapped{slips[0], slips[2], slips[1]};
    EXPECT_EQ(leads(SlipLines(SlipListMode::Payee, swapped)), (QStringList{"Rossi:", "ROSSI:", "verdi:"}));
}

TEST(SlipSearchLines, OpeningListIsInAscendingWholeEuros) {
    const QList<SlipRecord> slips{slip("100", "00", "1", "A", "A"), slip("2", "00", "1", "A", "A"),
                                  slip("10", "00", "1", "A", "A")};
    EXPECT_EQ(leads(SlipLines(SlipListMode::Opening, slips)), (QStringList{"2,00", "10,00", "100,00"}));
}

TEST(SlipSearchResort, KeepsTheOrderTheMovesGive) {
    QStringList lines;
    SortListByLeadingNumber(lines);
    EXPECT_TRUE(lines.isEmpty());
    lines = amounts({"7,00"});
    SortListByLeadingNumber(lines);
    EXPECT_EQ(leads(lines), QStringList{"7,00"});

    lines = amounts({"10,00", "100,00", "2,00"});
    SortListByLeadingNumber(lines);
    EXPECT_EQ(leads(lines), (QStringList{"2,00", "10,00", "100,00"}));

    // Equal whole euros do not keep their alphabetical order; cents play no part.
    lines = amounts({"10,00", "10,50", "2,00"});
    SortListByLeadingNumber(lines);
    EXPECT_EQ(leads(lines), (QStringList{"2,00", "10,50", "10,00"}));
    lines = amounts({"5,01", "5,99", "6,00"});
    SortListByLeadingNumber(lines);
    EXPECT_EQ(leads(lines), (QStringList{"5,01", "5,99", "6,00"}));
}

TEST(SlipSearchResort, GivesWhatThePassGivesAndAlwaysEnds) {
    QRandomGenerator random(20120305);
    for (int round = 0; round < 400; ++round) {
        QStringList lines;
        const int count = random.bounded(1, 12);
        for (int i = 0; i < count; ++i)
            lines << QStringLiteral("%1,%2 euro  [ %3 ]").arg(random.bounded(1, 6)).arg(random.bounded(10, 99)).arg(i + 1);
        QStringList resorted = lines;
        SortListByLeadingNumber(resorted);
        ASSERT_EQ(resorted, passAsWritten(lines)) << lines.join(QLatin1Char('|')).toStdString();
    }
}

TEST(SlipSearchResort, WholeEurosAreTheLeadingNumberRounded) {
    EXPECT_EQ(LeadingWholeEuros("125,50 euro su C/C n. 1"), 125);
    EXPECT_EQ(LeadingWholeEuros("00000012,00 euro"), 12);
    EXPECT_EQ(LeadingWholeEuros("1, euro su C/C n. 7"), 1);
    EXPECT_EQ(LeadingWholeEuros("3.5E1 x"), 35);
    EXPECT_EQ(LeadingWholeEuros("0,99 euro"), std::nullopt);
    EXPECT_EQ(LeadingWholeEuros(",50 euro su C/C n. 12"), std::nullopt);
    EXPECT_EQ(LeadingWholeEuros(""), std::nullopt);
}

TEST(SlipSearchResort, LinesWithoutWholeEurosStayOnTopInTheirOrder) {
    // Lines such as these made the pass move them back and forth without end.
    QStringList lines = amounts({",50", "0,49", "0,51", ",86", "3,00", "12,00", "1,00"});
    SortListByLeadingNumber(lines);
    EXPECT_EQ(leads(lines), (QStringList{",50", "0,49", "0,51", ",86", "1,00", "3,00", "12,00"}));
    QStringList again = lines;
    SortListByLeadingNumber(again);
    EXPECT_EQ(again, lines);
}

// ------------------------------------------------------------ the window

namespace {

class SlipSearch : public ::testing::Test {
protected:
    SlipSearch() {
        SetPrintClock([] { return QDateTime(QDate(2012, 3, 5), QTime(9, 7, 2)); });
        SetPrintDateSeparator(QStringLiteral("/"));
    }
    ~SlipSearch() override {
        SetPrintClock({});
        SetPrintDateSeparator(QString());
    }

    TestPlatform tp;

    QString archive() const { return tp.path(kYear + QStringLiteral(".ccp")); }
    void store(const QList<SlipRecord>& slips, const QByteArray& tail = {}) const {
        QFile file(archive());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const SlipRecord& s : slips)
            file.write(s.encode());
        file.write(tail);
    }
    frmBollettini& slipForm() {
        frmBollettini& f = Forms::get<frmBollettini>();
        f.lblFile->setText(kYear);
        return f;
    }
    frmFindValori& search() {
        slipForm();
        frmFindValori& f = Forms::get<frmFindValori>();
        f.show();
        return f;
    }
    static QStringList lines(const frmFindValori& f) {
        QStringList out;
        for (int i = 0; i < f.List1->count(); ++i)
            out << f.List1->text(i);
        return out;
    }
    static void select(frmFindValori& f, const QString& start) {
        for (int i = 0; i < f.List1->count(); ++i)
            if (f.List1->text(i).startsWith(start)) {
                f.List1->setCurrentRow(i);
                return;
            }
        ADD_FAILURE() << "no line " << start.toStdString();
    }

    // A full slip: every field filled, so that a pick can be checked field by field.
    static SlipRecord full(const QString& euros, const QString& payee) {
        SlipRecord r = slip(euros, "25", "00123456", payee, "QUOTA " + payee, "PAGATORE " + payee);
        r.Payee2 = "UFFICIO " + payee;
        r.Reason2 = "SALDO " + payee;
        r.Payer2 = "DITTA " + payee;
        r.Street = "VIA " + payee;
        r.PostCode = "20100";
        r.Town = "MILANO";
        r.Notes = "nota di " + payee;
        return r;
    }
    const QList<SlipRecord> three{full("100", "ROSSI"), full("2", "VERDI"), full("10", "BIANCHI")};
};

} // namespace

TEST_F(SlipSearch, OpensOnTheAmountsInAscendingEurosUnderTheHourglass) {
    store(three);
    frmFindValori& f = search();
    EXPECT_EQ(f.windowTitle(), "Trova bollettino in archivio");
    EXPECT_EQ(leads(lines(f)), (QStringList{"2,25", "10,25", "100,25"}));
    EXPECT_TRUE(lines(f)[0].endsWith("  [ 2 ]"));
    EXPECT_EQ(f.lblMemory->text(), "Apertura");
    EXPECT_FALSE(f.lblMemory->isVisibleTo(&f));
    EXPECT_FALSE(f.lblClick->isVisibleTo(&f));
    EXPECT_EQ(f.lblClick->text(), "Fare doppio clic sulla voce selezionata");
    EXPECT_EQ(f.lblInfo->text(), "Digitare i primi caratteri della voce ricercata.");
    EXPECT_EQ(f.List1->currentRow(), -1);
    for (QPushButton* b : {f.cmdEsecutore, f.cmdTotale, f.cmdCliente, f.cmdData})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(f.cmdTotale->text(), "Intestatario");
    EXPECT_EQ(f.cmdCliente->text(), "Causale");
    EXPECT_EQ(f.cmdData->text(), "C/C");
    EXPECT_EQ(tp.program.busyCalls, 1);
    EXPECT_EQ(tp.program.busyDepth, 0);
}

TEST_F(SlipSearch, MissingOrPartialArchive) {
    frmFindValori& f = search();
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_TRUE(QFile::exists(archive())) << "opening creates the year's archive";
    f.List1_DblClick();
    f.Text1->setText("1");
    EXPECT_EQ(f.List1->currentRow(), -1);
    f.cmdData_Click();
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_FALSE(f.cmdData->isEnabled());
    EXPECT_FALSE(f.isUnloaded());
    f.Unload();

    store({full("5", "ROSSI")}, QByteArray(399, 'x')); // 1000 bytes: one whole record
    frmFindValori& g = search();
    ASSERT_EQ(g.List1->count(), 1);
    EXPECT_TRUE(g.List1->text(0).endsWith("  [ 1 ]"));
}

TEST_F(SlipSearch, ModeButtonsRelistAlphabeticallyAndSwapTheirStates) {
    store(three);
    frmFindValori& f = search();
    f.Text1->setText("2");
    ASSERT_EQ(f.List1->currentRow(), 0);
    ASSERT_TRUE(f.lblClick->isVisibleTo(&f));

    f.cmdTotale_Click();
    EXPECT_EQ(f.lblMemory->text(), "Intestatario");
    EXPECT_EQ(leads(lines(f)), (QStringList{"BIANCHI:", "ROSSI:", "VERDI:"}));
    EXPECT_FALSE(f.cmdTotale->isEnabled());
    EXPECT_TRUE(f.cmdEsecutore->isEnabled() && f.cmdCliente->isEnabled() && f.cmdData->isEnabled());
    EXPECT_EQ(f.List1->currentRow(), -1);
    EXPECT_EQ(f.Text1->text(), "2");
    EXPECT_TRUE(f.lblClick->isVisibleTo(&f)) << "a mode button leaves the hint alone";

    f.cmdEsecutore_Click();
    EXPECT_EQ(f.lblMemory->text(), "Esecutore");
    EXPECT_TRUE(lines(f)[0].startsWith("PAGATORE BIANCHI ha versato su C/C n. 00123456 intestato a BIANCHI"));
    EXPECT_TRUE(f.cmdTotale->isEnabled());
    EXPECT_FALSE(f.cmdEsecutore->isEnabled());
    f.cmdCliente_Click();
    EXPECT_EQ(f.lblMemory->text(), "Causale");
    f.cmdData_Click();
    EXPECT_EQ(f.lblMemory->text(), "Conto");
}

TEST_F(SlipSearch, TypeAheadSelectsTheFirstLineBeginningWithTheTextInAnyCase) {
    store({full("1", "VERDI"), full("2", "ROSSO"), full("3", "ROSSI"), full("4", "BRUNO")});
    frmFindValori& f = search();
    f.cmdTotale_Click();
    QTest::keyClicks(f.Text1, "ro");
    ASSERT_GE(f.List1->currentRow(), 0);
    EXPECT_TRUE(f.List1->text(f.List1->currentRow()).startsWith("ROSSI:"));
    EXPECT_TRUE(f.List1->isRowSelected(f.List1->currentRow()));
    EXPECT_TRUE(f.lblClick->isVisibleTo(&f));

    QTest::keyClicks(f.Text1, "sx");
    EXPECT_EQ(f.List1->currentRow(), -1);
    EXPECT_TRUE(f.List1->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_FALSE(f.lblClick->isVisibleTo(&f));

    f.Text1->setText("UFFICIO"); // inside a line, not at its beginning
    EXPECT_EQ(f.List1->currentRow(), -1);

    f.List1->setCurrentRow(3); // a click shows the hint again
    EXPECT_TRUE(f.lblClick->isVisibleTo(&f));
}

TEST_F(SlipSearch, RowTooltipRepeatsTheLineUnderThePointer) {
    store(three);
    frmFindValori& f = search();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QRect second = f.List1->rowRect(1);
    f.List1_MouseMove(Qt::NoButton, second.center());
    EXPECT_EQ(f.List1->toolTip(), " " + f.List1->text(1) + " ");

    f.List1_MouseMove(Qt::LeftButton, f.List1->rowRect(0).center());
    EXPECT_EQ(f.List1->toolTip(), " " + f.List1->text(1) + " ") << "a held button changes nothing";

    // The row runs the whole width of the list, past the end of its text.
    f.List1_MouseMove(Qt::NoButton, QPoint(f.List1->viewport()->width() - 3, second.center().y()));
    EXPECT_EQ(f.List1->toolTip(), " " + f.List1->text(1) + " ");
    f.List1_MouseMove(Qt::NoButton, QPoint(f.List1->viewport()->width() - 3,
                                           f.List1->rowRect(0).center().y()));
    EXPECT_EQ(f.List1->toolTip(), " " + f.List1->text(0) + " ");

    QTest::mouseMove(f.List1->viewport(), QPoint(5, f.List1->viewport()->height() - 3));
    EXPECT_EQ(f.List1->toolTip(), QString()) << "below the last line";
}

TEST_F(SlipSearch, PickWritesAllThirteenBoxesAndTheRecordNumberThenCloses) {
    store(three);
    frmBollettini& form = slipForm();
    form.txtNote->setText("unsaved typing");
    frmFindValori& f = search();
    f.cmdCliente_Click();
    select(f, "QUOTA BIANCHI");
    f.List1_DblClick();

    const SlipRecord& r = three[2];
    EXPECT_EQ(form.txtCC->text(), r.AccountNumber);
    EXPECT_EQ(form.txtCifre->text(), r.Euros);
    EXPECT_EQ(form.txtCentCifra->text(), r.Cents);
    EXPECT_EQ(form.txtIntestatario01->text(), r.Payee1);
    EXPECT_EQ(form.txtIntestatario02->text(), r.Payee2);
    EXPECT_EQ(form.txtCausale01->text(), r.Reason1);
    EXPECT_EQ(form.txtCausale02->text(), r.Reason2);
    EXPECT_EQ(form.txtMittente01->text(), r.Payer1);
    EXPECT_EQ(form.txtMittente02->text(), r.Payer2);
    EXPECT_EQ(form.txtVia->text(), r.Street);
    EXPECT_EQ(form.txtCAP->text(), r.PostCode);
    EXPECT_EQ(form.txtLuogo->text(), r.Town);
    EXPECT_EQ(form.txtNote->text(), r.Notes);
    EXPECT_EQ(form.lblPosizione->text(), " 3");
    EXPECT_EQ(form.txtCentCifra02->text(), "25") << "the cents copy follows the written cents";
    EXPECT_FALSE(form.Display->text().isEmpty()) << "the euros in words follow the written euros";
    EXPECT_TRUE(f.isUnloaded());
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(SlipSearch, EnterAndTheHintPickAsADoubleClickDoes) {
    store(three);
    frmFindValori& f = search();
    QTest::keyClick(f.Text1, Qt::Key_Return); // nothing selected: nothing happens
    EXPECT_FALSE(f.isUnloaded());
    QTest::keyClicks(f.Text1, "10");
    QTest::keyClick(f.Text1, Qt::Key_Return);
    EXPECT_TRUE(f.isUnloaded());
    EXPECT_EQ(slipForm().lblPosizione->text(), " 3");

    frmFindValori& g = search();
    g.cmdData_Click();
    g.List1->setCurrentRow(0);
    g.lblClick->DblClick();
    EXPECT_TRUE(g.isUnloaded());

    frmFindValori& h = search();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h));
    const QPoint at = h.List1->rowRect(2).center();
    const QPointer<frmFindValori> alive(&h);
    QTest::mouseClick(h.List1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(h.List1->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(!alive || alive->isUnloaded());
    EXPECT_EQ(slipForm().lblPosizione->text(), " 1");
}

TEST_F(SlipSearch, PickWhoseLineNoLongerMatchesWritesNothingAndStaysOpen) {
    store(three);
    frmBollettini& form = slipForm();
    form.lblPosizione->setText(" 9");
    frmFindValori& f = search();
    select(f, "100,25");
    store({three[1], three[2]}); // the archive changed under the list
    f.List1_DblClick();
    EXPECT_FALSE(f.isUnloaded());
    EXPECT_EQ(form.lblPosizione->text(), " 9");
    EXPECT_EQ(form.txtCC->text(), QString());
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(SlipSearch, FailedPickLeavesTheSlipFormAsItWas) {
    store(three);
    frmBollettini& form = slipForm();
    form.txtIntestatario01->setText("SLIP ON SHOW");
    form.lblPosizione->setText(" 9");
    frmFindValori& f = search();
    select(f, "10,25");
    ASSERT_TRUE(QFile::remove(archive()));
    ASSERT_TRUE(QDir().mkdir(archive())); // the archive can no longer be opened
    f.List1_DblClick();

    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, "Impossibile aprire il file.");
    EXPECT_EQ(tp.messages.last().title, "Attenzione: messaggio di errore");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(form.txtIntestatario01->text(), "SLIP ON SHOW");
    EXPECT_EQ(form.txtCC->text(), QString());
    EXPECT_EQ(form.lblPosizione->text(), " 9");
    EXPECT_FALSE(f.isUnloaded());
}

TEST_F(SlipSearch, ClosePictureShowsItsPressedLookThenClosesWritingNothing) {
    store(three);
    frmBollettini& form = slipForm();
    frmFindValori& f = search();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    // Through the window, as the mouse does: the button goes up over a
    // picture other than the one it went down on.
    const QPoint at = f.picChiudi01->geometry().center();
    QTest::mousePress(f.windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(f.picChiudi02->isVisibleTo(&f));
    EXPECT_FALSE(f.picChiudi01->isVisibleTo(&f));
    tp.program.setBusy(true);
    const QPointer<frmFindValori> alive(&f);
    QTest::mouseRelease(f.windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(!alive || alive->isUnloaded());
    EXPECT_EQ(tp.program.busyDepth, 0) << "closing puts the default pointer back";
    EXPECT_EQ(form.lblPosizione->text(), QString());
}

TEST_F(SlipSearch, PrintsTheListAsShownWithTheSlipFormsYear) {
    store(three);
    RecordingPrinter& printer = tp.printer;
    frmFindValori& f = search();
    f.cmdTotale_Click(); // the title does not depend on the layout
    const QStringList shown = lines(f);
    slipForm().lblFile->setText(" 2012 ");

    tp.messages.answers = {MsgAnswer::OK};
    f.picStampa_MouseDown(Qt::LeftButton);
    EXPECT_EQ(f.picStampa->pos(), QPoint(Form::tw(260), Form::tw(4880)));
    f.picStampa_MouseUp(Qt::LeftButton);
    EXPECT_EQ(f.picStampa->pos(), QPoint(Form::tw(240), Form::tw(4860)));
    f.picStampa_Click();

    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().title, "Stampa riepilogo versamenti");
    const QString rule = "    " + QString(65, QLatin1Char('_'));
    QStringList expected{" ", "    Riepilogo versamenti anno 2012", rule, "   "};
    for (const QString& line : shown)
        expected << "     " + line;
    expected << rule << "   " << "     Totale bollettini: 3" << rule
             << "       Scheda stampata in data 05/03/2012 alle ore 09:07:02.";
    EXPECT_EQ(printer.lines(), expected);
    EXPECT_EQ(printer.texts().back().font.size, 10);
    EXPECT_EQ(printer.texts()[4].font.size, 12);
    EXPECT_EQ(printer.texts()[4].orientation, platform::PrintOrientation::Landscape);
    EXPECT_FALSE(f.isUnloaded());
}

TEST_F(SlipSearch, PrintRefusesAnEmptyListAndReportsAFailedJob) {
    RecordingPrinter& printer = tp.printer;
    frmFindValori& f = search();
    f.picStampa_Click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, "La lista non contiene alcuna voce.");
    EXPECT_EQ(tp.messages.last().title, "Attenzione: stampa non applicabile");
    f.Unload();

    store(three);
    printer.failToStart = true;
    frmFindValori& g = search();
    tp.messages.answers = {MsgAnswer::OK};
    g.picStampa_Click();
    ASSERT_EQ(tp.messages.shown.size(), 3u);
    EXPECT_EQ(tp.messages.last().title, "Attenzione: stampa non riuscita");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(g.List1->count(), 3);
}

TEST_F(SlipSearch, SlipFormSearchIconOpensTheSearchModally) {
    store(three);
    frmBollettini& form = slipForm();
    tp.modal.expect("frmFindValori", [](QWidget& w) {
        auto& f = static_cast<frmFindValori&>(w);
        EXPECT_EQ(f.focusWidget(), f.Text1);
        f.Text1->setText("100");
        f.List1_DblClick();
    });
    form.imgCerca_Click();
    EXPECT_EQ(form.lblPosizione->text(), " 1");
    EXPECT_EQ(form.txtIntestatario01->text(), "ROSSI");
}
