#include "slips/Assegno.h"

#include <gtest/gtest.h>

#include <QList>

#include <cmath>
#include <limits>

namespace {

Currency euros(qint64 whole) { return Currency::fromEuros(whole); }

// Shows what a read leaves of the amount.
class OpenAssegno : public Assegno {
public:
    using Assegno::importo;
};

// Reads the words of an amount and collects every Bluff raised during the read.
struct Reading {
    QString words;
    QList<Currency> bluffs;
    Currency left;
};

Reading read(Currency amount, bool capitals = true) {
    OpenAssegno assegno;
    Reading result;
    QObject::connect(&assegno, &Assegno::Bluff,
                     [&result](Currency raised) { result.bluffs.append(raised); });
    assegno.setMaiuscolo(capitals);
    assegno.setImporto(amount);
    result.words = assegno.Parola();
    result.left = assegno.importo();
    return result;
}

} // namespace

TEST(Assegno, WorkedResults) {
    const struct {
        qint64 amount;
        const char* words;
    } cases[] = {
        {0, ""},
        {1, "UNO"},
        {11, "UNDICI"},
        {18, "DICIOTTO"},
        {21, "VENTUNO"},
        {28, "VENTOTTO"},
        {30, "TRENTA"},
        {88, "OTTANTOTTO"},
        {100, "CENTO"},
        {101, "CENTOUNO"},
        {108, "CENTOOTTO"},
        {121, "CENTOVENTUNO"},
        {180, "CENTOOTTANTA"},
        {888, "OTTOCENTOOTTANTOTTO"},
        {1000, "MILLE"},
        {1001, "MILLEUNO"},
        {1100, "MILLECENTO"},
        {2000, "DUEMILA"},
        {21000, "VENTUNOMILA"},
        {101000, "CENTOUNOMILA"},
        {1000000, "UNMILIONE"},
        {1000001, "UNMILIONEUNO"},
        {1001000, "UNMILIONEMILLE"},
        {2000000, "DUEMILIONI"},
        {21000000, "VENTUNOMILIONI"},
        {99999999, "NOVANTANOVEMILIONINOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE"},
        {1000000000, "UNMILIARDO"},
        {21000000000, "VENTUNOMILIARDI"},
        {1001001001, "UNMILIARDOUNMILIONEMILLEUNO"},
        {999999999999, "NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONI"
                       "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(read(euros(c.amount)).words, QString::fromLatin1(c.words));
        EXPECT_EQ(read(euros(c.amount), false).words, QString::fromLatin1(c.words).toLower());
    }
    EXPECT_EQ(read(euros(99999999)).words.size(), 62);
    EXPECT_EQ(read(euros(21), false).words, QString("ventuno"));
}

TEST(Assegno, ReadConsumesTheWholeEurosAndLeavesTheFraction) {
    Assegno assegno;
    assegno.setMaiuscolo(true);
    assegno.setImporto(euros(21));
    EXPECT_EQ(assegno.Parola(), QString("VENTUNO"));
    EXPECT_EQ(assegno.Parola(), QString());
    assegno.setImporto(2000.0);
    EXPECT_EQ(assegno.Parola(), QString("DUEMILA"));

    const Reading withFraction = read(Currency::fromTenThousandths(1230009999));
    EXPECT_EQ(withFraction.words, QString("CENTOVENTITREMILA"));
    EXPECT_EQ(withFraction.left, Currency::fromTenThousandths(9999));
    EXPECT_EQ(read(euros(1001001)).left, Currency());
    const Reading fractionOnly = read(Currency::fromTenThousandths(9999));
    EXPECT_EQ(fractionOnly.words, QString());
    EXPECT_EQ(fractionOnly.left, Currency::fromTenThousandths(9999));

    // Just below a group boundary the fraction must not round a group up.
    const Reading largest = read(Currency::fromTenThousandths(9999999999999999));
    EXPECT_EQ(largest.words, QString("NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONI"
                                     "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE"));
    EXPECT_EQ(largest.left, Currency::fromTenThousandths(9999));
}

TEST(Assegno, BluffCarriesTheAmountFromOneBillionUp) {
    EXPECT_TRUE(read(euros(999999999)).bluffs.isEmpty());
    EXPECT_TRUE(read(euros(99999999)).bluffs.isEmpty());
    EXPECT_EQ(read(euros(1000000000)).bluffs, QList<Currency>{euros(1000000000)});
    EXPECT_EQ(read(euros(21000000000)).bluffs, QList<Currency>{euros(21000000000)});
    const Currency withFraction = Currency::fromTenThousandths(10000000012345);
    EXPECT_EQ(read(withFraction).bluffs, QList<Currency>{withFraction});
}

TEST(Assegno, NegativeAmountGivesNothingAndStays) {
    for (const Currency amount : {euros(-21000000000), euros(-5), Currency::fromDouble(-0.5)}) {
        const Reading negative = read(amount);
        EXPECT_EQ(negative.words, QString());
        EXPECT_TRUE(negative.bluffs.isEmpty());
        EXPECT_EQ(negative.left, amount);
    }
}

TEST(Assegno, AmountsBeyondTheWordsGiveNothingButBluff) {
    const Reading trillion = read(euros(1000000000000));
    EXPECT_EQ(trillion.words, QString());
    EXPECT_EQ(trillion.bluffs, QList<Currency>{euros(1000000000000)});
    EXPECT_EQ(read(Currency::fromTenThousandths(10000000000005000)).left,
              Currency::fromTenThousandths(5000));
    const Reading largest = read(Currency::fromTenThousandths(std::numeric_limits<qint64>::max()));
    EXPECT_EQ(largest.words, QString());
    EXPECT_EQ(largest.bluffs.size(), 1);
}

TEST(Currency, ConversionsRoundAndSaturate) {
    EXPECT_EQ(Currency::fromDouble(1.23455).tenThousandths(), 12346);
    EXPECT_EQ(Currency::fromDouble(0.00005).tenThousandths(), 0);
    EXPECT_EQ(Currency::fromDouble(0.00025).tenThousandths(), 2);
    EXPECT_EQ(Currency::fromDouble(0.00035).tenThousandths(), 4);
    EXPECT_EQ(Currency::fromDouble(-2.5).tenThousandths(), -25000);
    EXPECT_EQ(Currency::fromDouble(99999999.0), euros(99999999));
    EXPECT_EQ(Currency::fromDouble(1e300).tenThousandths(), std::numeric_limits<qint64>::max());
    EXPECT_EQ(Currency::fromDouble(-1e300).tenThousandths(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(Currency::fromDouble(std::nan("")).tenThousandths(), 0);
    EXPECT_EQ(Currency::fromEuros(std::numeric_limits<qint64>::max()).tenThousandths(),
              std::numeric_limits<qint64>::max());
    EXPECT_DOUBLE_EQ(Currency::fromTenThousandths(-12345).toDouble(), -1.2345);
}
