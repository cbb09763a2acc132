#include "checks/Identifiers.h"
#include "checks/Mailto.h"
#include "checks/TaxCodeChars.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(VatNumber, CheckDigitFollowsThePublishedRule) {
    EXPECT_EQ(VatCheckDigit("00000000018"), 8);
    EXPECT_EQ(VatCheckDigit("00000001206"), 6);
    EXPECT_EQ(VatCheckDigit("00000000000"), 0);
    // A real-world number: 12345678903 ends in its check digit 3.
    EXPECT_EQ(VatCheckDigit("12345678903"), 3);
    // Non-digits and missing places count as 0.
    EXPECT_EQ(VatCheckDigit("X000000001"), VatCheckDigit("0000000001"));
    EXPECT_EQ(VatCheckDigit("0000000"), 0);
    EXPECT_EQ(VatDigitAt("12 4", 3), 0);
    EXPECT_EQ(VatDigitAt("1234", 4), 4);
    EXPECT_EQ(VatDigitAt("1234", 5), 0);
}

TEST(VatNumber, OfficeTableHasEveryCodeOnceAndTheGaps) {
    QSet<QString> codes;
    for (const VatOffice& o : VatOfficeTable())
        codes.insert(QString::fromLatin1(o.code));
    EXPECT_EQ(codes.size(), 104);
    for (int c = 1; c <= 102; ++c)
        EXPECT_TRUE(codes.contains(QString::number(c).rightJustified(3, '0'))) << c;
    EXPECT_EQ(VatOfficeName("066"), QString("L'Aquila"));
    EXPECT_EQ(VatOfficeName("101"), VatOfficeName("120"));
    EXPECT_EQ(VatOfficeName("102"), VatOfficeName("121"));
    for (const char* missing : {"000", "103", "119", "122", "999", "1", ""})
        EXPECT_FALSE(VatOfficeName(missing)) << missing;
}

TEST(TaxCode, CheckCharacterOfWellFormedCodes) {
    EXPECT_TRUE(TaxCodeIsRight("AAAAAA00A00A000I"));
    EXPECT_TRUE(TaxCodeIsRight("aaaaaa00a00a000i"));
    EXPECT_FALSE(TaxCodeIsRight("AAAAAA00A00A000X"));
    // A published specimen code.
    EXPECT_TRUE(TaxCodeIsRight("RSSMRA85T10A562S"));
    EXPECT_FALSE(TaxCodeIsRight("RSSMRA85T10A562T"));
    EXPECT_FALSE(TaxCodeIsRight("AAAAAA00A00A000"));
}

TEST(TaxCode, ACodeWithAnythingButLettersAndDigitsIsNeverRight) {
    EXPECT_FALSE(TaxCodeCheckChar(QString(15, '*') + "2"));
    EXPECT_FALSE(TaxCodeIsRight(QString(15, '*') + "2"));
    EXPECT_FALSE(TaxCodeIsRight(QString::fromUtf8("ÀAAAAA00A00A000I")));
    EXPECT_FALSE(TaxCodeIsRight("AAAAA 00A00A000I"));
}

TEST(TaxCode, ForbiddenCharactersBecomeStars) {
    EXPECT_EQ(ForbiddenCharList.size(), 39);
    EXPECT_EQ(FilterForbiddenChars("RSS MRA/85", nullptr), "RSS*MRA*85");
    EXPECT_EQ(FilterForbiddenChars(QString::fromUtf8("àèéìòùç°§£"), nullptr), QString(10, '*'));
    // Capital accented letters are not listed: the check refuses them instead.
    EXPECT_EQ(FilterForbiddenChars(QString::fromUtf8("À"), nullptr), QString::fromUtf8("À"));
    EXPECT_EQ(FilterForbiddenChars("ABC123", nullptr), "ABC123");

    QLineEdit box;
    box.setText("AB*CD");
    box.setCursorPosition(1);
    EXPECT_EQ(FilterForbiddenChars(box.text(), &box), "AB*CD");
    EXPECT_EQ(box.cursorPosition(), 5) << "a listed character puts the caret at the end";
    box.setText("ABCD");
    box.setCursorPosition(1);
    FilterForbiddenChars(box.text(), &box);
    EXPECT_EQ(box.cursorPosition(), 1);
}

