#include "common/FixedRecord.h"
#include "common/SlipRecord.h"

#include <gtest/gtest.h>

#include <array>


namespace {

// Every field filled to its full width with its own letter.
SlipRecord fullRecord() {
    SlipRecord r;
    r.AccountNumber = QString(12, 'A');
    r.Euros = QString(8, 'B');
    r.Cents = QString(2, 'C');
    r.Payee1 = QString(34, 'D');
    r.Payee2 = QString(34, 'E');
    r.Reason1 = QString(60, 'F');
    r.Reason2 = QString(60, 'G');
    r.Payer1 = QString(23, 'H');
    r.Payer2 = QString(23, 'I');
    r.Street = QString(23, 'J');
    r.PostCode = QString(5, 'K');
    r.Town = QString(17, 'L');
    r.Notes = QString(300, 'M');
    return r;
}

constexpr std::array<int, 13> kOffsets{0, 12, 20, 22, 56, 90, 150, 210, 233, 256, 279, 284, 301};

} // namespace

TEST(SlipRecord, FieldsLieAtTheirOffsets) {
    const QByteArray bytes = fullRecord().encode();
    ASSERT_EQ(bytes.size(), SlipRecord::Length);
    for (std::size_t i = 0; i < kOffsets.size(); ++i) {
        const char letter = static_cast<char>('A' + i);
        EXPECT_EQ(bytes[kOffsets[i]], letter) << "field " << i + 1;
        if (i > 0) {
            EXPECT_EQ(bytes[kOffsets[i] - 1], letter - 1) << "field " << i;
        }
    }
    EXPECT_EQ(bytes[600], 'M');
    EXPECT_EQ(SlipRecord::decode(bytes), fullRecord());
}

TEST(SlipRecord, BlanksAreTrimmedOnWriteAndRead) {
    SlipRecord r;
    r.Payee1 = "  ROSSI ";
    const QByteArray bytes = r.encode();
    EXPECT_EQ(bytes.mid(22, 34), QByteArray("ROSSI") + QByteArray(29, ' '));
    EXPECT_EQ(bytes, QByteArray(22, ' ') + "ROSSI" + QByteArray(601 - 27, ' '));
    const SlipRecord back = SlipRecord::decode(bytes);
    EXPECT_EQ(back.Payee1, "ROSSI");
    EXPECT_TRUE(back.Payee2.isEmpty());
    EXPECT_TRUE(back.Notes.isEmpty());

    // Only blanks are trimmed: tabs, line breaks and inner blanks stay.
    r.Notes = "\tprima riga\r\nseconda  riga\r\n";
    EXPECT_EQ(SlipRecord::decode(r.encode()).Notes, r.Notes);
}

TEST(SlipRecord, TooLongTextKeepsItsFirstCharacters) {
    SlipRecord r;
    r.Cents = "505";
    r.PostCode = "  0012345";
    const SlipRecord back = SlipRecord::decode(r.encode());
    EXPECT_EQ(back.Cents, "50");
    EXPECT_EQ(back.PostCode, "00123");
    EXPECT_TRUE(back.Town.isEmpty());
}

TEST(SlipRecord, TextRoundTripsThroughWindows1252) {
    SlipRecord r = fullRecord();
    r.Reason1 = QString::fromUtf8("Perché € 5 – «città» ŠŽ");
    const QByteArray bytes = r.encode();
    EXPECT_EQ(bytes.mid(90, 5), QByteArray("Perch"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[95]), 0xE9);
    EXPECT_EQ(static_cast<unsigned char>(bytes[97]), 0x80);
    EXPECT_EQ(SlipRecord::decode(bytes), r);
}

TEST(SlipRecord, CharactersOutsideTheCodePageNeverShiftAField) {
    SlipRecord r = fullRecord();
    // Greek letters and emoji (surrogate pairs), one "?" each; the payee line
    // is full, so a character counted twice would push its last letter out.
    r.Payee1 = QString::fromUtf8("\U0001F600\u03A9\u03B1") + QString(30, 'D') + "Z";
    r.Payer1 = QString::fromUtf8("\U0001F4B6") + QString(22, 'H');
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), SlipRecord::Length);
    EXPECT_EQ(bytes.mid(22, 34), QByteArray("???") + QByteArray(30, 'D') + "Z");
    EXPECT_EQ(bytes.mid(210, 23), QByteArray("?") + QByteArray(22, 'H'));
    const SlipRecord back = SlipRecord::decode(bytes);
    EXPECT_EQ(back.Payee2, r.Payee2);
    EXPECT_EQ(back.Payer2, r.Payer2);

    // A pair cut by the width becomes one "?" and nothing of it spills over.
    r.Cents = QString::fromUtf8("5\U0001F600\U0001F600");
    EXPECT_EQ(r.encode().mid(20, 36), QByteArray("5?") + bytes.mid(22, 34));
}

TEST(SlipRecord, ShortBytesReadAsBlankFields) {
    const SlipRecord r = SlipRecord::decode(QByteArray("123456789012   42"));
    EXPECT_EQ(r.AccountNumber, "123456789012");
    EXPECT_EQ(r.Euros, "42");
    EXPECT_TRUE(r.Cents.isEmpty());
    EXPECT_TRUE(r.Notes.isEmpty());
}

TEST(SlipRecord, YearFileNames) {
    EXPECT_EQ(YearArchiveName("2012"), "2012.ccp");
    EXPECT_EQ(YearTempName(" 2012  "), "2012.tmp");
}

TEST(FixedRecord, FieldListsFollowTheWidths) {
    const std::array<int, 3> widths{3, 1, 4};
    EXPECT_EQ(encodeFields({" ab", "xyz", QString::fromUtf8("\u03A9")}, widths), QByteArray("ab x?   "));
    EXPECT_EQ(encodeFields({"a"}, widths), QByteArray("a       "));
    EXPECT_EQ(decodeFields("ab x?   ", widths), QStringList({"ab", "x", "?"}));
    EXPECT_EQ(decodeFields(QByteArray(" \x80 ", 3), widths), QStringList({QString(QChar(0x20AC)), "", ""}));
    EXPECT_EQ(decodeFields("    ", widths), QStringList({"", "", ""}));
}
