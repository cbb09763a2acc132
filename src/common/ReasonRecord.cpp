#include "common/ReasonRecord.h"

#include "common/FixedRecord.h"

namespace {

constexpr std::array<FixedField<ReasonRecord>, 5> kLayout{{
    {&ReasonRecord::Reason1, 60},
    {&ReasonRecord::Reason2, 60},
    {&ReasonRecord::Euros, 8},
    {&ReasonRecord::Cents, 2},
    {&ReasonRecord::Notes, 1200},
}};

static_assert(recordLength(kLayout) == ReasonRecord::Length);

} // namespace

ReasonRecord ReasonRecord::decode(const QByteArray& bytes) { return decodeRecord(bytes, kLayout); }

ReasonRecord ReasonRecord::decode(const QByteArray& bytes, std::span<QString ReasonRecord::* const> fields) {
    return decodeRecord(bytes, kLayout, fields);
}

QByteArray ReasonRecord::encode() const { return encodeRecord(*this, kLayout); }

const std::array<BoxBinding<ReasonRecord>, 5> ReasonBoxes{{
    {"txtDescrizione", &ReasonRecord::Reason1},
    {"txtPagamento", &ReasonRecord::Reason2},
    {"txtRicevuta", &ReasonRecord::Euros},
    {"txtCategoria", &ReasonRecord::Cents},
    {"txtNote", &ReasonRecord::Notes},
}};
