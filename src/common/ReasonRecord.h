#pragma once
// One recurring payment reason of the reason register "Causali.cdb": five
// fixed-width text fields, 1330 bytes, no separators. The two reason lines and
// the amount have the widths of the slip's own fields.

#include "common/BoxBindings.h"

#include <QByteArray>
#include <QString>

#include <span>

#include <array>

struct ReasonRecord {
    static constexpr int Length = 1330;

    QString Reason1; //   60 bytes, at 0; never blank in a record the card writes
    QString Reason2; //   60, at 60
    QString Euros;   //    8, at 120; blank when the reason carries no amount
    QString Cents;   //    2, at 128
    QString Notes;   // 1200, at 130; a line break is CR LF

    static ReasonRecord decode(const QByteArray& bytes);
    // Only these fields; the others stay empty.
    static ReasonRecord decode(const QByteArray& bytes, std::span<QString ReasonRecord::* const> fields);
    QByteArray encode() const;

    bool operator==(const ReasonRecord&) const = default;
};

// The reason card's five boxes, in field order.
extern const std::array<BoxBinding<ReasonRecord>, 5> ReasonBoxes;
