#include "summaries/SummaryLists.h"

#include "summaries/SummaryArchive.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

SlipRecord amount(const QString& euros, const QString& cents) {
    return summarySlip("P", "1", "R", "X", euros, cents);
}

qint64 totalOf(std::initializer_list<SlipRecord> slips) {
    return BuildSummary(SummaryKind::All, QList<SlipRecord>(slips)).cents;
}

} // namespace

// ------------------------------------------------------------ lines

TEST(SummaryLines, AllAndPayerLinesAreFixedColumnsOf144Characters) {
    const SlipRecord s = fourSlips()[0];
    const QString line = SummaryLine(SummaryKind::All, s);
    ASSERT_EQ(line.size(), 144);
    EXPECT_EQ(line, QString("COMUNE DI ROMA").leftJustified(34) + "  -  C/C n. 000012345678" + "  -  " +
                        QString("TASSA RIFIUTI").leftJustified(60) + "  -  Euro " + "125,50     ");
    EXPECT_EQ(SummaryLine(SummaryKind::ByPayer, s), line) << "the payer's lines show the payee";
}

TEST(SummaryLines, PayeeLinesCarryThePayerAndNoAccount) {
    const QString line = SummaryLine(SummaryKind::ByPayee, fourSlips()[2]);
    ASSERT_EQ(line.size(), 109);
    EXPECT_EQ(line, QString("BIANCHI ANNA").leftJustified(23) + "  -  " + QString("MULTA").leftJustified(60) +
                        "  -  Euro " + "0,05       ");
}

TEST(SummaryLines, BlankAmountShowsACommaAndFullWidthFieldsKeepTheirColumns) {
    SlipRecord s = amount("", "");
    EXPECT_TRUE(SummaryLine(SummaryKind::All, s).endsWith("  -  Euro ," + QString(10, ' ')));
    s.Payee1 = QString(34, 'A');
    s.Reason1 = QString(60, 'B');
    s.AccountNumber = QString(12, '9');
    s.Euros = "99999999";
    s.Cents = "99";
    const QString line = SummaryLine(SummaryKind::All, s);
    EXPECT_EQ(line.size(), 144);
    EXPECT_TRUE(line.endsWith("Euro 99999999,99"));
}

// ------------------------------------------------------------ totals

TEST(SummaryTotals, AreExactCentsFromTheDigitFields) {
    EXPECT_EQ(totalOf({}), 0);
    EXPECT_EQ(totalOf({amount("10", "25"), amount("0", "05")}), 1030);
    EXPECT_EQ(totalOf({amount("12", "50"), amount("7", "50")}), 2000);
    EXPECT_EQ(totalOf({amount("125", "5")}), 12550) << "one cents digit is tenths";
    EXPECT_EQ(totalOf({amount("", "40"), amount("3", "")}), 340);
    // A million of the largest amounts neither drifts nor overflows.
    QList<SlipRecord> huge(1000000, amount("99999999", "99"));
    EXPECT_EQ(BuildSummary(SummaryKind::All, huge).cents, 9999999999LL * 1000000);
}

TEST(SummaryTotals, AFieldThatIsNotDigitsAddsNothingButItsSlipIsListed) {
    const QList<SlipRecord> slips{amount("12a", "00"), amount("", ""),      amount("5", "-1"),
                                  amount("1.5", "00"), amount(" 7", "00"), amount("٣", "00"),
                                  amount("2", "00")};
    const Summary s = BuildSummary(SummaryKind::All, slips);
    EXPECT_EQ(s.lines.size(), slips.size());
    EXPECT_EQ(s.cents, 200);
}

TEST(SummaryTotals, ShowAsEurosWithTheGivenSeparatorAndNoGrouping) {
    EXPECT_EQ(FormatCents(0, ","), "0,00");
    EXPECT_EQ(FormatCents(2000, ","), "20,00");
    EXPECT_EQ(FormatCents(123450, ","), "1234,50");
    EXPECT_EQ(FormatCents(137030, "."), "1370.30");
    EXPECT_EQ(FormatCents(5, ","), "0,05");
    EXPECT_EQ(FormatCents(9999999999LL * 1000000, ","), "99999999990000,00") << "no exponent form";
}

