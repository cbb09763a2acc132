#pragma once
// One payment slip as the year archive stores it: thirteen fixed-width text
// fields, 601 bytes, no separators.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <span>


struct SlipRecord {
    static constexpr int Length = 601;

    QString AccountNumber; // 12 bytes
    QString Euros;         //  8
    QString Cents;         //  2
    QString Payee1;        // 34
    QString Payee2;        // 34
    QString Reason1;       // 60
    QString Reason2;       // 60
    QString Payer1;        // 23
    QString Payer2;        // 23
    QString Street;        // 23
    QString PostCode;      //  5
    QString Town;          // 17
    QString Notes;         // 300

    static SlipRecord decode(const QByteArray& bytes);
    // Only these fields; the others stay empty.
    static SlipRecord decode(const QByteArray& bytes, std::span<QString SlipRecord::* const> fields);
    QByteArray encode() const;
    // The bytes of one field in an encoded record, padding included.
    static QByteArrayView fieldBytes(const QByteArray& bytes, QString SlipRecord::* field);

    bool operator==(const SlipRecord&) const = default;
};

// File names of a year's archive and of its temporary file: the year text
// without its surrounding blanks, followed by ".ccp" or ".tmp".
QString YearArchiveName(const QString& year);
QString YearTempName(const QString& year);


#include "common/BoxBindings.h"

#include <array>

// The slip form's thirteen boxes, in field order.
extern const std::array<BoxBinding<SlipRecord>, 13> SlipBoxes;
