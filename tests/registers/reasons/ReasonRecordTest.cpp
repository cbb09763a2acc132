// The reason record's layout and the lookups' four line layouts.

#include "common/ReasonRecord.h"
#include "registers/reasons/ReasonLines.h"
#include "registers/reasons/frmFindCausale.h"
#include "registers/reasons/ReasonSamples.h"

#include <gtest/gtest.h>

TEST(ReasonRecord, FieldsLieAtTheirOffsetsAndPadWithBlanks) {
    const QByteArray bytes = reason(" CANONE ACQUA", "", "120", "50", "").encode();
    ASSERT_EQ(bytes.size(), 1330);
    EXPECT_EQ(bytes.left(60), QByteArray("CANONE ACQUA") + QByteArray(48, ' '));
    EXPECT_EQ(bytes.mid(60, 60), QByteArray(60, ' '));
    EXPECT_EQ(bytes.mid(120, 8), QByteArray("120     "));
    EXPECT_EQ(bytes.mid(128, 2), QByteArray("50"));
    EXPECT_EQ(bytes.mid(130), QByteArray(1200, ' '));

    const ReasonRecord full = reason(QString(60, 'A'), QString(60, 'B'), QString(8, '9'), "05", QString(1200, 'N'));
    const QByteArray packed = full.encode();
    EXPECT_EQ(packed, QByteArray(60, 'A') + QByteArray(60, 'B') + QByteArray(8, '9') + "05" + QByteArray(1200, 'N'));
    EXPECT_EQ(ReasonRecord::decode(packed), full) << "a line of exactly 60 characters comes back whole";
}

TEST(ReasonRecord, OnlyBlanksAreTrimmedSoNotesKeepTheirLineBreaks) {
    const QString notes = QStringLiteral("prima riga\r\nseconda\triga\r\n\t");
    const ReasonRecord back = ReasonRecord::decode(reason("  X  ", "", "", "", notes).encode());
    EXPECT_EQ(back.Reason1, "X");
    EXPECT_EQ(back.Notes, notes);
}

TEST(ReasonRecord, CharactersOutsideTheCodePageNeverShiftAField) {
    const ReasonRecord r = reason(QString::fromUtf8("CAFFÈ ✓ €"), "DUE", "1", "00");
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), ReasonRecord::Length);
    EXPECT_EQ(bytes.mid(60, 3), QByteArray("DUE"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 0xC8) << "È is one Windows-1252 byte";
    EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 0x80) << "€ is one Windows-1252 byte";
    EXPECT_EQ(ReasonRecord::decode(bytes).Reason1, QString::fromUtf8("CAFFÈ ? €"));
}

TEST(ReasonRecord, AShortRecordReadsItsMissingBytesAsBlanks) {
    const ReasonRecord back = ReasonRecord::decode(QByteArray("ABC") + QByteArray(57, ' ') + "DEF");
    EXPECT_EQ(back.Reason1, "ABC");
    EXPECT_EQ(back.Reason2, "DEF");
    EXPECT_TRUE(back.Euros.isEmpty());
    EXPECT_TRUE(back.Notes.isEmpty());
}

TEST(ReasonLines, EachLayoutJoinsItsPiecesWithTheRecordNumber) {
    const ReasonRecord water = reason("CANONE ACQUA", "", "120", "50");
    EXPECT_EQ(ReasonLines::Full(water, 1), QString::fromUtf8("CANONE ACQUA   -  € 120,50  [ Rec. 1 ]"));
    EXPECT_EQ(ReasonLines::ByReason1(water, 1), QString::fromUtf8("CANONE ACQUA  -  € 120,50  [ Rec. 1 ]"));
    EXPECT_EQ(ReasonLines::ByAmount(water, 1), QString::fromUtf8("120,50 euro  -  CANONE ACQUA   [ Rec. 1 ]"));

    const ReasonRecord rent = reason("AFFITTO", "MESE DI MAGGIO", "450", "00");
    EXPECT_EQ(ReasonLines::Full(rent, 12), QString::fromUtf8("AFFITTO MESE DI MAGGIO  -  € 450,00  [ Rec. 12 ]"));
    EXPECT_EQ(ReasonLines::ByReason2(rent, 12), QString::fromUtf8("MESE DI MAGGIO  -  € 450,00  [ Rec. 12 ]"));
    EXPECT_EQ(ReasonLines::ByAmount(rent, 12),
              QString::fromUtf8("450,00 euro  -  AFFITTO MESE DI MAGGIO  [ Rec. 12 ]"));
}

TEST(ReasonLines, AReasonWithoutAmountOrSecondLineKeepsItsSeparators) {
    const ReasonRecord bare = reason("QUOTA", "", "", "");
    EXPECT_EQ(ReasonLines::Full(bare, 3), QString::fromUtf8("QUOTA   -  € ,  [ Rec. 3 ]"));
    EXPECT_EQ(ReasonLines::ByReason1(bare, 3), QString::fromUtf8("QUOTA  -  € ,  [ Rec. 3 ]"));
    EXPECT_TRUE(ReasonLines::Every(bare));
    EXPECT_FALSE(ReasonLines::HasReason2(bare));
    EXPECT_FALSE(ReasonLines::HasEuros(bare));
    // Written elsewhere: cents without euros is still "no amount".
    EXPECT_FALSE(ReasonLines::HasEuros(reason("X", "  ", "  ", "50")));
    EXPECT_FALSE(ReasonLines::HasReason2(reason("X", "  ", "", "")));
}

