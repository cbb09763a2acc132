#include "services/PrintTextBox.h"

#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

#include <QPlainTextEdit>

using Entry = RecordingPrinter::Entry;

namespace {

constexpr double kLeft = 600;
constexpr double kTop = 300;
constexpr double kBottom = 10;

class PrintTextBoxTest : public ::testing::Test {
protected:
    TestPlatform tp;
    RecordingPrinter& rec = tp.printer;
    TextBoxSource box;

    void SetUp() override {
        rec.setScaleMode(platform::ScaleMode::Twips);
        box.fontName = QStringLiteral("Courier New"); // every character as wide as the next
        box.fontSize = 10;
    }
    // Width of a text in the box's font.
    double width(const QString& text) {
        rec.setFontName(box.fontName);
        rec.setFontSize(box.fontSize);
        rec.setFontBold(box.fontBold);
        return rec.TextWidth(text);
    }
    // Right margin that leaves exactly `printable` between the margins.
    double rightFor(double printable) { return rec.scaleWidth() - kLeft - printable; }
    bool print(const QString& text, double printable) {
        box.text = text;
        return PrintTextBox(box, kLeft, rightFor(printable), kTop, kBottom, false);
    }
};

TEST_F(PrintTextBoxTest, LineThatFitsPrintsUnchangedAtTheMargins) {
    const QString text = QStringLiteral("  Uno due tre");
    ASSERT_TRUE(print(text, width(text))); // exactly as wide still fits
    ASSERT_EQ(rec.lines(), QStringList{text});
    const Entry e = rec.texts().front();
    EXPECT_DOUBLE_EQ(e.x, kLeft);
    EXPECT_DOUBLE_EQ(e.y, kTop);
    EXPECT_EQ(e.font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(rec.count(Entry::EndDoc), 0) << "the caller's job is not ended";
}

TEST_F(PrintTextBoxTest, BreaksAfterTheLastBlankThatFits) {
    ASSERT_TRUE(print(QStringLiteral("aaa   bbb"), width(QStringLiteral("aaa  ")) + 1));
    EXPECT_EQ(rec.lines(), (QStringList{QStringLiteral("aaa   "), QStringLiteral("bbb")}));
    rec.log.clear();
    ASSERT_TRUE(print(QStringLiteral("aaa   bbb"), width(QStringLiteral("aaa ")) + 1));
    EXPECT_EQ(rec.lines(), (QStringList{QStringLiteral("aaa  "), QStringLiteral("bbb")}));
}

TEST_F(PrintTextBoxTest, LineBreaksGiveEmptyLines) {
    ASSERT_TRUE(print(QStringLiteral("uno\r\n\r\ndue\r\n"), 5000));
    EXPECT_EQ(rec.lines(), (QStringList{"uno", "", "due", ""}));
    const auto t = rec.texts();
    const double h = rec.TextHeight(QString());
    for (size_t i = 0; i < t.size(); ++i)
        EXPECT_NEAR(t[i].y, kTop + static_cast<double>(i) * h, 1e-6);
}

TEST_F(PrintTextBoxTest, WordWiderThanTheLineIsSplitWithNothingLost) {
    ASSERT_TRUE(print(QStringLiteral("abcdefghij xy"), width(QStringLiteral("abcd")) + 1));
    EXPECT_EQ(rec.lines(), (QStringList{"abcd", "efgh", "ij ", "xy"}));
}

TEST_F(PrintTextBoxTest, CharacterWiderThanThePageIsPrintedAlone) {
    ASSERT_TRUE(print(QStringLiteral("ab cd"), width(QStringLiteral("a")) - 1));
    EXPECT_EQ(rec.lines(), (QStringList{"a", "b", "c", "d"}));
}

TEST_F(PrintTextBoxTest, TabLedRestNeverLoops) {
    ASSERT_TRUE(print(QStringLiteral("ab\tcdefghij klm"), width(QStringLiteral("abcd")) + 1));
    EXPECT_EQ(rec.lines(), (QStringList{"ab\t", "\t", "cdef", "ghij ", "klm"}));
}

TEST_F(PrintTextBoxTest, RightAndCentreAlignmentCountTheBreakingBlank) {
    const double printable = width(QStringLiteral("aaaa")) + 1;
    box.alignment = 1;
    ASSERT_TRUE(print(QStringLiteral("aaa bbb"), printable));
    auto t = rec.texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, QStringLiteral("aaa "));
    EXPECT_NEAR(t[0].x, rec.scaleWidth() - rightFor(printable) - width(QStringLiteral("aaa ")), 1e-6);
    EXPECT_NEAR(t[1].x, rec.scaleWidth() - rightFor(printable) - width(QStringLiteral("bbb")), 1e-6);

    rec.log.clear();
    box.alignment = 2;
    ASSERT_TRUE(print(QStringLiteral("aaa bbb"), printable));
    t = rec.texts();
    EXPECT_NEAR(t[0].x, (printable - width(QStringLiteral("aaa "))) / 2 + kLeft, 1e-6);
}

TEST_F(PrintTextBoxTest, NewPageStartsAtTheTopMargin) {
    width(QString()); // the box's font
    const double h = rec.TextHeight(QString());
    rec.setSheetTwips(11906, kTop + 3.5 * h + kBottom); // room for three lines
    ASSERT_TRUE(print(QStringLiteral("1\r\n2\r\n3\r\n4"), 5000));
    ASSERT_EQ(rec.count(Entry::NewPage), 1);
    const auto t = rec.texts();
    EXPECT_EQ(t[2].page, 1);
    EXPECT_EQ(t[3].page, 2);
    EXPECT_DOUBLE_EQ(t[3].y, kTop);
}

TEST_F(PrintTextBoxTest, ContinuesBelowWhatIsAlreadyOnThePage) {
    rec.setCurrentY(2000);
    ASSERT_TRUE(print(QStringLiteral("testo"), 5000));
    EXPECT_DOUBLE_EQ(rec.texts().front().y, 2000);
}

TEST_F(PrintTextBoxTest, NothingToPrintReturnsFalseUntouched) {
    rec.setFontName(QStringLiteral("Arial"));
    box.text = QStringLiteral("testo");
    EXPECT_FALSE(PrintTextBox(box, kLeft, kLeft, kTop, kBottom, true)) << "empty selection";
    box.text.clear();
    EXPECT_FALSE(PrintTextBox(box, kLeft, kLeft, kTop, kBottom, false));
    EXPECT_EQ(rec.fontName(), QStringLiteral("Arial"));
    box.text = QStringLiteral("testo");
    EXPECT_FALSE(PrintTextBox(box, rec.scaleWidth() / 2, rec.scaleWidth() / 2, kTop, kBottom, false));
    EXPECT_FALSE(PrintTextBox(box, kLeft, kLeft, rec.scaleHeight() - 10, 10, false));
    EXPECT_TRUE(rec.log.empty());
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(PrintTextBoxTest, SelectionOnlyPrintsTheSelection) {
    box.text = QStringLiteral("tutto il testo");
    box.selectedText = QStringLiteral("il");
    ASSERT_TRUE(PrintTextBox(box, kLeft, kLeft, kTop, kBottom, true));
    EXPECT_EQ(rec.lines(), QStringList{"il"});
}

TEST_F(PrintTextBoxTest, FailedPrintIsReported) {
    rec.failToStart = true;
    EXPECT_FALSE(print(QStringLiteral("uno\r\ndue"), 5000));
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text, QStringLiteral("Si è verificato un errore durante l'operazione di stampa."));
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Attenzione!"));
    EXPECT_EQ(tp.messages.last().icon, platform::MsgIcon::Critical);
}

TEST(TextBoxSourceTest, ReadsTheBoxWithCrLfLineBreaks) {
    QPlainTextEdit edit;
    edit.setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    edit.setPlainText(QStringLiteral("uno\r\ndue\ntre"));
    QTextCursor c = edit.textCursor();
    c.setPosition(2);
    c.setPosition(6, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
    const TextBoxSource s = textBoxSource(edit);
    EXPECT_EQ(s.text, QStringLiteral("uno\r\ndue\r\ntre"));
    EXPECT_EQ(s.selectedText, QStringLiteral("o\r\ndu"));
    EXPECT_EQ(s.fontName, QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(s.fontSize, 9);
    EXPECT_TRUE(s.fontBold);
    EXPECT_EQ(s.alignment, 0);
}

} // namespace
