#include "printing/MarginValue.h"

#include "common/FixedRecord.h"

namespace {

QString trimmed(const QString& text) { return trimBlanks(text).toString(); }

bool allDigits(QStringView text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QString MarginValue(const QString& sign, const QString& cm, const QString& decimals) {
    return trimmed(sign) + trimmed(cm) + QLatin1Char(',') + trimmed(decimals);
}

bool ParseMarginValue(const QString& text, double& cm) {
    QStringView rest = trimBlanks(text);
    bool negative = false;
    if (rest.startsWith(QLatin1Char('+')) || rest.startsWith(QLatin1Char('-'))) {
        negative = rest.front() == QLatin1Char('-');
        rest = rest.mid(1);
    }
    const qsizetype comma = rest.indexOf(QLatin1Char(','));
    const QStringView whole = comma < 0 ? rest : rest.left(comma);
    const QStringView decimals = comma < 0 ? QStringView() : rest.mid(comma + 1);
    if (whole.isEmpty() || !allDigits(whole) || !allDigits(decimals) || (comma >= 0 && decimals.isEmpty()))
        return false;
    bool ok = false;
    const double value = (whole.toString() + QLatin1Char('.') + decimals.toString() + QLatin1Char('0')).toDouble(&ok);
    if (!ok)
        return false;
    cm = negative ? -value : value;
    return true;
}