TEST(SummaryTotals, RoundHalfUpGoesTowardsPlusInfinity) {
    EXPECT_DOUBLE_EQ(RoundHalfUp(10.3, 2), 10.3);
    EXPECT_DOUBLE_EQ(RoundHalfUp(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(RoundHalfUp(-2.5, 0), -2);
    EXPECT_DOUBLE_EQ(RoundHalfUp(1.234, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundHalfUp(1.2351, 2), 1.24);
    EXPECT_DOUBLE_EQ(RoundHalfUp(1250, -2), 1300);
}

// ------------------------------------------------------------ filters and names

TEST(SummaryFilters, MatchNamesWithoutRegardToCaseOrOuterBlanks) {
    const QList<SlipRecord> slips = fourSlips();
    const Summary payer = BuildSummary(SummaryKind::ByPayer, slips, "  bianchi anna ");
    EXPECT_EQ(payer.lines.size(), 3);
    EXPECT_EQ(payer.cents, 124480);
    const Summary payee = BuildSummary(SummaryKind::ByPayee, slips, "COMUNE DI ROMA");
    ASSERT_EQ(payee.lines.size(), 2);
    EXPECT_EQ(payee.cents, 12555);
    EXPECT_TRUE(payee.lines[0].startsWith("ROSSI MARIO"));
    EXPECT_TRUE(BuildSummary(SummaryKind::ByPayer, slips, "BIANCHI").lines.isEmpty());
    EXPECT_TRUE(SameName(" Àlfa ", "àLFA"));
    EXPECT_FALSE(SameName("ALFA", "ALFA B"));
}

TEST(SummaryNames, DuplicatesWithoutRegardToCaseLeaveOneEach) {
    QStringList items{"A", "a", "A", "b"};
    RemoveDuplicateItems(items);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].toLower(), "a");
    EXPECT_EQ(items[1], "b");

    QStringList same(200, "ROSSI MARIO");
    RemoveDuplicateItems(same);
    EXPECT_EQ(same, QStringList{"ROSSI MARIO"});

    QStringList withEmpty{"", "X", "x", "Y", ""};
    RemoveDuplicateItems(withEmpty);
    EXPECT_EQ(withEmpty, (QStringList{"", "X", "Y"}));
}

TEST(SummaryNames, TheComboListsEachNameOnceInListOrder) {
    QComboBox box;
    box.addItems(SlipNames(SummaryKind::ByPayer, fourSlips()));
    box.addItems({"", "alpha", "ALPHA"});
    RemoveDuplicateItems(&box);
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], "");
    EXPECT_EQ(items[1].toLower(), "alpha");
    EXPECT_EQ(items[2].toUpper(), "BIANCHI ANNA");
    EXPECT_EQ(items[3], "ROSSI MARIO");
    EXPECT_EQ(box.currentIndex(), -1) << "nothing chosen";
}

TEST(SummaryNames, ComeTrimmedInFileOrder) {
    QList<SlipRecord> slips = fourSlips();
    slips[0].Payee1 = "  ACEA  ";
    EXPECT_EQ(SlipNames(SummaryKind::ByPayee, slips),
              (QStringList{"ACEA", "ENEL ENERGIA", "COMUNE DI ROMA", "ENEL ENERGIA"}));
}

// The window's name lists, read from the archive with the duplicates gone
// before the lists are filled, hold what filling them with every slip's name
// and then removing the duplicates gave: the same entries (which spelling of
// a name stays, blanks, accents, the code page's signs), in the same order.
TEST(SummaryNames, FromTheArchiveAreTheEntriesOfTheWholeListDeduplicated) {
    TestPlatform tp;
    QList<SlipRecord> slips = fourSlips();
    for (const char* name : {"rossi mario", "  Àlfa Bèta ", "ÀLFA BÈTA", "", "D’ANGELO – €", "d’angelo – €", "Zeta",
                             "alfa beta", "ROSSI MARIO"}) {
        SlipRecord s = fourSlips()[1];
        s.Payer1 = QString::fromUtf8(name);
        s.Payee1 = QString::fromUtf8(name).toUpper();
        slips << s;
    }
    writeArchive(tp, "2026", slips);
    const QList<SlipRecord> read = ReadYearSlips("2026");
    const YearNames names = ReadYearNames("2026");
    for (SummaryKind kind : {SummaryKind::ByPayer, SummaryKind::ByPayee}) {
        QComboBox whole;
        whole.addItems(SlipNames(kind, read));
        RemoveDuplicateItems(&whole);
        QComboBox once;
        once.addItem("left over");
        SetNameEntries(&once, kind == SummaryKind::ByPayer ? names.payers : names.payees);
        ASSERT_EQ(once.count(), whole.count());
        for (int i = 0; i < whole.count(); ++i)
            EXPECT_EQ(once.itemText(i), whole.itemText(i)) << i;
        EXPECT_EQ(once.currentIndex(), -1);
    }
}

