#pragma once
// The arithmetic of the three identifier checks: the VAT number's check digit
// and issuing office, the tax code's check character, and a card number's
// Luhn checksum and card type. The windows show the results.

#include <QString>

#include <array>
#include <optional>

// ------------------------------------------------ VAT number (partita IVA)

struct VatOffice {
    const char* code; // three digits
    const char* name; // UTF-8
};

// The provincial VAT offices by the code held in digits 8 to 10.
const std::array<VatOffice, 104>& VatOfficeTable();
// The office with exactly this code, if any.
std::optional<QString> VatOfficeName(const QString& code);

// The check digit that the first ten characters call for; a character that is
// not a digit, or is missing, counts as 0.
int VatCheckDigit(const QString& value);
// The value of the character at a 1-based position as the check reads it.
int VatDigitAt(const QString& value, int position);

// ------------------------------------------------ tax code (codice fiscale)

// The check character the first 15 characters call for (a..z read as
// capitals), or nothing when one of them is not a letter A-Z or a digit:
// such a code can never be right.
std::optional<QChar> TaxCodeCheckChar(const QString& value);
// True when the 16th character (read as a capital) is the check character.
bool TaxCodeIsRight(const QString& value);

// ------------------------------------------------ card number

// True when n is divisible by 2, whatever its sign.
bool IsEven(int n);
// The Luhn checksum over every character; a character that is not a digit
// counts as 0 but keeps its place. An empty value passes.
bool LuhnCheck(const QString& value);
// "sconosciuto" when no type applies.
inline constexpr const char* kUnknownCard = "sconosciuto";
// The card type told by the leading digits and the length.
QString CardType(const QString& value);
