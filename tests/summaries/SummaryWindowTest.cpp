#include "common/PictureButton.h"
#include "common/PrintedList.h"
#include "services/Manual.h"
#include "services/frmHelpForm.h"
#include "shell/frmMenu.h"
#include "summaries/SummaryArchive.h"
#include "summaries/frmRiepiloghi.h"
#include "summaries/frmSelezione01.h"
#include "support/RecordingPrinter.h"

#include <QDate>
#include <QScrollBar>
#include <QTest>

using namespace platform;

namespace {

const QString kYearNotice = "Indicare l'anno solare utilizzando quattro cifre.";

class Summaries : public ::testing::Test {
protected:
    TestPlatform tp;

    frmSelezione01& chooser() {
        frmSelezione01& c = Forms::get<frmSelezione01>();
        c.Show();
        return c;
    }
    // The summary window of a year, opened through the chooser.
    frmRiepiloghi& summaryOf(const QString& year) {
        frmSelezione01& c = chooser();
        c.txtAnno->setText(year);
        c.cmdAnno_Click();
        TestPlatform::settle();
        EXPECT_TRUE(Forms::isLoaded<frmRiepiloghi>());
        return Forms::get<frmRiepiloghi>();
    }
    static QStringList entries(const QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
    static void choose(QComboBox* box, const QString& name) {
        const int i = box->findText(name);
        ASSERT_GE(i, 0) << name.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    // Every tooltip the window shows, sorted, joined by "|".
    static std::string toolTips(const QWidget& w) {
        QStringList out;
        for (const QWidget* child : w.findChildren<QWidget*>())
            if (!child->toolTip().isEmpty())
                out << child->toolTip();
        out.sort();
        return out.join('|').toStdString();
    }
    static QStringList lines(const frmRiepiloghi& w) {
        QStringList out;
        for (int i = 0; i < w.lstRiepilogo->count(); ++i)
            out << w.lstRiepilogo->item(i)->text();
        return out;
    }
};

} // namespace

// ------------------------------------------------------------ the chooser

TEST_F(Summaries, TheMenuOpensTheChooserOnThisYearWithoutACloseBox) {
    frmMenu& menu = Forms::get<frmMenu>();
    menu.Show();
    menu.cmdRiepilogo->click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
    ASSERT_TRUE(Forms::isLoaded<frmSelezione01>());
    frmSelezione01& c = *Forms::existing<frmSelezione01>();
    EXPECT_TRUE(c.isVisible());
    EXPECT_EQ(c.txtAnno->text(), QString::number(QDate::currentDate().year()));
    EXPECT_TRUE(c.cmdAnno->isEnabled());
    EXPECT_FALSE(c.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(toolTips(c), " Chiudi | Guida | Impostazioni separatore decimale ") << "the logo has none";

    c.txtAnno->setText(" ");
    EXPECT_FALSE(c.cmdAnno->isEnabled());
}

TEST_F(Summaries, TheChooserTakesFourDigitsOnly) {
    frmSelezione01& c = chooser();
    for (const QString& year : {QString("201"), QString(""), QString("20a6"), QString::fromUtf8("２０２６")}) {
        c.txtAnno->setText(year);
        c.cmdAnno_Click();
        ASSERT_EQ(tp.messages.shown.size(), 1u) << year.toStdString();
        EXPECT_EQ(tp.messages.last().text, kYearNotice);
        EXPECT_EQ(tp.messages.last().title, "Attenzione: formato anno solare non valido");
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Information);
        tp.messages.shown.clear();
        EXPECT_FALSE(Forms::isLoaded<frmRiepiloghi>());
    }
    c.txtAnno->setText("20");
    QTest::keyClicks(c.txtAnno, "x");
    EXPECT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(c.txtAnno->text(), "20");
}

TEST_F(Summaries, EnterInTheYearBoxActsAsAvantiEvenWhileItIsDisabled) {
    frmSelezione01& c = chooser();
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    c.txtAnno->clear();
    ASSERT_FALSE(c.cmdAnno->isEnabled());
    QTest::keyClick(c.txtAnno, Qt::Key_Return);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, kYearNotice);
    EXPECT_EQ(c.focusWidget(), c.txtAnno);
    tp.messages.shown.clear();

