#pragma once
// The printed lists of the program (the slip search, the register lookups) and
// the closing line that every printed list, the summaries' included, ends
// with: "Scheda stampata in data dd/mm/yyyy alle ore hh:mm:ss." on the current
// printer.
//
// A list print refuses an empty list, asks before it starts, sets up the
// current printer (landscape, Times New Roman) and prints one document: an
// empty-looking line, the title, a rule, the lines, a rule, the count, a rule
// and the closing line. The page set-up and font it leaves on the printer stay
// there. Any printing failure stops the print at once, ends the failed job
// (so the next print starts afresh) and shows the list's error message.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class LineList;

// The text of the closing line: the indent, "Scheda stampata in data ", the
// date as dd/mm/yyyy joined by `dateSeparator`, " alle ore ", the time as
// hh:mm:ss (always with colons) and ".".
QString ClosingLineText(const QString& indent, const QDateTime& when, const QString& dateSeparator);

// The date as dd/mm/yyyy joined by `dateSeparator`, " alle ore " and the time
// as hh:mm:ss: the middle of the closing line, also used by the card exports.
QString DateAndTimeText(const QDateTime& when, const QString& dateSeparator);

// The user locale's date separator ("/" in an Italian locale).
QString UserDateSeparator();

// The clock and date separator the closing line uses. Tests set their own;
// an empty function / text puts back the system's clock / the user's separator.
void SetPrintClock(std::function<QDateTime()> now);
void SetPrintDateSeparator(const QString& separator);
// This moment by the print clock (the system's unless a test set one), and
// the date separator the closing line takes.
QDateTime PrintClockNow();
QString PrintDateSeparator();

// Prints the closing line, at this moment, on the current printer in the font
// in force, ending the line. The caller sets the font size before and ends
// the document after it. False when the printer failed.
bool PrintClosingLine(const QString& indent = QString());

// Everything in which the printed lists differ.
struct PrintedListLayout {
    QString emptyNotice;   // shown instead of printing an empty list
    QString promptTitle;   // title of the "Premere OK ..." question
    QString title;         // the page title, printed as it stands
    QString rule;          // the rule line, printed as it stands
    QString linePrefix;    // printed before every line of the list
    QString countCaption;  // printed before the number of lines
    QString countSuffix;   // printed after the number of lines
    QString closingIndent; // the closing line's indent
    QString errorTitle;    // title of the printing-failure message
    // Twips with this left origin; none: the printer's scale is left as it is.
    std::optional<double> leftOriginTwips;
    // The font and its sizes: the opening blank line and the title, the rules
    // and the blank lines between them, the list's lines, the count, the
    // closing line.
    QString fontName = QStringLiteral("Times New Roman");
    double titlePoints = 18;
    double rulePoints = 18;
    double linePoints = 12;
    double countPoints = 12;
    double closingPoints = 10;
};

enum class ListPrintOutcome { Printed, EmptyList, Cancelled, Failed };

// Prints `lines` in the given layout (see above).
ListPrintOutcome PrintList(const QStringList& lines, const PrintedListLayout& layout);

// The register lookups' print: page title, a rule of 30 underscores, the lines
// as the list shows them, "Totale voci in elenco: " and the count, the closing
// line without indent; every line 600 twips in.
PrintedListLayout LookupListLayout(const QString& promptTitle, const QString& pageTitle);
ListPrintOutcome PrintLookupList(const QStringList& lines, const QString& promptTitle, const QString& pageTitle);
ListPrintOutcome PrintLookupList(const LineList& list, const QString& promptTitle, const QString& pageTitle);
