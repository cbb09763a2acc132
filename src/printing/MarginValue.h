#pragma once
// The print margins of the slip, kept in section "Margini" of the settings
// file "Bollettini.ini". Each margin is stored twice: as one text, the
// MarginValue that the print reads, and as its three parts (sign, whole
// centimetres, digits after the comma) that the margin dialog shows again.
//
// A MarginValue is the sign, the centimetres, a comma and the digits after
// the comma: "+0,5" is half a centimetre, "-1,15" is 1.15 cm to the left or
// up, "+0,10" equals "+0,1". It is always written with the comma, so it is
// always read with the comma, whatever the user locale says.

#include "common/ProgramFiles.h"

#include <QString>

namespace Margins {
inline const QString File = ProgramFiles::Settings;
inline const QString Section = QStringLiteral("Margini");

// The keys of one margin.
struct Keys {
    QString value; // the MarginValue
    QString sign;
    QString cm;
    QString decimals;
};
inline const Keys Left{QStringLiteral("Sinistro"), QStringLiteral("Segno sin."), QStringLiteral("Cm sin."),
                       QStringLiteral("Mm sin.")};
inline const Keys Top{QStringLiteral("Superiore"), QStringLiteral("Segno sup."), QStringLiteral("Cm sup."),
                      QStringLiteral("Mm sup.")};
} // namespace Margins

// The MarginValue of three parts, each without its surrounding blanks:
// sign + cm + "," + decimals.
QString MarginValue(const QString& sign, const QString& cm, const QString& decimals);

// The centimetres a stored MarginValue stands for. Taken: blanks around, an
// optional "+" or "-", digits, and optionally "," followed by digits (read as
// decimal digits: "+1,5" is 1.5, "+1,15" is 1.15). Anything else, the empty
// text included, is no margin: false, and `cm` is left as it was.
bool ParseMarginValue(const QString& text, double& cm);
