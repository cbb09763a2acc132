#include "platform/Cp1252.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0xE0), QChar(0x00E0)); // a grave
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // A Greek letter, a CJK ideograph and an emoji (a surrogate pair in UTF-16).
    const QString text = QString::fromUtf8("a\u03A9b\u4E2Dc\U0001F600d");
    const QByteArray bytes = toCp1252(text);
    EXPECT_EQ(bytes, QByteArray("a?b?c?d"));
    EXPECT_EQ(fitToCp1252(text), QString("a?b?c?d"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("Perché € 5")), QByteArray("Perch\xE9 \x80 5"));
}

TEST(Cp1252, CapitalsStayOneCharacterEachAndWithinTheCodePage) {
    EXPECT_EQ(upperCp1252(QString::fromUtf8("àèéìòù ÿ abc")), QString::fromUtf8("ÀÈÉÌÒÙ Ÿ ABC"));
    EXPECT_EQ(upperCp1252(QString::fromUtf8("straße µ")), QString::fromUtf8("STRAßE µ"));
}
