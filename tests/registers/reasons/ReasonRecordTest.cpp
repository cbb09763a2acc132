// The reason lookups' four line layouts.

#include "registers/reasons/ReasonLines.h"
#include "registers/reasons/frmFindCausale.h"
#include "registers/reasons/ReasonSamples.h"

#include <gtest/gtest.h>

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

