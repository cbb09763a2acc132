#include "common/LeadingNumber.h"

#include <QLocale>
#include <QString>

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The characters of the text with its blanks left out.
class BlankSkipper {
public:
    explicit BlankSkipper(QStringView text) : text_(text) { skip(); }
    QChar peek() const { return pos_ < text_.size() ? text_.at(pos_) : QChar(); }
    void next() {
        ++pos_;
        skip();
    }

private:
    void skip() {
        while (pos_ < text_.size() && isBlank(text_.at(pos_)))
            ++pos_;
    }
    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

double LeadingNumberValue(QStringView text) {
    BlankSkipper in(text);
    QString number;
    if (in.peek() == QLatin1Char('+') || in.peek() == QLatin1Char('-')) {
        number += in.peek();
        in.next();
    }
    bool digits = false;
    bool point = false;
    for (;; in.next()) {
        const QChar c = in.peek();
        if (isDigit(c)) {
            digits = true;
            number += c;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;

    // An exponent counts only when at least one digit follows it.
    const QChar e = in.peek().toUpper();
    if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
        QString exponent = QStringLiteral("e");
        in.next();
        if (in.peek() == QLatin1Char('+') || in.peek() == QLatin1Char('-')) {
            exponent += in.peek();
            in.next();
        }
        bool expDigits = false;
        for (; isDigit(in.peek()); in.next()) {
            expDigits = true;
            exponent += in.peek();
        }
        if (expDigits)
            number += exponent;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0.0;
}
