#pragma once
// Printing the text of a text box, or only its selected text, on the current
// printer inside given margins, in the box's font and alignment, broken into
// lines at blanks and onto new pages at the bottom margin. It draws into the
// job its caller has under way and neither starts nor ends it.

#include <QString>

class QPlainTextEdit;

// What the print reads of a text box. Line breaks are CR LF pairs.
struct TextBoxSource {
    QString text;
    QString selectedText;
    QString fontName = QStringLiteral("Verdana");
    double fontSize = 8.25;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethru = false;
    int alignment = 0; // 0 left, 1 right, 2 centre
};

// The text, selection and font of a several-line box, left-aligned, with its
// line breaks written as CR LF.
TextBoxSource textBoxSource(const QPlainTextEdit& box);

// Margins are in the printer's current scale, measured from its origin (the
// caller puts the left origin at 0). True when the whole text was printed;
// false when there was nothing to print (empty text or selection, margins
// that leave no room) or printing failed, which is reported to the user.
bool PrintTextBox(const TextBoxSource& box, double leftMargin, double rightMargin, double topMargin,
                  double bottomMargin, bool selectionOnly);
