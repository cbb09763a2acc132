#pragma once
// The small pictures of the windows, drawn at run time.

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
// A padlock in front of a written sheet (the show / hide password picture).
QPixmap padlock(int size = 32);
// A decoration banner: a few words in a given colour on a coloured strip.
QPixmap banner(const QString& text, const QColor& fore, const QColor& back, int width, int height,
               int pointSize = 14);
// The main menu and the register chooser.
// The product logo: the name and a line on what the program does.
QPixmap productLogo(int width = 665, int height = 90);
// A blank payment slip: the two receipt stubs and the main part side by side.
QPixmap blankSlip(int width = 630, int height = 195);
// A small group of people (the registers of payees and payers).
QPixmap people(int width = 90, int height = 86);
// A parcel wrapped with string (the archive of payment reasons).
QPixmap parcel(int width = 67, int height = 64);
// A few euro banknotes fanned out (the summaries of payments).
QPixmap banknotes(int width = 99, int height = 98);
// A blue round sign with a white question mark (help).
QPixmap questionSign(int width, int height);
// A red cross (exit).
QPixmap redCross(int width, int height);
// The 72 x 72 tile of the main menu's background.
QPixmap backgroundTile();
// The main menu's scrolling line: what the program does, yellow on navy.
QString menuBannerText();
QPixmap menuBanner(int width = 1229, int height = 18);
} // namespace Pictures

// ------------------------------------------------ the slip form
namespace Pictures {
// A small postage stamp with the euro sign (beside the slip's heading).
QPixmap postStamp(int width, int height);
// The tool column: a new sheet, a diskette, a magnifying glass, a sheet with
// its margins marked, a printer, a sheet crossed out in red.
QPixmap newSheet(int size);
QPixmap diskette(int size);
QPixmap magnifier(int size);
QPixmap marginSheet(int size);
QPixmap printer(int size);
QPixmap deleteSheet(int size);
// A card-index box with a green arrow: into the slip (import) or out of it (export).
QPixmap cardImport(int size);
QPixmap cardExport(int size);
// Arrows of the browse buttons: first, previous, next, last.
enum class Browse { First, Previous, Next, Last };
QPixmap browseArrow(Browse step, int size);
} // namespace Pictures

// The year chooser and the decimal-separator dialog.
namespace Pictures {
// A desk calendar leaf showing the year.
QPixmap calendar(int width, int height);
// A green spreadsheet grid (the export to Excel).
QPixmap spreadsheet(int size);
// A number with its decimal comma marked in red (decimal settings).
QPixmap decimalSeparator(int width, int height);
} // namespace Pictures
