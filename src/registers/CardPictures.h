#pragma once
// The small pictures of the register cards and lookups that the other windows
// do not have: a sign drawn in a colour on a light square.

#include <QColor>
#include <QPixmap>
#include <QString>

QPixmap SignPicture(const QString& sign, const QColor& color, int size);

namespace CardPictures {
QPixmap word(int size);     // a blue "W" (export to Word)
QPixmap backup(int size);   // a green circular arrow (archive backup)
QPixmap phone(int size);    // a telephone receiver
QPixmap mail(int size);     // an envelope
QPixmap check(int size);    // a tick
// The lookups' banner: a pile of cards and the heading that introduces the
// mode buttons, which names what the lookup sorts ("Ordina gli esecutori per:").
QPixmap lookupBanner(int width, int height, const QString& heading);
// The payer lookups' banner, 301 x 53: a hand writing on a sheet with a pen,
// and the heading that introduces the mode buttons.
QPixmap writingHandBanner(const QString& heading);
} // namespace CardPictures