// The archive's names are told apart by their bytes. Every byte of the code
// page, alone, doubled, between blanks and after a capital or a small letter,
// gives the names that decoding every slip and keeping the first of each
// group of the same name (SameName) gives: the same spellings, in file order.
// The fields are written as they are, leading blanks too, as an archive of
// the old program may hold them. The payees come in the reverse order, so
// that the other spelling of a pair such as "À" and "à" comes first.
TEST(SummaryNames, FromTheArchiveEveryByteIsTheNameItDecodesTo) {
    TestPlatform tp;
    QList<QByteArray> fields;
    for (int b = 0; b < 256; ++b) {
        const QByteArray c(1, char(b));
        fields << c << c + c << "  " + c + " " << "X" + c << "x" + c;
    }
    QFile archive(tp.path("2026.ccp"));
    ASSERT_TRUE(archive.open(QIODevice::WriteOnly));
    const auto put = [](QByteArray& record, QString SlipRecord::* field, const QByteArray& bytes) {
        const QByteArrayView old = SlipRecord::fieldBytes(record, field);
        record.replace(old.data() - record.constData(), old.size(), bytes.leftJustified(old.size(), ' '));
    };
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QByteArray record = fourSlips()[0].encode();
        put(record, &SlipRecord::Payer1, fields[i]);
        put(record, &SlipRecord::Payee1, fields[fields.size() - 1 - i]);
        archive.write(record);
    }
    archive.close();
    const QList<SlipRecord> read = ReadYearSlips("2026");
    ASSERT_EQ(read.size(), fields.size());
    const YearNames names = ReadYearNames("2026");
    for (SummaryKind kind : {SummaryKind::ByPayer, SummaryKind::ByPayee}) {
        QStringList firsts;
        for (const QString& name : SlipNames(kind, read))
            if (std::none_of(firsts.begin(), firsts.end(), [&](const QString& kept) { return SameName(kept, name); }))
                firsts << name;
        EXPECT_EQ(kind == SummaryKind::ByPayer ? names.payers : names.payees, firsts);
    }
    // Capitals and small letters of the code page are one name, each other
    // byte a name of its own.
    EXPECT_EQ(names.payers.count(QString::fromUtf8("À")) + names.payers.count(QString::fromUtf8("à")), 1);
    EXPECT_EQ(names.payers.count(QString::fromUtf8("Š")) + names.payers.count(QString::fromUtf8("š")), 1);
    EXPECT_TRUE(names.payers.contains(QString::fromUtf8("ß")) && names.payers.contains("?"));
}

// A year of thousands of names, each written again in small letters further
// on, lists each name once, as deduplicating the whole list does; filled
// again, a box holds the new names only.
TEST(SummaryNames, ManyNamesFromTheArchiveAreEachListedOnce) {
    TestPlatform tp;
    QList<SlipRecord> slips;
    for (int i = 0; i < 3000; ++i) {
        SlipRecord s = fourSlips()[i % 4];
        s.Payer1 = QStringLiteral("ROSSI MARIO %1").arg(i % 2000);
        s.Payee1 = QStringLiteral("ENTE %1").arg(i % 2500);
        if (i >= 2000)
            s.Payer1 = s.Payer1.toLower();
        slips << s;
    }
    writeArchive(tp, "2026", slips);
    const YearNames names = ReadYearNames("2026");
    EXPECT_EQ(names.payers.size(), 2000);
    EXPECT_EQ(names.payees.size(), 2500);
    EXPECT_EQ(names.payers.first(), "ROSSI MARIO 0");
    EXPECT_EQ(names.payers.last(), "ROSSI MARIO 1999");
    QComboBox box;
    SetNameEntries(&box, {"ZETA", "alfa"});
    const QList<SlipRecord> read = ReadYearSlips("2026");
    for (SummaryKind kind : {SummaryKind::ByPayer, SummaryKind::ByPayee}) {
        QComboBox whole;
        whole.addItems(SlipNames(kind, read));
        RemoveDuplicateItems(&whole);
        SetNameEntries(&box, kind == SummaryKind::ByPayer ? names.payers : names.payees);
        ASSERT_EQ(box.count(), whole.count());
        for (int i = 0; i < whole.count(); ++i)
            ASSERT_EQ(box.itemText(i), whole.itemText(i)) << i;
        EXPECT_EQ(box.currentIndex(), -1);
    }
}

