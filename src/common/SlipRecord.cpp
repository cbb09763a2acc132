#include "common/SlipRecord.h"

#include "common/FixedRecord.h"


namespace {

constexpr std::array<FixedField<SlipRecord>, 13> kLayout{{
    {&SlipRecord::AccountNumber, 12},
    {&SlipRecord::Euros, 8},
    {&SlipRecord::Cents, 2},
    {&SlipRecord::Payee1, 34},
    {&SlipRecord::Payee2, 34},
    {&SlipRecord::Reason1, 60},
    {&SlipRecord::Reason2, 60},
    {&SlipRecord::Payer1, 23},
    {&SlipRecord::Payer2, 23},
    {&SlipRecord::Street, 23},
    {&SlipRecord::PostCode, 5},
    {&SlipRecord::Town, 17},
    {&SlipRecord::Notes, 300},
}};

static_assert(recordLength(kLayout) == SlipRecord::Length);

} // namespace

SlipRecord SlipRecord::decode(const QByteArray& bytes) { return decodeRecord(bytes, kLayout); }

QByteArray SlipRecord::encode() const { return encodeRecord(*this, kLayout); }

QString YearArchiveName(const QString& year) { return trimBlanks(year).toString() + QStringLiteral(".ccp"); }

QString YearTempName(const QString& year) { return trimBlanks(year).toString() + QStringLiteral(".tmp"); }

