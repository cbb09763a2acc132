#pragma once
// The program's current printer, in the terms the program draws with: a scale
// (centimetres or twips) with a movable left origin, a print position
// (CurrentX, CurrentY), a font, texts printed one after the other that end
// their line or not, pages, and the end of the document.
//
// Where positions are measured from: (0, 0) is the top-left corner of the
// printer's printable area, with the left origin at 0. The "PDF" printer
// prints on the whole sheet, without margins, so there (0, 0) is the corner of
// the sheet and a text at 2.22 cm / 1.08 cm lands 2.22 cm right of the sheet's
// left edge and 1.08 cm below its top edge. A real printer keeps the margins
// it cannot print on, and its (0, 0) is the corner inside them.
//
// A text is placed with the top-left corner of its line at the print position
// (the line's height is TextHeight; its top is the font's ascent above the
// baseline). Every text is one line: tabs and line-break characters inside it
// show as blanks and count as blanks in TextWidth.
//
// A print job starts with the first text printed (or the first NewPage) and
// ends with EndDoc. The page set-up in force when the job starts is that of
// its first page; orientation and paper changed during a job apply from the
// next page. A line that would pass the bottom of the printable area goes on
// a new page at its top, as the old printer object did.
//
// A job that cannot start (the printer is gone, the PDF folder cannot be
// written): that first Print or NewPage returns false and jobFailed() turns
// true; every later drawing call of the job returns false too. A text or page
// that fails within a started job returns false and turns jobFailed() true as
// well; the calls after it still try. EndDoc then returns false and clears
// the failure, so the next job starts afresh.
//
// EndDoc hands the job over and puts the paper back to A4 portrait, the left
// origin back to 0 and the position back to the corner: a job never inherits
// the paper or the origin of the job before it. Scale mode, font and colour
// stay as the last job left them; every caller sets those it relies on.

#include <QColor>
#include <QString>

namespace platform {

// The values are the old printer object's codes.
enum class ScaleMode { Twips = 1, Centimeters = 7 };
enum class PrintOrientation { Portrait = 1, Landscape = 2 };
enum class PaperSize { Letter = 1, Legal = 5, A4 = 9 };

class IPrintSurface {
public:
    virtual ~IPrintSurface() = default;

    // The printer's device name, as the printer list shows it.
    virtual QString deviceName() const = 0;

    // Setting the scale mode also puts the left origin back to 0.
    virtual ScaleMode scaleMode() const = 0;
    virtual void setScaleMode(ScaleMode mode) = 0;
    // Horizontal position x is drawn at x - scaleLeft from the printable
    // area's left edge: a left origin of -600 twips starts every line 600
    // twips in.
    virtual double scaleLeft() const = 0;
    virtual void setScaleLeft(double left) = 0;
    // Width and height of the printable area, in the current scale.
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;

    virtual PrintOrientation orientation() const = 0;
    virtual void setOrientation(PrintOrientation orientation) = 0;
    virtual PaperSize paperSize() const = 0;
    virtual void setPaperSize(PaperSize paper) = 0;

    // Fonts are asked for by name ("Courier New", "Arial", "Times New Roman",
    // "Verdana"); the size is in points.
    virtual QString fontName() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual double fontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool on) = 0;
    virtual bool fontItalic() const = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual bool fontUnderline() const = 0;
    virtual void setFontUnderline(bool on) = 0;
    virtual bool fontStrikethru() const = 0;
    virtual void setFontStrikethru(bool on) = 0;
    virtual QColor foreColor() const = 0;
    virtual void setForeColor(const QColor& color) = 0;

    // The print position, in the current scale.
    virtual double currentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentY(double y) = 0;

    // Measures in the current font and scale.
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;

    // Prints the text at the print position. Ending the line moves the
    // position to horizontal 0 (the left origin) and down by the line's
    // height; not ending it moves the position right by the text's width.
    // False: the job failed (see above).
    virtual bool Print(const QString& text, bool endLine = true) = 0;
    // Ends the page; the position goes to (0, 0) of the next one.
    virtual bool NewPage() = 0;
    // Hands the job to the printer. False when the job failed or could not
    // be handed over.
    virtual bool EndDoc() = 0;
    // True from the job's first failure (see above) until its EndDoc.
    virtual bool jobFailed() const = 0;
};

} // namespace platform
