#include "services/HelpPrint.h"

#include "support/RecordingPrinter.h"
#include "support/TestPlatform.h"

using Entry = RecordingPrinter::Entry;

namespace {

const QString kRule = QStringLiteral("___________________________________________________________");

class HelpPrintTest : public ::testing::Test {
protected:
    TestPlatform tp;
    RecordingPrinter& rec = tp.printer;
    TextBoxSource body; // Verdana 8.25, left-aligned, as the help window's box
};

TEST_F(HelpPrintTest, EmptyBodyPrintsHeadingAndFooterOnly) {
    rec.setScaleMode(platform::ScaleMode::Centimeters);
    rec.setOrientation(platform::PrintOrientation::Landscape);
    PrintHelpTopic(QStringLiteral(" Argomento  "), body);

    EXPECT_EQ(rec.lines(), (QStringList{" ", " ", " ", "Argomento", " ", " ", kRule, HelpPrintCreditLine(), " "}));
    ASSERT_EQ(rec.log.back().kind, Entry::EndDoc);
    EXPECT_TRUE(rec.log.back().succeeded);
    EXPECT_EQ(rec.count(Entry::EndDoc), 1);
    EXPECT_EQ(kRule.size(), 59);

    const auto t = rec.texts();
    const double indentCm = 600.0 / 1440 * 2.54;
    for (const Entry& e : t) {
        EXPECT_EQ(e.orientation, platform::PrintOrientation::Portrait);
        EXPECT_EQ(e.font.name, QStringLiteral("Verdana"));
        EXPECT_FALSE(e.font.underline);
        EXPECT_FALSE(e.font.strikethru);
        EXPECT_DOUBLE_EQ(e.x, 0) << "lines start at the left origin";
        EXPECT_NEAR(e.xCm, indentCm, 1e-9);
    }
    EXPECT_DOUBLE_EQ(t[3].font.size, 10);
    EXPECT_TRUE(t[3].font.bold);
    EXPECT_DOUBLE_EQ(t[7].font.size, 6);
    EXPECT_FALSE(t[7].font.bold);
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST_F(HelpPrintTest, BodyFollowsTheHeadingInItsOwnFont) {
    body.text = QStringLiteral("Primo paragrafo.\r\n\r\nSecondo paragrafo.");
    PrintHelpTopic(QStringLiteral("Titolo"), body);

    const auto t = rec.texts();
    ASSERT_EQ(t.size(), 12u);
    EXPECT_EQ(t[5].text, QStringLiteral("Primo paragrafo."));
    EXPECT_EQ(t[6].text, QString());
    EXPECT_EQ(t[7].text, QStringLiteral("Secondo paragrafo."));
    EXPECT_DOUBLE_EQ(t[5].x, 600);
    EXPECT_NEAR(t[5].xCm, t[0].xCm, 1e-9) << "body and heading share the indent";
    EXPECT_DOUBLE_EQ(t[5].font.size, 8.25);
    EXPECT_FALSE(t[5].font.bold);
    EXPECT_NEAR(t[5].y, t[4].y + (t[4].y - t[3].y), 1e-6) << "directly under the heading";
    EXPECT_EQ(t[8].text, QStringLiteral(" "));
    EXPECT_EQ(t[9].text, kRule);
    EXPECT_GT(t[8].y, t[7].y);
}

TEST_F(HelpPrintTest, JobThatCannotStartShowsThePrintingError) {
    rec.failToStart = true;
    body.text = QStringLiteral("Testo");
    PrintHelpTopic(QStringLiteral("Titolo"), body);
    ASSERT_EQ(tp.messages.shown.size(), 1u) << "one message, not the body's as well";
    const auto& m = tp.messages.last();
    EXPECT_EQ(m.text,
              QStringLiteral("Accertarsi che la stampante sia collegata al computer e che sia configurata correttamente."));
    EXPECT_EQ(m.title, QStringLiteral("Impossibile eseguire la stampa"));
    EXPECT_EQ(m.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(m.buttons, platform::MsgButtons::OK);
    EXPECT_FALSE(rec.jobFailed()) << "the failed job was ended";
}

} // namespace
