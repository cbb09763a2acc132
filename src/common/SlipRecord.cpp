#include "common/SlipRecord.h"

#include "common/FixedRecord.h"
#include "common/ProgramFiles.h"


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

SlipRecord SlipRecord::decode(const QByteArray& bytes, std::span<QString SlipRecord::* const> fields) {
    return decodeRecord(bytes, kLayout, fields);
}

QByteArray SlipRecord::encode() const { return encodeRecord(*this, kLayout); }

QByteArrayView SlipRecord::fieldBytes(const QByteArray& bytes, QString SlipRecord::* field) {
    return ::fieldBytes(bytes, kLayout, field);
}

QString YearArchiveName(const QString& year) { return ProgramFiles::YearArchive(year).archive; }

QString YearTempName(const QString& year) { return ProgramFiles::YearArchive(year).temp; }


const std::array<BoxBinding<SlipRecord>, 13> SlipBoxes{{
    {"txtCC", &SlipRecord::AccountNumber},
    {"txtCifre", &SlipRecord::Euros},
    {"txtCentCifra", &SlipRecord::Cents},
    {"txtIntestatario01", &SlipRecord::Payee1},
    {"txtIntestatario02", &SlipRecord::Payee2},
    {"txtCausale01", &SlipRecord::Reason1},
    {"txtCausale02", &SlipRecord::Reason2},
    {"txtMittente01", &SlipRecord::Payer1},
    {"txtMittente02", &SlipRecord::Payer2},
    {"txtVia", &SlipRecord::Street},
    {"txtCAP", &SlipRecord::PostCode},
    {"txtLuogo", &SlipRecord::Town},
    {"txtNote", &SlipRecord::Notes},
}};
