#include "checks/TaxCodeChars.h"

const QString ForbiddenCharList = QString::fromUtf8(
    "/<>?!\\|*:'=^|%&$,;.#\u00B0\u00A7\u00E0\u00EC\u00F9\u00E8\u00E9\u00F2\u00E7-()+\u00A3[]@_ ");

QString FilterForbiddenChars(const QString& value, QLineEdit* box) {
    QString result = value;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (!ForbiddenCharList.contains(result.at(i)))
            continue;
        result[i] = QLatin1Char('*');
        if (box)
            box->setCursorPosition(int(box->text().size()));
    }
    return result;
}

void ApplyTaxCodeFilter(QLineEdit* box) {
    const QString filtered = FilterForbiddenChars(box->text(), box);
    if (filtered != box->text())
        box->setText(filtered);
}
