#include "common/SortedList.h"

#include <QCollator>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// What the order must be: the collator's, case ignored, equal lines in their
// first order.
QStringList collatorOrder(QStringList lines, const QLocale& locale) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(lines.begin(), lines.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return lines;
}

QStringList randomLines(QRandomGenerator& random, const QString& alphabet, int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        QString line;
        const int length = random.bounded(0, 9);
        for (int k = 0; k < length; ++k)
            line += alphabet[random.bounded(int(alphabet.size()))];
        lines << line;
    }
    return lines;
}

// Lines that differ late, in accents only, in case only, or end where others
// go on, at every distance from the start; with the code page's signs, blanks
// and digits, and repeated lines.
QStringList trickyLines() {
    const QString stems[] = {
        QString(), QStringLiteral("COMUNE DI CITT"), QStringLiteral("TASSA RIFIUTI ANNO 2012 RATA "),
        QStringLiteral("12,50 euro su C/C n. 1000"), QStringLiteral("ROSSI MARIO 1")};
    const QString ends[] = {
        QString(), QStringLiteral("A"), QString::fromUtf8("À"), QString::fromUtf8("à"), QStringLiteral("a"),
        QString::fromUtf8("È 1"), QStringLiteral("E 1"), QString::fromUtf8("é 1"), QStringLiteral(" "),
        QStringLiteral("  "), QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("1 "),
        QString::fromUtf8("€ 5"), QString::fromUtf8("– x"), QString::fromUtf8("“x”"), QString::fromUtf8("Š"),
        QString::fromUtf8("s"), QString::fromUtf8("ž"), QString::fromUtf8("Ÿ"), QString::fromUtf8("ÿ"),
        QString::fromUtf8("ò ò"), QString::fromUtf8("o ò"), QString::fromUtf8("ò o"), QString::fromUtf8("ç°"),
        QStringLiteral("[ 1 ]"), QStringLiteral("-"), QStringLiteral(","), QStringLiteral("."),
        QString::fromUtf8("àèìòù àèìòù"), QString::fromUtf8("aeiou àèìòù"), QString::fromUtf8("àèìòù aeiou")};
    QStringList lines;
    for (const QString& stem : stems)
        for (int cut = 0; cut <= stem.size(); cut += 3)
            for (const QString& end : ends) {
                lines << stem.left(cut) + end;
                lines << (stem.left(cut) + end).toLower();
            }
    lines << lines.mid(0, 50); // repeated lines keep their first order
    QRandomGenerator random(3);
    std::shuffle(lines.begin(), lines.end(), random);
    return lines;
}

} // namespace

TEST(SortedList, OrderIsTheLocaleCollationWithoutCase) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QRandomGenerator random(7);
    // Plain text; accented letters; the code page's signs and letters beyond
    // Latin-1, as reason and slip lines hold them; characters the quick keys
    // leave to the collator (ligatures, a tab).
    const QString alphabets[] = {
        QStringLiteral("aAbB zZ019,.-:[]/'"),
        QString::fromUtf8("aAàÀeEéÈèoòÒçC u,0°£§«"),
        QString::fromUtf8("aAe€–—‘’“”•‰‹ŠšŽžŸ sSzZ-,1"),
        QString::fromUtf8("aAe€ŒœßÆ\t -1"),
    };
    for (const QString& alphabet : alphabets)
        for (int round = 0; round < 30; ++round) {
            QStringList lines = randomLines(random, alphabet, 40);
            const QStringList expected = collatorOrder(lines, italian);
            SortAsListBox(lines, italian);
            ASSERT_EQ(lines, expected) << alphabet.toStdString();
        }
}

TEST(SortedList, TrickyLinesSortAsAPlainCollatorSort) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QStringList lines = trickyLines();
    const QStringList expected = collatorOrder(lines, italian);
    SortAsListBox(lines, italian);
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "at line " << i;

    // Without a collation: the folded characters, equal lines in their order.
    lines = trickyLines();
    QStringList folded = lines;
    std::stable_sort(folded.begin(), folded.end(),
                     [](const QString& a, const QString& b) { return a.toCaseFolded() < b.toCaseFolded(); });
    SortAsListBox(lines, QLocale::c());
    EXPECT_EQ(lines, folded);
}

TEST(SortedList, WithoutACollationTheOrderIsTheFoldedCharacters) {
    QRandomGenerator random(11);
    // Latin-1 only; with characters folded beyond it.
    for (const QString& alphabet : {QString::fromUtf8("aAbZz09 ,éÉàÿ"), QString::fromUtf8("aAbZ0 ,éµ€")})
    for (int round = 0; round < 30; ++round) {
        QStringList lines = randomLines(random, alphabet, 40);
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString& a, const QString& b) { return a.toCaseFolded() < b.toCaseFolded(); });
        SortAsListBox(lines, QLocale::c());
        ASSERT_EQ(lines, expected);
    }
}

TEST(SortedList, SlipAmountsSortAsTextAndCaseTiesKeepTheirOrder) {
    for (const QLocale& locale : {QLocale(QLocale::Italian, QLocale::Italy), QLocale::c()}) {
        QStringList lines{"2,00 euro", "100,00 euro", "10,00 euro", "rossi", "ROSSI", "Rossi"};
        SortAsListBox(lines, locale);
        EXPECT_EQ(lines, (QStringList{"10,00 euro", "100,00 euro", "2,00 euro", "rossi", "ROSSI", "Rossi"}))
            << locale.name().toStdString();
    }
}

TEST(SortedList, TypeAheadFindsTheFirstLineBeginningWithTheText) {
    LineList list;
    FillList(&list, {"BIANCHI", "Rossi Anna", "ROSSI MARIO", "VERDI"});
    EXPECT_EQ(FindLineStarting(list, "ro"), 1);
    EXPECT_EQ(FindLineStarting(list, "ROSSI M"), 2);
    EXPECT_EQ(FindLineStarting(list, "ANNA"), -1);
    EXPECT_EQ(FindLineStarting(list, QString()), -1);
    SelectLine(&list, 2);
    EXPECT_EQ(SelectedLine(list), "ROSSI MARIO");
    SelectLine(&list, -1);
    EXPECT_EQ(SelectedLine(list), QString());
    EXPECT_TRUE(list.selectionModel()->selectedIndexes().isEmpty());
}
