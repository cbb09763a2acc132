#pragma once
// The leading-number value of a text, as the slip's euros box, the number of
// copies and the slip search read numbers out of text: blanks are skipped
// wherever they stand; then an optional sign, digits with at most one "." as
// the decimal point and an optional exponent (E or D, optional sign, digits).
// Reading stops at the first character that cannot continue the number (so a
// comma ends it); 0 when no digit is read. The user locale plays no part.

#include <QStringView>

double LeadingNumberValue(QStringView text);