// Each summary read from the archive, decoding only the fields it shows, is
// the summary of the whole slips.
TEST(SummaryArchive, ASummaryReadFromTheArchiveIsTheSummaryOfTheWholeSlips) {
    TestPlatform tp;
    writeArchive(tp, "2026", fourSlips(), QByteArray(17, 'x'));
    const QList<SlipRecord> slips = ReadYearSlips("2026");
    for (const auto& [kind, name] : {std::pair{SummaryKind::All, QString()}, {SummaryKind::ByPayer, QString("bianchi anna")},
                                     {SummaryKind::ByPayee, QString(" ENEL ENERGIA")}}) {
        const Summary whole = BuildSummary(kind, slips, name);
        const Summary read = ReadYearSummary(kind, "2026", name);
        EXPECT_EQ(read.lines, whole.lines);
        EXPECT_EQ(read.cents, whole.cents);
        EXPECT_FALSE(read.lines.isEmpty());
    }
    EXPECT_TRUE(ReadYearSummary(SummaryKind::All, "2031").lines.isEmpty());
}

// ------------------------------------------------------------ the archive

TEST(SummaryArchive, AMissingArchiveIsCreatedEmptyAndATrailingPartIsIgnored) {
    TestPlatform tp;
    EXPECT_TRUE(ReadYearSlips("2031").isEmpty());
    EXPECT_TRUE(QFile::exists(tp.path("2031.ccp")));
    EXPECT_EQ(QFile(tp.path("2031.ccp")).size(), 0);

    writeArchive(tp, "2026", {fourSlips()[0]}, QByteArray(399, 'x'));
    const QList<SlipRecord> slips = ReadYearSlips("2026");
    ASSERT_EQ(slips.size(), 1);
    EXPECT_EQ(slips[0].Payee1, "COMUNE DI ROMA");
}

TEST(SummaryArchive, AnUnreadableArchiveGivesNoSlips) {
    TestPlatform tp;
    // A folder where the archive should be cannot be opened as one.
    ASSERT_TRUE(QDir(tp.dir.path()).mkdir("2027.ccp"));
    EXPECT_TRUE(ReadYearSlips("2027").isEmpty());
}

// ------------------------------------------------------------ horizontal extent

TEST(SummaryExtent, IsTheWidestLineInTheListsFontPlusTheScrollBar) {
    QListWidget list;
    list.setFont(QFont("Courier New", 9));
    list.setUniformItemSizes(true);
    EXPECT_EQ(FitListHorizontalExtent(&list), 0) << "an empty list does not scroll sideways";

    const QString narrow = "short";
    const QString wide = SummaryLine(SummaryKind::All, fourSlips()[0]);
    list.addItems({narrow, wide, narrow});
    const QFontMetrics fm(list.font());
    const int bar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    const int extent = FitListHorizontalExtent(&list);
    EXPECT_EQ(extent, fm.horizontalAdvance(wide) + bar);
    EXPECT_GT(extent, fm.horizontalAdvance(narrow) + bar);

    // Lines of one length in a fixed-pitch font are as wide as each other
    // unless a character has an advance of its own.
    QListWidget mixed;
    mixed.setFont(QFont("Courier New", 9));
    const QString odd = QString::fromUtf8("AB中文字CD");
    mixed.addItems({"ABCDEFGH", odd, QString::fromUtf8("àèìòùÀÈÌ")});
    const QFontMetrics mm(mixed.font());
    const int wider = std::max({mm.horizontalAdvance("ABCDEFGH"), mm.horizontalAdvance(odd),
                                mm.horizontalAdvance(QString::fromUtf8("àèìòùÀÈÌ"))});
    EXPECT_EQ(FitListHorizontalExtent(&mixed), wider + bar);

    // A list narrower than its widest line scrolls over it.
    list.resize(300, 200);
    list.show();
    QCoreApplication::processEvents();
    EXPECT_NEAR(list.horizontalScrollBar()->maximum() + list.viewport()->width(), extent, 4);
}