    QTest::keyClicks(c.txtAnno, "201");
    QTest::keyClick(c.txtAnno, Qt::Key_Return);
    EXPECT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(c.txtAnno->text(), "201");
    EXPECT_FALSE(Forms::isLoaded<frmRiepiloghi>());
    tp.messages.shown.clear();

    // A fifth digit does not fit; it is not refused with the notice either.
    QTest::keyClicks(c.txtAnno, "65");
    EXPECT_EQ(c.txtAnno->text(), "2016");
    EXPECT_TRUE(tp.messages.shown.empty());
    QTest::keyClick(c.txtAnno, Qt::Key_Return);
    TestPlatform::settle();
    EXPECT_TRUE(tp.messages.shown.empty());
    EXPECT_FALSE(Forms::isLoaded<frmSelezione01>());
    EXPECT_FALSE(Forms::isLoaded<frmMenu>());
    ASSERT_TRUE(Forms::isLoaded<frmRiepiloghi>());
    EXPECT_EQ(Forms::existing<frmRiepiloghi>()->lblFile->text(), "2016");
}

TEST_F(Summaries, TheYearBoxIsWhiteUntilItTakesTheFocus) {
    EXPECT_EQ(Forms::get<frmSelezione01>().txtAnno->backColor(), Colors::White);
    frmSelezione01& c = chooser();
    c.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&c));
    c.txtAnno->setFocus();
    EXPECT_EQ(c.txtAnno->backColor(), Colors::Focus);
    c.cmdAnno->setFocus();
    EXPECT_EQ(c.txtAnno->backColor(), Colors::WindowBackground);
}

TEST_F(Summaries, CloseOrTheWindowManagersCloseBringsBackTheMenu) {
    chooser().cmdChiudi->click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmSelezione01>());
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());
    frmSelezione01& c = chooser();
    Forms::existing<frmMenu>()->Unload();
    TestPlatform::settle();
    c.txtAnno->setText("1999");
    c.close();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmSelezione01>());
    ASSERT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_TRUE(Forms::existing<frmMenu>()->isVisible());
    EXPECT_EQ(chooser().txtAnno->text(), QString::number(QDate::currentDate().year())) << "the typed year is forgotten";
}

TEST_F(Summaries, HelpAndDecimalSettingsOpenAboveTheChooser) {
    frmSelezione01& c = chooser();
    tp.modal.expect("frmHelpForm", [](QWidget& w) {
        EXPECT_EQ(static_cast<frmHelpForm&>(w).lblTitolo->text(), "Riepilogo versamenti");
    });
    c.cmdGuida->click();
    tp.modal.expect("frmSetNumPreven");
    c.picSettings->click();
    TestPlatform::settle();
    EXPECT_TRUE(Forms::isLoaded<frmSelezione01>());

    QStringList titles;
    for (const HelpTopic& t : Manual::Topics())
        titles << t.title;
    EXPECT_TRUE(titles.contains("Riepilogo versamenti"));
}

// ------------------------------------------------------------ the choice page

TEST_F(Summaries, AvantiOpensTheYearsWindowWithItsNameListsOnce) {
    writeArchive(tp, "2026", fourSlips());
    frmRiepiloghi& w = summaryOf("2026");
    EXPECT_FALSE(Forms::isLoaded<frmSelezione01>());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), " Riepilogo versamenti anno solare 2026");
    EXPECT_EQ(w.lblFile->text(), "2026");
    EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(toolTips(w), "") << "the printer picture has none";
    ASSERT_EQ(entries(w.txtPagatore).size(), 2);
    EXPECT_EQ(entries(w.txtPagatore)[0].toUpper(), "BIANCHI ANNA");
    EXPECT_EQ(entries(w.txtPagatore)[1], "ROSSI MARIO");
    EXPECT_EQ(entries(w.txtBeneficiario), (QStringList{"COMUNE DI ROMA", "ENEL ENERGIA"}));
    EXPECT_FALSE(w.cmdAvanti->isEnabled());
    EXPECT_FALSE(w.imgDex->isVisible());

    // A later activation (after a message box, say) keeps the user's choice.
    choose(w.txtPagatore, "ROSSI MARIO");
    w.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.txtPagatore->currentText(), "ROSSI MARIO");
    EXPECT_EQ(w.txtPagatore->count(), 2);
}

