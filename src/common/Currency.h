#pragma once
// A money amount as the Windows program kept it: a signed 64-bit fixed point
// number with four decimal places (ten-thousandths of a euro).

#include <QMetaType>
#include <QtGlobal>

#include <compare>

class Currency {
public:
    static constexpr qint64 kScale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromTenThousandths(qint64 units) { return Currency(units); }
    // Whole euros; amounts beyond the range saturate at its ends.
    static Currency fromEuros(qint64 euros);
    // Rounded to the nearest ten-thousandth, halves to even; amounts beyond the
    // range saturate at its ends, and NaN gives 0.
    static Currency fromDouble(double euros);

    constexpr qint64 tenThousandths() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / kScale; }

    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    constexpr explicit Currency(qint64 units) : m_units(units) {}

    qint64 m_units = 0;
};

Q_DECLARE_METATYPE(Currency)
