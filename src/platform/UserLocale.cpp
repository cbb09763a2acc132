#include "platform/UserLocale.h"

#include "platform/Cp1252.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const QString kSection = QStringLiteral("Numbers");
// Stands for "not stored": a stored value never holds a line break.
const QString kMissing = QStringLiteral("\n");

QString keyOf(LocaleItem item) {
    return item == LocaleItem::DecimalSeparator ? QStringLiteral("DecimalSeparator")
                                                : QStringLiteral("ThousandsSeparator");
}

QString itemOf(const Separators& s, LocaleItem item) {
    return item == LocaleItem::DecimalSeparator ? s.decimal : s.thousands;
}

QString cutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

bool storable(const QString& value) {
    return !value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n')) &&
           !value.contains(QChar(0)) && fitToCp1252(value) == value;
}

QString& fileForTesting() {
    static QString path;
    return path;
}

IUserLocale*& installed() {
    static IUserLocale* impl = nullptr;
    return impl;
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// A non-negative decimal number as its whole and fraction digits.
struct Digits {
    QString whole;
    QString fraction;
};

// The value's 15-significant-digit decimal form.
Digits decimalForm(double magnitude) {
    if (magnitude == 0)
        return {QStringLiteral("0"), QString()};
    const QString e = QString::number(magnitude, 'e', 14); // d.dddddddddddddde±x
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    const QString digits = e.left(1) + e.mid(2, ePos - 2);
    const int point = e.mid(ePos + 1).toInt() + 1; // digits before the point
    if (point <= 0)
        return {QStringLiteral("0"), QString(-point, QLatin1Char('0')) + digits};
    if (point >= digits.size())
        return {digits + QString(point - digits.size(), QLatin1Char('0')), QString()};
    return {digits.left(point), digits.mid(point)};
}

// Rounds to `decimals` fraction digits, halves away from zero.
Digits roundDigits(Digits d, int decimals) {
    if (d.fraction.size() <= decimals) {
        d.fraction += QString(decimals - d.fraction.size(), QLatin1Char('0'));
        return d;
    }
    const bool up = d.fraction[decimals] >= QLatin1Char('5');
    QString all = d.whole + d.fraction.left(decimals);
    if (up) {
        qsizetype i = all.size() - 1;
        while (i >= 0 && all[i] == QLatin1Char('9'))
            all[i--] = QLatin1Char('0');
        if (i < 0)
            all.prepend(QLatin1Char('1'));
        else
            all[i] = QChar(all[i].unicode() + 1);
    }
    return {all.left(all.size() - decimals), all.right(decimals)};
}

QString grouped(const QString& whole, const QString& separator) {
    QString out;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    return out;
}

} // namespace

// ------------------------------------------------------------ the installed locale

IUserLocale& userLocale() {
    static FileUserLocale real;
    return installed() ? *installed() : real;
}

void setUserLocale(IUserLocale* impl) { installed() = impl; }

// ------------------------------------------------------------ system separators

Separators separatorsOfLocaleName(const QString& posixName) {
    // "language_TERRITORY.codeset@modifier": the codeset and modifier do not
    // change the separators.
    const QString name = posixName.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    const QLocale locale = (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
                               ? QLocale::c()
                               : QLocale(name);
    return {locale.decimalPoint(), locale.groupSeparator()};
}

Separators systemSeparators() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return separatorsOfLocaleName(name);
    }
    return separatorsOfLocaleName(QString());
}

// ------------------------------------------------------------ the settings file

QString userLocaleFilePath() {
    if (!fileForTesting().isEmpty())
        return fileForTesting();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quillora/locale.ini");
}

void setUserLocaleFileForTesting(const QString& path) { fileForTesting() = path; }

QString FileUserLocale::path() const { return path_.isEmpty() ? userLocaleFilePath() : path_; }

QString FileUserLocale::GetLocaleInfo(LocaleItem item) const {
    const QString stored = readProfileString(path(), kSection, keyOf(item), kMissing);
    if (stored != kMissing)
        return cutAtNul(stored);
    return itemOf(systemSeparators(), item);
}

bool FileUserLocale::SetLocaleInfo(LocaleItem item, const QString& value) { return SetLocaleItems({{item, value}}); }

