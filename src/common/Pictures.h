#pragma once
// The small pictures that several windows share, drawn at run time. A
// picture of one window's alone lives with that window (MenuPictures,
// SlipPictures, CardPictures, CheckPictures).

#include <QColor>
#include <QPixmap>

class QPainter;

namespace Pictures {
// An empty picture to draw on: transparent, or filled with `fill`.
QPixmap canvas(int width, int height, const QColor& fill = Qt::transparent);
// `lines` writing lines in navy, two units apart, the first at `top`; a unit
// is the picture's size / 16.
void writtenLines(QPainter& p, qreal u, qreal left, qreal top, qreal width, int lines);
// A question mark of the given colour on a grey square (the help icons).
QPixmap helpIcon(const QColor& mark, int size = 32);
// A decoration banner: a few words in a given colour on a coloured strip.
QPixmap banner(const QString& text, const QColor& fore, const QColor& back, int width, int height,
               int pointSize = 14);
// The product logo: the name and a line on what the program does.
QPixmap productLogo(int width = 665, int height = 90);
// A blank payment slip: the two receipt stubs and the main part side by side.
QPixmap blankSlip(int width = 630, int height = 195);
// A few euro banknotes fanned out (the summaries of payments).
QPixmap banknotes(int width = 99, int height = 98);
// A blue round sign with a white question mark (help).
QPixmap questionSign(int width, int height);
// A red cross (exit).
QPixmap redCross(int width, int height);
} // namespace Pictures

// ------------------------------------------------ the tool pictures
namespace Pictures {
// The tool columns of the slip form, the cards and the dialogs: a new sheet,
// a diskette, a magnifying glass, a sheet with its margins marked, a printer,
// a sheet crossed out in red.
QPixmap newSheet(int size);
QPixmap diskette(int size);
QPixmap magnifier(int size);
QPixmap marginSheet(int size);
QPixmap printer(int size);
QPixmap deleteSheet(int size);
// Arrows of the browse buttons: first, previous, next, last.
enum class Browse { First, Previous, Next, Last };
QPixmap browseArrow(Browse step, int size);
} // namespace Pictures

// The two year choosers, the Excel export and the decimal-separator dialog.
namespace Pictures {
// A desk calendar leaf showing the year.
QPixmap calendar(int width, int height);
// A green spreadsheet grid (the export to Excel).
QPixmap spreadsheet(int size);
// A number with its decimal comma marked in red (decimal settings).
QPixmap decimalSeparator(int width, int height);
} // namespace Pictures