TEST_F(Summaries, OptionsAndNamesEnableAvantiAsTheyAreChosen) {
    writeArchive(tp, "2026", fourSlips());
    frmRiepiloghi& w = summaryOf("2026");
    w.optPagatore->click();
    EXPECT_FALSE(w.cmdAvanti->isEnabled()) << "no payer chosen yet";
    EXPECT_EQ(w.optPagatore->palette().color(QPalette::WindowText), vbColor(Colors::DarkRed));

    w.optTutti->click();
    EXPECT_TRUE(w.cmdAvanti->isEnabled());
    EXPECT_FALSE(w.imgDex->isHidden());
    EXPECT_EQ(w.optPagatore->palette().color(QPalette::WindowText), vbColor(Colors::Black));

    choose(w.txtBeneficiario, "ENEL ENERGIA");
    EXPECT_TRUE(w.optBeneficiario->isChecked()) << "choosing a payee moves the option";
    EXPECT_EQ(w.optBeneficiario->palette().color(QPalette::WindowText), vbColor(Colors::DarkRed));
    EXPECT_TRUE(w.cmdAvanti->isEnabled());

    choose(w.txtPagatore, "ROSSI MARIO");
    w.txtBeneficiario->setCurrentIndex(-1);
    w.optBeneficiario->click();
    EXPECT_FALSE(w.cmdAvanti->isEnabled());
    EXPECT_TRUE(w.imgDex->isHidden());
}

TEST_F(Summaries, AYearWithoutArchiveIsCreatedEmptyAndSumsToNothing) {
    frmRiepiloghi& w = summaryOf("2031");
    EXPECT_TRUE(QFile::exists(tp.path("2031.ccp")));
    EXPECT_EQ(w.txtPagatore->count(), 0);
    EXPECT_EQ(w.txtBeneficiario->count(), 0);
    w.optTutti->click();
    w.cmdAvanti->click();
    EXPECT_EQ(w.lstRiepilogo->count(), 0);
    EXPECT_EQ(w.lblNumVers->text(), "0 versamenti eseguiti");
    EXPECT_EQ(w.lblImporto->text(), "0,00");
    EXPECT_EQ(w.horizontalExtent(), 0);

    // Printing it is refused before any question.
    RecordingPrinter printer;
    ScopedPrinter scoped(printer);
    w.cmdStampa->click();
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, "La lista non contiene nessuna voce.");
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(printer.log.empty());
}

// ------------------------------------------------------------ the summaries

TEST_F(Summaries, AllPaymentsListEverySlipWithCountAndExactTotal) {
    writeArchive(tp, "2026", fourSlips());
    frmRiepiloghi& w = summaryOf("2026");
    w.optTutti->click();
    w.cmdAvanti->click();
    EXPECT_TRUE(w.picRiepilogo->isVisible());
    EXPECT_TRUE(w.cmdIndietro->isVisible());
    EXPECT_FALSE(w.cmdAvanti->isEnabled());
    const QStringList l = lines(w);
    ASSERT_EQ(l.size(), 4);
    for (const QString& line : l)
        EXPECT_EQ(line.size(), 144);
    EXPECT_TRUE(l[3].startsWith("ENEL ENERGIA"));
    EXPECT_EQ(w.lblTitolo->text(), "Riepilogo versamenti anno solare 2026");
    EXPECT_EQ(w.lblNumVers->text(), "4 versamenti eseguiti");
    EXPECT_EQ(w.lblImporto->text(), "1370,30");
    EXPECT_GT(w.horizontalExtent(), QFontMetrics(w.lstRiepilogo->font()).horizontalAdvance(l[0]));
    EXPECT_GT(w.lstRiepilogo->horizontalScrollBar()->maximum(), 0) << "the lines are wider than the list";

    // The total follows the user locale's separator.
    w.cmdEsci->click();
    TestPlatform::settle();
    tp.locale.separators = {".", ","};
    frmRiepiloghi& again = summaryOf("2026");
    again.optTutti->click();
    again.cmdAvanti->click();
    EXPECT_EQ(again.lblImporto->text(), "1370.30");
}

