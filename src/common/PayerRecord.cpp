#include "common/PayerRecord.h"

#include "common/FixedRecord.h"

namespace {

constexpr std::array<FixedField<PayerRecord>, 14> kLayout{{
    {&PayerRecord::Payer1, 23},
    {&PayerRecord::Payer2, 23},
    {&PayerRecord::Street, 23},
    {&PayerRecord::PostCode, 5},
    {&PayerRecord::Town, 17},
    {&PayerRecord::HomePhone, 20},
    {&PayerRecord::OfficePhone, 20},
    {&PayerRecord::FaxNumber, 20},
    {&PayerRecord::MobilePhone, 20},
    {&PayerRecord::Email, 50},
    {&PayerRecord::VatNumber, 11},
    {&PayerRecord::TaxCode, 16},
    {&PayerRecord::CardNumber, 16},
    {&PayerRecord::Notes, 600},
}};

static_assert(recordLength(kLayout) == PayerRecord::Length);
static_assert(totalWidth(PayerRecord::Widths) == PayerRecord::Length);

constexpr bool sameWidths() {
    for (std::size_t i = 0; i < kLayout.size(); ++i)
        if (kLayout[i].width != PayerRecord::Widths[i])
            return false;
    return true;
}
static_assert(sameWidths());

} // namespace

const std::array<BoxBinding<PayerRecord>, 14> PayerBoxes{{
    {"txtMittente01", &PayerRecord::Payer1},
    {"txtMittente02", &PayerRecord::Payer2},
    {"txtVia", &PayerRecord::Street},
    {"txtCAP", &PayerRecord::PostCode},
    {"txtLuogo", &PayerRecord::Town},
    {"txtCas", &PayerRecord::HomePhone},
    {"txtUff", &PayerRecord::OfficePhone},
    {"txtFax", &PayerRecord::FaxNumber},
    {"txtCel", &PayerRecord::MobilePhone},
    {"txtEma", &PayerRecord::Email},
    {"txtIva", &PayerRecord::VatNumber},
    {"txtCodFisc", &PayerRecord::TaxCode},
    {"txtCarta", &PayerRecord::CardNumber},
    {"txtNot", &PayerRecord::Notes},
}};

PayerRecord PayerRecord::decode(const QByteArray& bytes) { return decodeRecord(bytes, kLayout); }

PayerRecord PayerRecord::decode(const QByteArray& bytes, std::span<QString PayerRecord::* const> fields) {
    return decodeRecord(bytes, kLayout, fields);
}

QByteArray PayerRecord::encode() const { return encodeRecord(*this, kLayout); }
