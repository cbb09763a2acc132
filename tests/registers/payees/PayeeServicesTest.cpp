// The payee record on disk and the services of the register cards that talk
// to the outside: the office check, dialling and the Word export.
#include "common/OfficeCheck.h"
#include "common/PayeeRecord.h"
#include "common/PrintedList.h"
#include "registers/CardExport.h"
#include "registers/DialNumber.h"
#include "support/ExportScope.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QLineEdit>
#include <QFileInfo>

using platform::MsgIcon;

namespace {

PayeeRecord everyField() {
    PayeeRecord r;
    r.Payee1 = QStringLiteral("ROSSI MARIO");
    r.Payee2 = QStringLiteral("SECONDA RIGA");
    r.AccountNumber = QStringLiteral("12345678");
    r.HomePhone = QStringLiteral("011 123");
    r.OfficePhone = QStringLiteral("011 456");
    r.FaxNumber = QStringLiteral("011 789");
    r.MobilePhone = QStringLiteral("347 123.45-67");
    r.Email = QStringLiteral("mario.rossi@example.it");
    r.VatNumber = QStringLiteral("00000000018");
    r.TaxCode = QStringLiteral("RSSMRA85T10A562S");
    r.CardNumber = QStringLiteral("4111111111111111");
    r.Notes = QStringLiteral("A & B <srl>");
    return r;
}

} // namespace

TEST(PayeeRecord, FieldsLieAtTheirOffsetsAndRoundTripThroughTheCardsBoxes) {
    const QByteArray bytes = everyField().encode();
    ASSERT_EQ(bytes.size(), 853);
    const struct {
        int offset;
        int width;
        const char* text;
    } expected[] = {{0, 34, "ROSSI MARIO"},       {34, 34, "SECONDA RIGA"},          {68, 12, "12345678"},
                    {80, 20, "011 123"},          {100, 20, "011 456"},              {120, 20, "011 789"},
                    {140, 20, "347 123.45-67"},   {160, 50, "mario.rossi@example.it"}, {210, 11, "00000000018"},
                    {221, 16, "RSSMRA85T10A562S"}, {237, 16, "4111111111111111"},      {253, 600, "A & B <srl>"}};
    for (const auto& e : expected) {
        QByteArray field = QByteArray(e.text);
        field += QByteArray(e.width - field.size(), ' ');
        EXPECT_EQ(bytes.mid(e.offset, e.width), field) << e.text;
    }
    const PayeeRecord r = everyField();
    EXPECT_EQ(PayeeRecord::decode(bytes), r);
    QWidget form;
    for (const BoxBinding<PayeeRecord>& b : PayeeBoxes)
        (new QLineEdit(&form))->setObjectName(QString::fromLatin1(b.box));
    WriteBoxes<PayeeRecord>(form, PayeeBoxes, r);
    EXPECT_EQ(BoxText(FindBox(form, QStringLiteral("txtCodFisc"))), QStringLiteral("RSSMRA85T10A562S"));
    EXPECT_EQ(ReadBoxes<PayeeRecord>(form, PayeeBoxes), r);
}

TEST(PayeeRecord, ReadTrimsBlanksAndCodePageStaysOneBytePerCharacter) {
    PayeeRecord r;
    r.Payee1 = QStringLiteral("  CAFFÈ ROSSI  ");
    r.Payee2 = QString::fromUtf8("ŁÓDŹ"); // outside Windows-1252
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 853);
    const PayeeRecord back = PayeeRecord::decode(bytes);
    EXPECT_EQ(back.Payee1, QString::fromUtf8("CAFFÈ ROSSI"));
    EXPECT_EQ(back.Payee2.size(), 4); // every character kept its place
    EXPECT_EQ(back.AccountNumber, QString());
}

TEST(PayeeRecord, NotesLongerThanTheFieldAreCutNotShifted) {
    PayeeRecord r;
    r.Notes = QString(700, QLatin1Char('x'));
    r.CardNumber = QStringLiteral("1");
    const QByteArray bytes = r.encode();
    EXPECT_EQ(bytes.size(), 853);
    EXPECT_EQ(PayeeRecord::decode(bytes).Notes.size(), 600);
    EXPECT_EQ(PayeeRecord::decode(bytes).CardNumber, QStringLiteral("1"));
}

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
