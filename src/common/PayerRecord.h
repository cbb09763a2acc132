#pragma once
// One payer of the payer register "Esecutori.edb": fourteen fixed-width text
// fields, 864 bytes, no separators. The first five are the payer block of the
// slip (name lines, street, postal code, town) with the same widths; the
// other nine are the contact fields of the payee record, in the same order.

#include "common/BoxBindings.h"

#include <QByteArray>
#include <QString>

#include <span>

#include <array>

struct PayerRecord {
    static constexpr int Length = 864;
    // The widths of the fields, in field order.
    static constexpr std::array<int, 14> Widths = {23, 23, 23, 5, 17, 20, 20, 20, 20, 50, 11, 16, 16, 600};

    QString Payer1;      // 23 bytes, at 0
    QString Payer2;      // 23, at 23
    QString Street;      // 23, at 46
    QString PostCode;    // 5, at 69
    QString Town;        // 17, at 74
    QString HomePhone;   // 20, at 91
    QString OfficePhone; // 20, at 111
    QString FaxNumber;   // 20, at 131
    QString MobilePhone; // 20, at 151
    QString Email;       // 50, at 171
    QString VatNumber;   // 11, at 221
    QString TaxCode;     // 16, at 232
    QString CardNumber;  // 16, at 248
    QString Notes;       // 600, at 264

    static PayerRecord decode(const QByteArray& bytes);
    // Only these fields; the others stay empty.
    static PayerRecord decode(const QByteArray& bytes, std::span<QString PayerRecord::* const> fields);
    QByteArray encode() const;

    bool operator==(const PayerRecord&) const = default;
};

// The payer card's boxes, in field order.
extern const std::array<BoxBinding<PayerRecord>, 14> PayerBoxes;