TEST_F(Summaries, APayerWrittenInEitherCaseIsOneNameWithAllItsSlips) {
    writeArchive(tp, "2026", fourSlips());
    frmRiepiloghi& w = summaryOf("2026");
    choose(w.txtPagatore, w.txtPagatore->itemText(0));
    w.cmdAvanti->click();
    EXPECT_EQ(lines(w).size(), 3);
    EXPECT_EQ(w.lblImporto->text(), "1244,80");
    EXPECT_EQ(w.lblNumVers->text(), "3 versamenti eseguiti");
    EXPECT_EQ(w.lblTitolo->text().toUpper(), "VERSAMENTI ESEGUITI DA BIANCHI ANNA NELL'ANNO SOLARE 2026");
}

TEST_F(Summaries, ABlankPayerIsOneEmptyEntryThatCannotBeSummarised) {
    QList<SlipRecord> slips = fourSlips();
    slips << summarySlip("ACEA", "1", "ACQUA", "", "7", "00") << summarySlip("ACEA", "1", "ACQUA", "  ", "8", "00");
    writeArchive(tp, "2026", slips);
    frmRiepiloghi& w = summaryOf("2026");
    EXPECT_EQ(entries(w.txtPagatore).count(QString()), 1);
    choose(w.txtPagatore, QString());
    EXPECT_TRUE(w.optPagatore->isChecked());
    EXPECT_FALSE(w.cmdAvanti->isEnabled());
    EXPECT_TRUE(w.imgDex->isHidden());

    // One slip is counted without a singular form.
    choose(w.txtPagatore, "ROSSI MARIO");
    EXPECT_TRUE(w.cmdAvanti->isEnabled());
    w.cmdAvanti->click();
    EXPECT_EQ(w.lstRiepilogo->count(), 1);
    EXPECT_EQ(w.lblNumVers->text(), "1 versamenti eseguiti");
    EXPECT_EQ(w.lblImporto->text(), "125,50");
}

TEST_F(Summaries, APayeesLinesNameThePayerAndBackComesToTheChoice) {
    writeArchive(tp, "2026", fourSlips());
    frmRiepiloghi& w = summaryOf("2026");
    choose(w.txtBeneficiario, "COMUNE DI ROMA");
    w.cmdAvanti->click();
    const QStringList l = lines(w);
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0].size(), 109);
    EXPECT_TRUE(l[1].startsWith("BIANCHI ANNA"));
    EXPECT_EQ(w.lblTitolo->text(), "Versamenti a favore di COMUNE DI ROMA (anno solare 2026)");
    EXPECT_EQ(w.lblImporto->text(), "125,55");

    w.cmdIndietro->click();
    EXPECT_FALSE(w.picRiepilogo->isVisible());
    EXPECT_EQ(w.lstRiepilogo->count(), 0);
    EXPECT_TRUE(w.cmdAvanti->isEnabled());
    EXPECT_TRUE(w.imgDex->isHidden());
    EXPECT_EQ(w.txtBeneficiario->currentText(), "COMUNE DI ROMA");
    EXPECT_EQ(w.lblImporto->text(), "125,55") << "the result labels keep their texts";

    // The archive is read afresh.
    QList<SlipRecord> more = fourSlips();
    more << summarySlip("COMUNE DI ROMA", "1", "IMU", "VERDI LUCA", "100", "");
    writeArchive(tp, "2026", more);
    w.cmdAvanti->click();
    EXPECT_EQ(w.lstRiepilogo->count(), 3);
    EXPECT_EQ(w.lblImporto->text(), "225,55");
}

TEST_F(Summaries, EsciOrTheWindowManagersCloseBringsBackTheMenu) {
    frmRiepiloghi& w = summaryOf("2026");
    w.close();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmRiepiloghi>());
    ASSERT_TRUE(Forms::isLoaded<frmMenu>());
    frmRiepiloghi& again = summaryOf("2026");
    Forms::existing<frmMenu>()->Unload();
    TestPlatform::settle();
    again.cmdEsci->click();
    TestPlatform::settle();
    EXPECT_FALSE(Forms::isLoaded<frmRiepiloghi>());
    EXPECT_TRUE(Forms::isLoaded<frmMenu>());
    EXPECT_FALSE(tp.program.ended());
}

