#pragma once
// The user locale's number separators, and the conversions of decimal text
// that go through them.
//
// The desktop offers no per-user decimal separator that a program may change,
// so the program keeps its own: a small settings file in the user's
// configuration folder (see userLocaleFilePath). An item the file does not
// hold is the system's, taken from the numeric locale the environment names
// (LC_ALL, then LC_NUMERIC, then LANG): "," and "." under it_IT, "." and ","
// under C. The first write fills the file with both system values before it
// changes the one item, so from then on the file holds the whole setting.
// The file is an INI file in Windows-1252 like the program's others, so a
// separator it cannot hold is never stored (a system one stays unstored and is
// read from the system; a set one is refused).

#include <QList>
#include <QPair>
#include <QString>

#include <utility>

namespace platform {

// The two items the program reads and sets (the values are the Windows
// constants LOCALE_SDECIMAL and LOCALE_STHOUSAND).
enum class LocaleItem { DecimalSeparator = 14, ThousandsSeparator = 15 };

// Items and their values, to be stored together.
using LocaleItems = QList<QPair<LocaleItem, QString>>;

class IUserLocale {
public:
    virtual ~IUserLocale() = default;
    // The item's text (never containing a NUL).
    virtual QString GetLocaleInfo(LocaleItem item) const = 0;
    // Stores the item for the user; false when it could not be stored (the
    // setting is then as it was).
    virtual bool SetLocaleInfo(LocaleItem item, const QString& value) = 0;
    // Stores every item given, in their order, all of them or none: false
    // when they could not be stored, and the setting is then as it was.
    virtual bool SetLocaleItems(const LocaleItems& items) = 0;
};

// The user locale the program uses; setUserLocale(nullptr) restores the real one.
IUserLocale& userLocale();
void setUserLocale(IUserLocale* impl);

// The separators of a locale name as the environment gives it
// ("it_IT.UTF-8", "C", "en_US@euro"); an empty or unknown name gives C's.
struct Separators {
    QString decimal;
    QString thousands;
};
Separators separatorsOfLocaleName(const QString& posixName);
// The system's separators: those of the name in LC_ALL, LC_NUMERIC or LANG,
// the first that is set and not empty.
Separators systemSeparators();

// GenericConfigLocation + "/Quillora/locale.ini", or the file set for testing.
QString userLocaleFilePath();
// Makes userLocaleFilePath() return `path`; an empty text restores the normal rule.
void setUserLocaleFileForTesting(const QString& path);

// The real user locale, kept in an INI file (section "Numbers", keys
// "DecimalSeparator" and "ThousandsSeparator"). SetLocaleInfo and
// SetLocaleItems fail for a value holding a line break or a character
// Windows-1252 lacks, and when the file cannot be written; the folder is
// created when missing. Each call writes the file once, the first write's copy
// of the system's other item included.
class FileUserLocale final : public IUserLocale {
public:
    // Without a path: userLocaleFilePath(), looked up at each call.
    FileUserLocale() = default;
    explicit FileUserLocale(QString path) : path_(std::move(path)) {}
    QString GetLocaleInfo(LocaleItem item) const override;
    bool SetLocaleInfo(LocaleItem item, const QString& value) override;
    bool SetLocaleItems(const LocaleItems& items) override;

private:
    QString path() const;
    QString path_;
};

// A user locale held in memory (tests, and windows' tests that must not touch
// the user's real setting). `refuseWrites` makes every SetLocaleInfo and
// SetLocaleItems fail, changing nothing.
class MemoryUserLocale final : public IUserLocale {
public:
    MemoryUserLocale(QString decimal, QString thousands)
        : separators{std::move(decimal), std::move(thousands)} {}
    QString GetLocaleInfo(LocaleItem item) const override;
    bool SetLocaleInfo(LocaleItem item, const QString& value) override;
    bool SetLocaleItems(const LocaleItems& items) override;

    Separators separators;
    bool refuseWrites = false;
    int writes = 0; // accepted calls, one for several items set together
};

// Both separators of a user locale.
Separators separatorsOf(const IUserLocale& locale);

// ------------------------------------------------------------ conversions
// Every conversion of decimal text in the program goes through these, with the
// separators of userLocale() unless others are given.

// Text to number, as the Windows runtime converted it with the user's
// separators. Accepted, in this order:
//   blanks and tabs (ignored); an optional "+" or "-"; the whole part: digits,
//   among which the thousands separator may stand anywhere and is ignored; an
//   optional decimal separator followed by digits; blanks and tabs (ignored).
// At least one digit is needed ("," alone, "-" alone and "" fail). The decimal
// separator is looked for before the thousands separator where both could
// match. No exponent, no currency sign, no brackets. A result too large for a
// double fails. On failure `out` is left as it was.
bool parseDecimal(const QString& text, double& out);
bool parseDecimal(const QString& text, double& out, const Separators& separators);

// Number to text by a numeric pattern of "#", "0", "," and at most one ".":
// the zeros after "." give the number of decimals (rounded half away from
// zero on the value's 15-significant-digit decimal form, so 2.675 gives
// 2,68), a "," before the "." groups the whole part by threes with the
// thousands separator, the zeros before the "." give the least number of whole
// digits. "#,##0" gives "1.235" and "#,##0.00" gives "1.234,50" for 1234.5
// under the Italian separators. A negative value gets a leading "-" unless it
// rounds to zero. Other characters in the pattern are ignored.
QString formatNumber(double value, const QString& pattern);
QString formatNumber(double value, const QString& pattern, const Separators& separators);

// The general number format: at most 15 significant digits, no trailing
// zeros, the decimal separator, no grouping; exponent form ("1E+15") only for
// magnitudes of 1e15 and above or below 1e-4 (0 gives "0").
QString formatGeneral(double value);
QString formatGeneral(double value, const Separators& separators);

} // namespace platform
