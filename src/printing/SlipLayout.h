#pragma once
// Where and in which font every character of a slip goes on the pre-printed
// TD 123 form, whose three parts lie side by side on one sheet: the left
// receipt, the middle receipt and the main part.
//
// SlipLayout is a table of rows in print order. A row names its part, the
// field it prints, how the field's text is prepared (left-aligned or
// right-aligned in its boxes, one character per box, or one whole string),
// the X offsets of its boxes (one offset for a whole string), its row offset
// and the font change made just before it. PlaceSlip is the one routine that
// reads the table: a text goes with its top-left corner to
//   X = (L + offset) + part offset,   Y = T + row offset   (centimetres),
// both handed to the printer in single precision, where L is the left offset
// (the stored left margin) and T the top value (0.5 cm plus the stored top
// margin, kept in single precision).

#include "platform/PrintSurface.h"

#include "common/SlipRecord.h"

#include <QString>

#include <vector>

enum class SlipPart { LeftStub, MiddleStub, MainPart };

enum class SlipField {
    AccountNumber, Euros, Cents, WordsLine, Payee1, Payee2,
    Reason1, Reason2, Payer1, Payer2, Street, PostCode, Town
};

// How a field's text is prepared from its box.
enum class SlipText {
    LeftInBoxes,  // trimmed, followed by blanks, cut to the number of boxes
    RightInBoxes, // blanks followed by the trimmed text, its last characters kept
    Whole,        // trimmed, printed in one piece, never cut
};

// The font change a row makes before its field is prepared.
struct SlipFontStep {
    enum class Kind {
        Keep,  // the font of the row before stays in force
        Full,  // name, size, bold; italic, underline, strikethrough off; black
        Set,   // name, size, bold, in this order
        BoldOn // bold on; name and size stay
    };
    Kind kind = Kind::Keep;
    QString name;
    double size = 0;
    bool bold = false;
};

struct SlipLayoutRow {
    SlipPart part;
    SlipField field;
    SlipText text;
    std::vector<double> offsets; // cm, box 1 first; one offset for a whole string
    double rowOffset;            // cm, added to T
    SlipFontStep font;
};

// The whole table, in print order: the left receipt, the middle receipt, the
// main part.
extern const std::vector<SlipLayoutRow> SlipLayout;

// The part's distance from the sheet's left origin, in cm.
double SlipPartOffset(SlipPart part);

// The font every copy starts with, and the main part again: "Courier New" 10
// bold.
SlipFontStep SlipStartFont();

// The fourteen printed boxes of the slip form, as they hold their texts: the
// slip's boxes as the slip record's binding table reads them (the notes are
// never printed), the euros in words (Display) and the copy of the cents
// (txtCentCifra02).
struct SlipFaces : SlipRecord {
    QString Words;
    QString WordsCents;
};

// The text a row prints: exactly as many characters as it has boxes, or the
// whole string (the words line is the words, "/" and the cents).
QString PrepareSlipText(const SlipLayoutRow& row, const SlipFaces& faces);

// Prints one slip on the surface, which is already in centimetres: the
// starting font, an empty text that opens the document and its page, then
// every row of SlipLayout. Every box is printed, a blank included. Nothing
// is measured; the document is not ended.
void PlaceSlip(platform::IPrintSurface& surface, const SlipFaces& faces, double left, float top);