// ------------------------------------------------------------ printing

class SummaryPrinting : public Summaries {
protected:
    RecordingPrinter printer;
    ScopedPrinter scoped{printer};
    void SetUp() override { SetPrintClock([] { return QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7)); }); }
    void TearDown() override { SetPrintClock({}); }
    frmRiepiloghi& allOf2026() {
        writeArchive(tp, "2026", fourSlips());
        frmRiepiloghi& w = summaryOf("2026");
        w.optTutti->click();
        w.cmdAvanti->click();
        return w;
    }
};

TEST_F(SummaryPrinting, PrintsTitleLinesAndCountInCourierWithoutTheTotal) {
    frmRiepiloghi& w = allOf2026();
    SetPrintDateSeparator("/");
    tp.messages.answers = {MsgAnswer::OK};
    w.cmdStampa->click();
    SetPrintDateSeparator(QString());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, "Premere OK per dare inizio alla stampa.");
    EXPECT_EQ(tp.messages.last().title, "Stampa riepilogo versamenti");
    EXPECT_EQ(tp.messages.last().buttons, MsgButtons::OKCancel);

    const QString rule(30, '_');
    QStringList expected{" ", "Riepilogo versamenti anno solare 2026", rule, "   "};
    expected << lines(w);
    expected << rule << "   " << "4 versamenti eseguiti" << rule << "Scheda stampata in data 04/03/2026 alle ore 09:05:07.";
    EXPECT_EQ(printer.lines(), expected);
    const auto texts = printer.texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].font.name, "Courier New") << i;
        EXPECT_EQ(texts[i].font.size, i < 2 ? 12 : 8) << i;
        EXPECT_EQ(texts[i].orientation, PrintOrientation::Landscape);
        EXPECT_NEAR(texts[i].xCm, 600 * 2.54 / 1440, 0.01) << i;
    }
    EXPECT_FALSE(printer.lines().join("\n").contains("1370"));
    EXPECT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 1);
}

TEST_F(SummaryPrinting, CancelPrintsNothingAndAnyButtonOnTheLabelPrints) {
    frmRiepiloghi& w = allOf2026();
    tp.messages.answers = {MsgAnswer::Cancel};
    w.cmdStampa->click();
    EXPECT_TRUE(printer.log.empty());

    QTest::mousePress(w.lblStampa, Qt::RightButton);
    EXPECT_EQ(w.lblStampa->foreColor(), 0x00C000u);
    tp.messages.answers = {MsgAnswer::OK};
    QTest::mouseRelease(w.lblStampa, Qt::RightButton);
    EXPECT_EQ(w.lblStampa->foreColor(), Colors::DarkRed);
    EXPECT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 1);

    tp.messages.answers = {MsgAnswer::OK};
    QTest::mouseClick(w.lblStampa, Qt::LeftButton);
    EXPECT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 2) << "the left button prints once";
    EXPECT_EQ(tp.messages.shown.size(), 3u);
}

TEST_F(SummaryPrinting, ABrokenJobIsEndedAndReported) {
    frmRiepiloghi& w = allOf2026();
    printer.failToStart = true;
    tp.messages.answers = {MsgAnswer::OK};
    w.cmdStampa->click();
    ASSERT_EQ(tp.messages.shown.size(), 2u);
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(tp.messages.last().title, "Attenzione: operazione non eseguibile");
    EXPECT_TRUE(tp.messages.last().text.startsWith("Si è verificato un errore durante l'operazione di stampa."));
    EXPECT_EQ(tp.program.beeps, 1);
    EXPECT_FALSE(printer.jobFailed()) << "the failed job was ended";
    ASSERT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 1);
    EXPECT_FALSE(printer.log.back().succeeded);
    printer.log.clear();

    printer.failToStart = false;
    tp.messages.answers = {MsgAnswer::OK};
    w.cmdStampa->click();
    EXPECT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 1);
    EXPECT_TRUE(printer.log.back().succeeded);
    EXPECT_EQ(printer.lines().size(), 13);
}
