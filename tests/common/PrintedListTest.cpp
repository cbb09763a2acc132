#include "common/PrintedList.h"

#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::PrintOrientation;

namespace {

const QString kFailure = QString::fromUtf8("Si è verificato un errore durante l'operazione di stampa.\r\n\r\n"
                                           "Accertarsi che la stampante sia configurata correttamente.");

class PrintedList : public ::testing::Test {
protected:
    PrintedList() {
        SetPrintClock([] { return QDateTime(QDate(2012, 3, 5), QTime(9, 7, 2)); });
        SetPrintDateSeparator(QStringLiteral("/"));
    }
    ~PrintedList() override {
        SetPrintClock({});
        SetPrintDateSeparator(QString());
    }
    TestPlatform tp;
    RecordingPrinter& printer = tp.printer;
};

} // namespace

TEST_F(PrintedList, ClosingLineHasLeadingZerosTheGivenSeparatorAndColons) {
    const QDateTime when(QDate(2009, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(ClosingLineText(QString(), when, QStringLiteral("/")),
              QStringLiteral("Scheda stampata in data 02/01/2009 alle ore 03:04:05."));
    EXPECT_EQ(ClosingLineText(QStringLiteral("       "), when, QStringLiteral(".")),
              QStringLiteral("       Scheda stampata in data 02.01.2009 alle ore 03:04:05."));
}

TEST_F(PrintedList, UserDateSeparatorIsOneMarkBetweenDigits) {
    const QString separator = UserDateSeparator();
    ASSERT_EQ(separator.size(), 1);
    EXPECT_FALSE(separator[0].isLetterOrNumber());
    EXPECT_FALSE(separator[0].isSpace());
}

TEST_F(PrintedList, ClosingLinePrintsInTheFontInForceAndEndsItsLine) {
    printer.setFontSize(10);
    EXPECT_TRUE(PrintClosingLine());
    printer.EndDoc();
    ASSERT_EQ(printer.texts().size(), 1u);
    EXPECT_EQ(printer.texts()[0].text, QStringLiteral("Scheda stampata in data 05/03/2012 alle ore 09:07:02."));
    EXPECT_TRUE(printer.texts()[0].endLine);
    EXPECT_EQ(printer.texts()[0].font.size, 10);
}

TEST_F(PrintedList, LookupListPrintsTitleRuleLinesCountAndClosingLine) {
    tp.messages.answers = {MsgAnswer::OK};
    const QStringList lines{QStringLiteral("ROSSI   -  C/C n. 123  [ Rec. 2 ]"), QStringLiteral("VERDI   -  C/C n.   [ Rec. 1 ]"),
                            QStringLiteral("bianchi   -  C/C n. 9  [ Rec. 3 ]")};
    EXPECT_EQ(PrintLookupList(lines, QStringLiteral("Stampa elenco intestatari"), QStringLiteral("Elenco intestatari")),
              ListPrintOutcome::Printed);

    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, QStringLiteral("Premere OK per dare inizio alla stampa."));
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Stampa elenco intestatari"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::None);
    EXPECT_EQ(tp.messages.last().buttons, MsgButtons::OKCancel);

    const QString rule(30, QLatin1Char('_'));
    const QStringList expected{QStringLiteral(" "), QStringLiteral("Elenco intestatari"), rule, QStringLiteral("   "),
                               lines[0], lines[1], lines[2], rule, QStringLiteral("   "),
                               QStringLiteral("Totale voci in elenco: 3"), rule,
                               QStringLiteral("Scheda stampata in data 05/03/2012 alle ore 09:07:02.")};
    EXPECT_EQ(printer.lines(), expected);

    const std::vector<double> sizes{18, 18, 18, 18, 12, 12, 12, 18, 18, 12, 18, 10};
    const auto texts = printer.texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].font.size, sizes[i]) << i;
        EXPECT_EQ(texts[i].font.name, QStringLiteral("Times New Roman"));
        EXPECT_FALSE(texts[i].font.bold);
        EXPECT_EQ(texts[i].orientation, PrintOrientation::Landscape);
        EXPECT_NEAR(texts[i].xCm, 600 * 2.54 / 1440, 1e-6) << "every line starts 600 twips in";
    }
    EXPECT_EQ(printer.count(RecordingPrinter::Entry::EndDoc), 1);
    EXPECT_TRUE(printer.log.back().succeeded);
}

TEST_F(PrintedList, EmptyListOrCancelPrintsNothingAndLeavesThePrinterAlone) {
    EXPECT_EQ(PrintLookupList(QStringList(), QStringLiteral("Stampa elenco causali"), QStringLiteral("Elenco causali")),
              ListPrintOutcome::EmptyList);
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, QStringLiteral("La lista non contiene nessuna voce."));
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Attenzione: stampa non applicabile"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Exclamation);

    tp.messages.answers = {MsgAnswer::Cancel};
    EXPECT_EQ(PrintLookupList(QStringList{QStringLiteral("A")}, QStringLiteral("Stampa elenco causali"),
                              QStringLiteral("Elenco causali")),
              ListPrintOutcome::Cancelled);
    EXPECT_TRUE(printer.log.empty());
    EXPECT_EQ(printer.orientation(), PrintOrientation::Portrait);
    EXPECT_NE(printer.fontName(), QStringLiteral("Times New Roman"));
}

TEST_F(PrintedList, JobThatCannotStartShowsTheListErrorOnceAndDoesNotHoldTheNextPrint) {
    printer.failToStart = true;
    tp.messages.answers = {MsgAnswer::OK};
    EXPECT_EQ(PrintLookupList(QStringList{QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("Stampa elenco esecutori"),
                              QStringLiteral("Elenco esecutori")),
              ListPrintOutcome::Failed);
    ASSERT_EQ(tp.messages.shown.size(), 2u);
    EXPECT_EQ(tp.messages.last().text, kFailure);
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Attenzione: operazione non eseguibile"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(tp.messages.last().buttons, MsgButtons::OK);
    EXPECT_FALSE(printer.jobFailed()) << "the failed job must be ended";

    // The printer is back: the next print goes through whole.
    printer.failToStart = false;
    tp.messages.answers = {MsgAnswer::OK};
    EXPECT_EQ(PrintLookupList(QStringList{QStringLiteral("A")}, QStringLiteral("Stampa elenco esecutori"),
                              QStringLiteral("Elenco esecutori")),
              ListPrintOutcome::Printed);
    EXPECT_EQ(printer.lines().size(), 10);
}

TEST_F(PrintedList, ListLongerThanAPageGoesOnWithoutRepeatingTheTitle) {
    tp.messages.answers = {MsgAnswer::OK};
    QStringList lines;
    for (int i = 0; i < 120; ++i)
        lines << QStringLiteral("VOCE %1").arg(i, 3, 10, QLatin1Char('0'));
    ASSERT_EQ(PrintLookupList(lines, QStringLiteral("Stampa elenco causali"), QStringLiteral("Elenco causali")),
              ListPrintOutcome::Printed);
    EXPECT_GE(printer.count(RecordingPrinter::Entry::NewPage), 1);
    EXPECT_EQ(printer.lines().count(QStringLiteral("Elenco causali")), 1);
    EXPECT_EQ(printer.lines().filter(QStringLiteral("VOCE ")).size(), 120);
}
