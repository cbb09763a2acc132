#include "common/PayeeRecord.h"

#include "common/FixedRecord.h"

namespace {

constexpr std::array<FixedField<PayeeRecord>, 12> kLayout{{
    {&PayeeRecord::Payee1, 34},
    {&PayeeRecord::Payee2, 34},
    {&PayeeRecord::AccountNumber, 12},
    {&PayeeRecord::HomePhone, 20},
    {&PayeeRecord::OfficePhone, 20},
    {&PayeeRecord::FaxNumber, 20},
    {&PayeeRecord::MobilePhone, 20},
    {&PayeeRecord::Email, 50},
    {&PayeeRecord::VatNumber, 11},
    {&PayeeRecord::TaxCode, 16},
    {&PayeeRecord::CardNumber, 16},
    {&PayeeRecord::Notes, 600},
}};

static_assert(recordLength(kLayout) == PayeeRecord::Length);
static_assert(totalWidth(PayeeRecord::Widths) == PayeeRecord::Length);

constexpr bool sameWidths() {
    for (std::size_t i = 0; i < kLayout.size(); ++i)
        if (kLayout[i].width != PayeeRecord::Widths[i])
            return false;
    return true;
}
static_assert(sameWidths());

} // namespace

const std::array<BoxBinding<PayeeRecord>, 12> PayeeBoxes{{
    {"txtIntestatario01", &PayeeRecord::Payee1},
    {"txtIntestatario02", &PayeeRecord::Payee2},
    {"txtCC", &PayeeRecord::AccountNumber},
    {"txtCas", &PayeeRecord::HomePhone},
    {"txtUff", &PayeeRecord::OfficePhone},
    {"txtFax", &PayeeRecord::FaxNumber},
    {"txtCel", &PayeeRecord::MobilePhone},
    {"txtEma", &PayeeRecord::Email},
    {"txtIva", &PayeeRecord::VatNumber},
    {"txtCodFisc", &PayeeRecord::TaxCode},
    {"txtCarta", &PayeeRecord::CardNumber},
    {"txtNot", &PayeeRecord::Notes},
}};

PayeeRecord PayeeRecord::decode(const QByteArray& bytes) { return decodeRecord(bytes, kLayout); }

PayeeRecord PayeeRecord::decode(const QByteArray& bytes, std::span<QString PayeeRecord::* const> fields) {
    return decodeRecord(bytes, kLayout, fields);
}

QByteArray PayeeRecord::encode() const { return encodeRecord(*this, kLayout); }
