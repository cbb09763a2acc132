#pragma once
// One payee of the payee register "Intestatari.idb": twelve fixed-width text
// fields, 853 bytes, no separators. The first three are the payee fields of
// the slip, with the same widths.

#include "common/BoxBindings.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <span>

struct PayeeRecord {
    static constexpr int Length = 853;
    // The widths of the fields, in field order.
    static constexpr std::array<int, 12> Widths = {34, 34, 12, 20, 20, 20, 20, 50, 11, 16, 16, 600};

    QString Payee1;        // 34 bytes, at 0
    QString Payee2;        // 34, at 34
    QString AccountNumber; // 12, at 68
    QString HomePhone;     // 20, at 80
    QString OfficePhone;   // 20, at 100
    QString FaxNumber;     // 20, at 120
    QString MobilePhone;   // 20, at 140
    QString Email;         // 50, at 160
    QString VatNumber;     // 11, at 210
    QString TaxCode;       // 16, at 221
    QString CardNumber;    // 16, at 237
    QString Notes;         // 600, at 253

    static PayeeRecord decode(const QByteArray& bytes);
    // Only these fields; the others stay empty.
    static PayeeRecord decode(const QByteArray& bytes, std::span<QString PayeeRecord::* const> fields);
    QByteArray encode() const;

    bool operator==(const PayeeRecord&) const = default;
};

inline constexpr std::span<const int> PayeeWidths{PayeeRecord::Widths};

// The payee card's boxes, in field order.
extern const std::array<BoxBinding<PayeeRecord>, 12> PayeeBoxes;