bool FileUserLocale::SetLocaleItems(const LocaleItems& items) {
    if (items.isEmpty())
        return true;
    for (const auto& item : items)
        if (!storable(item.second))
            return false;
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    // The first write starts the file as a copy of the system's setting: the
    // items not given and not stored yet come first, in the same write.
    const Separators system = systemSeparators();
    ProfileEntries entries;
    for (LocaleItem other : {LocaleItem::DecimalSeparator, LocaleItem::ThousandsSeparator}) {
        const bool given = std::any_of(items.begin(), items.end(), [other](const auto& i) { return i.first == other; });
        if (given || readProfileString(file, kSection, keyOf(other), kMissing) != kMissing)
            continue;
        if (const QString systemValue = itemOf(system, other); storable(systemValue))
            entries.append({keyOf(other), systemValue});
    }
    for (const auto& item : items)
        entries.append({keyOf(item.first), item.second});
    return writeProfileStrings(file, kSection, entries);
}

// ------------------------------------------------------------ the in-memory locale

QString MemoryUserLocale::GetLocaleInfo(LocaleItem item) const { return itemOf(separators, item); }

bool MemoryUserLocale::SetLocaleInfo(LocaleItem item, const QString& value) { return SetLocaleItems({{item, value}}); }

bool MemoryUserLocale::SetLocaleItems(const LocaleItems& items) {
    if (refuseWrites)
        return false;
    for (const auto& [item, value] : items)
        (item == LocaleItem::DecimalSeparator ? separators.decimal : separators.thousands) = value;
    ++writes;
    return true;
}

Separators separatorsOf(const IUserLocale& locale) {
    return {locale.GetLocaleInfo(LocaleItem::DecimalSeparator), locale.GetLocaleInfo(LocaleItem::ThousandsSeparator)};
}

// ------------------------------------------------------------ conversions

bool parseDecimal(const QString& text, double& out) { return parseDecimal(text, out, separatorsOf(userLocale())); }

bool parseDecimal(const QString& text, double& out, const Separators& separators) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');

    QString whole;
    QString fraction;
    bool inFraction = false;
    while (i < n) {
        const QStringView rest = QStringView(text).mid(i);
        if (isDigit(text[i])) {
            (inFraction ? fraction : whole) += text[i++];
        } else if (!inFraction && !separators.decimal.isEmpty() && rest.startsWith(separators.decimal)) {
            inFraction = true;
            i += separators.decimal.size();
        } else if (!inFraction && !separators.thousands.isEmpty() && rest.startsWith(separators.thousands)) {
            i += separators.thousands.size();
        } else {
            break;
        }
    }
    while (i < n && isBlank(text[i]))
        ++i;
    if (i != n || (whole.isEmpty() && fraction.isEmpty()))
        return false;

    const QString canonical = (negative ? QStringLiteral("-") : QString()) +
                              (whole.isEmpty() ? QStringLiteral("0") : whole) + QLatin1Char('.') +
                              (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    bool ok = false;
    const double value = QLocale::c().toDouble(canonical, &ok);
    if (!ok || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

QString formatNumber(double value, const QString& pattern) {
    return formatNumber(value, pattern, separatorsOf(userLocale()));
}

QString formatNumber(double value, const QString& pattern, const Separators& separators) {
    if (!std::isfinite(value))
        return QString::number(value);
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString wholePattern = point < 0 ? pattern : pattern.left(point);
    const int decimals = point < 0 ? 0 : int(pattern.mid(point + 1).count(QLatin1Char('0')));
    const int minWhole = int(wholePattern.count(QLatin1Char('0')));
    const bool grouping = wholePattern.contains(QLatin1Char(','));

    Digits d = roundDigits(decimalForm(std::fabs(value)), decimals);
    while (d.whole.size() > 1 && d.whole.startsWith(QLatin1Char('0')))
        d.whole.remove(0, 1);
    if (d.whole == QLatin1String("0"))
        d.whole.clear();
    if (d.whole.size() < minWhole)
        d.whole.prepend(QString(minWhole - d.whole.size(), QLatin1Char('0')));

    const bool zero = !std::any_of(d.whole.begin(), d.whole.end(), [](QChar c) { return c != QLatin1Char('0'); }) &&
                      !std::any_of(d.fraction.begin(), d.fraction.end(), [](QChar c) { return c != QLatin1Char('0'); });
    QString text = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    text += grouping ? grouped(d.whole, separators.thousands) : d.whole;
    if (decimals > 0)
        text += separators.decimal + d.fraction;
    return text;
}

QString formatGeneral(double value) { return formatGeneral(value, separatorsOf(userLocale())); }

QString formatGeneral(double value, const Separators& separators) {
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), separators.decimal);
    return text;
}

} // namespace platform
