// The services of the register cards that talk to the outside: the office
// check, dialling and the Word export.
#include "common/OfficeCheck.h"
#include "common/PrintedList.h"
#include "registers/CardExport.h"
#include "registers/DialNumber.h"
#include "support/ExportScope.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFileInfo>

using platform::MsgIcon;

// ------------------------------------------------------------ office check

TEST(OfficeCheck, AsksTheDesktopForTheDocumentTypes) {
    TestPlatform tp;
    tp.desktop.everyTypeHandled = false;
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("Word.Document\\CurVer")));
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("Excel.sheet\\CurVer")));
    tp.desktop.defaults[QString::fromLatin1(platform::kDocxMimeType)] = QStringLiteral("writer.desktop");
    EXPECT_TRUE(RegistryValueExists(QStringLiteral("Word.Document\\CurVer")));
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("Excel.sheet\\CurVer")));
    tp.desktop.defaults[QString::fromLatin1(platform::kXlsxMimeType)] = QStringLiteral("calc.desktop");
    EXPECT_TRUE(RegistryValueExists(QStringLiteral("Excel.sheet\\CurVer")));
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("Word.Document")));
    EXPECT_FALSE(RegistryValueExists(QStringLiteral("Excel.Sheet\\CurVer"))) << "case counts";
    EXPECT_FALSE(RegistryValueExists(QString()));
}

// ------------------------------------------------------------ dialling

TEST(DialNumber, LinkKeepsOnlyWhatADiallerUnderstands) {
    EXPECT_EQ(TelLink(QStringLiteral("347 123.45-67")), QStringLiteral("tel:3471234567"));
    EXPECT_EQ(TelLink(QStringLiteral("  +39 (011) 555-12  ")), QStringLiteral("tel:+3901155512"));
    EXPECT_EQ(TelLink(QStringLiteral("*31#0115")), QStringLiteral("tel:*31%230115"));
    EXPECT_EQ(TelLink(QStringLiteral("011+22")), QStringLiteral("tel:01122"));
    EXPECT_EQ(TelLink(QStringLiteral("011;rm -rf ~ `id` $(reboot)")), QStringLiteral("tel:011"));
    EXPECT_EQ(TelLink(QStringLiteral("casa?a=x&b=y")), QString());
    EXPECT_EQ(TelLink(QStringLiteral("+*#")), QString());
    EXPECT_EQ(TelLink(QString()), QString());
}

TEST(DialNumber, OpensTheTelLinkThroughTheDesktop) {
    TestPlatform tp;
    EXPECT_TRUE(DialNumber(QStringLiteral(" 347 123.45-67 ")));
    EXPECT_EQ(tp.desktop.openedUrls, QStringList{QStringLiteral("tel:3471234567")});
    EXPECT_TRUE(tp.messages.shown.empty());
}

TEST(DialNumber, EveryFailureIsReportedAndNothingIsDialledWithoutDigits) {
    const QString failure = QStringLiteral("Impossibile stabilire una connessione telefonica.");
    {
        TestPlatform tp;
        EXPECT_FALSE(DialNumber(QStringLiteral("centralino")));
        EXPECT_TRUE(tp.desktop.openedUrls.isEmpty());
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().text, failure);
        EXPECT_EQ(tp.messages.last().title, QStringLiteral("Messaggio di errore"));
        EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
    }
    {
        TestPlatform tp;
        tp.desktop.everyTypeHandled = false; // no application for tel: links
        EXPECT_FALSE(DialNumber(QStringLiteral("011 1234")));
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().text, failure);
    }
    {
        TestPlatform tp;
        tp.desktop.canOpen = false; // the handler cannot be started
        EXPECT_FALSE(DialNumber(QStringLiteral("011 1234")));
        ASSERT_EQ(tp.messages.shown.size(), 1u);
        EXPECT_EQ(tp.messages.last().text, failure);
    }
}

// ------------------------------------------------------------ Word export

class CardExportTest : public ::testing::Test {
protected:
    TestPlatform tp;
    QString folder = tp.path(QStringLiteral("Documenti"));
    ExportScope exports{folder};
    static WordCard card() {
        return {QStringLiteral("SCHEDA INTESTATARIO"),
                QStringLiteral("Scheda intestatario"),
                {{QStringLiteral("Intestatario:"), QStringLiteral("ROSSI\r\n")},
                 {QStringLiteral("Note:"), QStringLiteral("A & B <srl>\x01  fine")}}};
    }
};

TEST_F(CardExportTest, DocumentHasTitleTableAndCreationStamp) {
    const platform::DocxDocument doc = CardDocument(card());
    ASSERT_EQ(doc.before.size(), 3);
    EXPECT_EQ(doc.before[0].text, QStringLiteral("SCHEDA INTESTATARIO"));
    EXPECT_EQ(doc.before[0].font, QStringLiteral("Arial"));
    EXPECT_EQ(doc.before[0].points, 14);
    EXPECT_TRUE(doc.before[1].text.isEmpty());
    EXPECT_TRUE(doc.before[2].text.isEmpty());
    ASSERT_EQ(doc.tableRows.size(), 2);
    EXPECT_EQ(doc.tableRows[0].second, QStringLiteral("ROSSI\r\n"));
    // The texts go to the writer as typed; it escapes them.
    EXPECT_EQ(doc.tableRows[1].second, QStringLiteral("A & B <srl>\x01  fine"));
    ASSERT_EQ(doc.after.size(), 2);
    EXPECT_TRUE(doc.after[0].text.isEmpty());
    EXPECT_EQ(doc.after[1].text, QStringLiteral("Scheda creata in data 05/03/2024 alle ore 09:07:02"));
}

TEST_F(CardExportTest, ADocumentThatCannotBeWrittenIsReported) {
    tp.writers.failing = true;
    EXPECT_FALSE(WriteCardToWord(card()));
    EXPECT_TRUE(tp.desktop.openedFiles.isEmpty());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text,
              QStringLiteral("Impossibile salvare il documento nella cartella ") + folder + QLatin1Char('.'));
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Impossibile esportare in Microsoft Word"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
}

TEST_F(CardExportTest, WithoutAnApplicationForDocxWordCountsAsMissing) {
    EXPECT_TRUE(WordIsInstalled());
    EXPECT_TRUE(tp.messages.shown.empty());
    tp.desktop.everyTypeHandled = false;
    EXPECT_FALSE(WordIsInstalled());
    ASSERT_EQ(tp.messages.shown.size(), 1u);
    EXPECT_EQ(tp.messages.last().text,
              QString::fromUtf8("L'applicativo Microsoft Word non è installato su questo computer."));
    EXPECT_EQ(tp.messages.last().title, QStringLiteral("Impossibile esportare in Microsoft Word"));
    EXPECT_EQ(tp.messages.last().icon, MsgIcon::Critical);
}
