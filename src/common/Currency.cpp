#include "common/Currency.h"

#include <cmath>
#include <limits>

Currency Currency::fromEuros(qint64 euros) {
    constexpr qint64 kMax = std::numeric_limits<qint64>::max() / kScale;
    constexpr qint64 kMin = std::numeric_limits<qint64>::min() / kScale;
    if (euros > kMax)
        return Currency(std::numeric_limits<qint64>::max());
    if (euros < kMin)
        return Currency(std::numeric_limits<qint64>::min());
    return Currency(euros * kScale);
}

Currency Currency::fromDouble(double euros) {
    if (std::isnan(euros))
        return Currency();
    // The default rounding mode rounds halves to even.
    const double units = std::nearbyint(euros * kScale);
    // 2^63 is the first double beyond the range; -2^63 is its lowest value.
    constexpr double kLimit = 9223372036854775808.0;
    if (units >= kLimit)
        return Currency(std::numeric_limits<qint64>::max());
    if (units < -kLimit)
        return Currency(std::numeric_limits<qint64>::min());
    return Currency(static_cast<qint64>(units));
}
