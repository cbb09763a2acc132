#include "shell/PasswordStore.h"

#include "platform/BasicRandom.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

bool allPrintable(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    return true;
}

} // namespace

TEST(PasswordStore, KeyHashIgnoresTheCancellingPositions) {
    EXPECT_EQ(KeyHash(QString()), 0);
    EXPECT_EQ(KeyHash("A"), 0);
    EXPECT_EQ(KeyHash(QString::fromUtf8("\u00C8")), 0);
    EXPECT_EQ(KeyHash("AB"), KeyHash("ZB"));
    EXPECT_NE(KeyHash("AB"), KeyHash("AC"));

    const QString base = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString at21 = base;
    at21[20] = 'z';
    QString at20 = base;
    at20[19] = 'z';
    EXPECT_EQ(KeyHash(base), KeyHash(at21));
    EXPECT_NE(KeyHash(base), KeyHash(at20));

    // Characters are taken as Windows-1252 codes: the euro sign is 0x80.
    EXPECT_EQ(KeyHash(QString::fromUtf8("a\u20AC")), (0x80 << 7) ^ (0x80 << 13));

    QString longKey;
    for (int i = 0; i < 500; ++i)
        longKey.append(QChar(255));
    EXPECT_GE(KeyHash(longKey), 0);
    EXPECT_LE(KeyHash(longKey), 1073741823);
}

TEST(PasswordStore, GoldenStoreOfTheInitialPassword) {
    const QString p = "PIANOFORTEROSA";
    const QString stored = EncodeWithKey(p, p);
    EXPECT_EQ(stored, QString(",<^rS77b8L5)Gr"));
    EXPECT_EQ(DecodeWithKey(p, stored), p);
    EXPECT_EQ(DecodeWithKey("XIANOFORTEROSA", stored), p);
    EXPECT_NE(DecodeWithKey("PIANOFORTEROSB", stored), p);
}

TEST(PasswordStore, OnlyPrintableCharactersAreScrambledAndEachTakesOneDraw) {
    EXPECT_EQ(EncodeWithKey("KEY", QString()), QString());
    EXPECT_EQ(EncodeWithKey("KEY", "A\tB"), EncodeWithKey("KEY", "AB"));
    EXPECT_EQ(EncodeWithKey("KEY", QString::fromUtf8("A\u00C8B\nC")), EncodeWithKey("KEY", "ABC"));
    EXPECT_EQ(DecodeWithKey("KEY", "A\tB"), DecodeWithKey("KEY", "AB"));

    const QString text = QString::fromUtf8(" ~'\"x\u00E0\u00FFy ");
    const QString scrambled = EncodeWithKey("SECRET", text);
    EXPECT_EQ(scrambled.size(), 7);
    EXPECT_TRUE(allPrintable(scrambled));
    EXPECT_TRUE(allPrintable(DecodeWithKey("WRONG KEY", scrambled)));
}

TEST(PasswordStore, ResultDependsOnlyOnKeyAndText) {
    const QString first = EncodeWithKey("PASSWORD", "HELLO WORLD");
    platform::BasicRandom other;
    other.Rnd(-7.0f);
    other.Randomize(99.0);
    other.Rnd(1.0f);
    EncodeWithKey("ANOTHER", "SOMETHING ELSE");
    EXPECT_EQ(EncodeWithKey("PASSWORD", "HELLO WORLD"), first);
    EXPECT_NE(EncodeWithKey("PASSWORE", "HELLO WORLD"), first);
}

TEST(PasswordStore, DecodeUndoesEncodeForPrintableTexts) {
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        QString key;
        QString text;
        const int keyLength = random.bounded(0, 40);
        const int textLength = random.bounded(0, 60);
        for (int i = 0; i < keyLength; ++i)
            key.append(QChar(static_cast<char16_t>(random.bounded(32, 127))));
        for (int i = 0; i < textLength; ++i)
            text.append(QChar(static_cast<char16_t>(random.bounded(32, 127))));
        const QString scrambled = EncodeWithKey(key, text);
        ASSERT_EQ(scrambled.size(), text.size());
        ASSERT_EQ(DecodeWithKey(key, scrambled), text) << qPrintable(key);
    }
}