TEST(Card, IsEvenWhateverTheSign) {
    EXPECT_TRUE(IsEven(-4));
    EXPECT_FALSE(IsEven(-3));
    EXPECT_FALSE(IsEven(7));
}

TEST(Card, LuhnChecksum) {
    EXPECT_TRUE(LuhnCheck("4111111111111111"));
    EXPECT_FALSE(LuhnCheck("4111111111111112"));
    EXPECT_TRUE(LuhnCheck("340000000000009"));
    EXPECT_TRUE(LuhnCheck("79927398713"));
    EXPECT_FALSE(LuhnCheck("79927398710"));
    EXPECT_TRUE(LuhnCheck("0000000000000000"));
    EXPECT_TRUE(LuhnCheck("ABCD"));
    EXPECT_TRUE(LuhnCheck(""));
    // A non-digit keeps its place in the alternation.
    EXPECT_TRUE(LuhnCheck("7992739871X3") == LuhnCheck("799273987103"));
}

TEST(Card, TypeFromLeadingDigitsAndLength) {
    const std::pair<const char*, const char*> cases[] = {
        {"4111111111111111", "Visa"},
        {"340000000000009", "American Express"},
        {"370000000000002", "American Express"},
        {"36000000000000", "Diners Club"},
        {"38000000000000", "Carte Blanche"},
        {"5500000000000004", "Master Card"},
        {"201400000000009", "EnRoute"},
        {"213100000000000", "JCB"},
        {"180000000000000", "JCB"},
        {"6011000000000004", "Discover"},
        {"5610000000000001", "Australian BankCard"},
        {"561000000000001", "sconosciuto"},
        {"30000000000004", "American Diners Club"},
        {"3500000000000009", "JCB"},
        {"3060000000000000", "JCB"},
        {"4000000000006", "sconosciuto"},
        {"0000000000000000", "sconosciuto"},
        {"ABCDEFGHIJKLMNOP", "sconosciuto"},
        {" 411111111111111", "sconosciuto"},
        {"+411111111111111", "sconosciuto"},
    };
    for (const auto& [number, type] : cases)
        EXPECT_EQ(CardType(number), QString(type)) << number;
}

TEST(Mailto, EncodesEveryValueAsUtf8) {
    EXPECT_EQ(MailtoEncode("Rata 50% & saldo?"), "Rata%2050%25%20%26%20saldo%3F");
    EXPECT_EQ(MailtoEncode("a-b.c_d~e@f,g"), "a-b.c_d~e@f,g");
    EXPECT_EQ(MailtoEncode("#=+;/:'\"`$()"), "%23%3D%2B%3B%2F%3A%27%22%60%24%28%29");
    EXPECT_EQ(MailtoEncode(QString::fromUtf8("€ 日")), "%E2%82%AC%20%E6%97%A5");
    EXPECT_EQ(MailtoEncode("a\nb\r\nc\rd"), "a%0D%0Ab%0D%0Ac%0D%0Ad");
}

TEST(Mailto, ParametersInOrderEmptyOnesLeftOut) {
    EXPECT_EQ(MailtoLink("a@b.it", "", "", "", ""), "mailto:a@b.it");
    EXPECT_EQ(MailtoLink("a@b.it", "", "ciao", "", ""), "mailto:a@b.it?Body=ciao");
    EXPECT_EQ(MailtoLink("a@b.it", "", "", "c@d.it", ""), "mailto:a@b.it?CC=c@d.it");
    EXPECT_EQ(MailtoLink("a@b.it", "   ", "", "", ""), "mailto:a@b.it?Subject=%20%20%20");
    EXPECT_EQ(MailtoLink("a@b.it", "s", "t", "c", "b"), "mailto:a@b.it?Subject=s&Body=t&CC=c&BCC=b");
    EXPECT_EQ(MailtoLink("", "s", "", "", ""), "mailto:?Subject=s");
    // A query typed into the address adds no recipient.
    EXPECT_EQ(MailtoLink("a@b.it?bcc=x@y.it", "", "", "", ""), "mailto:a@b.it%3Fbcc%3Dx@y.it");
}
