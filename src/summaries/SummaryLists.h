#pragma once
// The year summaries' working parts: the summary lines of a year's slips (all
// of them, one payer's or one payee's), their total in exact cents, the names
// the payer and payee lists offer, and the list's horizontal extent.

#include "common/SlipRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

enum class SummaryKind { All, ByPayer, ByPayee };

// The line of a slip: for All and ByPayer 144 characters (payee, account,
// reason, amount), for ByPayee 109 (payer, reason, amount). Every field sits
// left-aligned in its column, padded with blanks.
QString SummaryLine(SummaryKind kind, const SlipRecord& slip);

// The amount text of a slip as the lines show it: euros, "," and cents.
QString AmountText(const SlipRecord& slip);

// The amount of a slip in cents, from its digit fields: a blank field counts
// 0, a one-digit cents field is tenths ("5" is 50 cents). None when either
// field holds anything but the digits 0-9.
bool SlipCents(const SlipRecord& slip, qint64& cents);

// Two names are the same name when, without their outer blanks, they are equal
// letter for letter without regard to case.
bool SameName(const QString& a, const QString& b);

struct Summary {
    QStringList lines; // file order
    qint64 cents = 0;  // the total of the amounts that are digits
};

// The summary of `slips` (file order). ByPayer keeps the slips whose Payer1 is
// the same name as `name`, ByPayee those whose Payee1 is.
Summary BuildSummary(SummaryKind kind, const QList<SlipRecord>& slips, const QString& name = QString());

// The same summary read from the year's archive in the program folder, each
// slip decoded only as far as the summary reads it; an empty summary when
// the archive cannot be opened or read.
Summary ReadYearSummary(SummaryKind kind, const QString& year, const QString& name = QString());

// A total in cents as euros: the digits, the decimal separator and two cent
// digits, without grouping ("0,00", "1234,50").
QString FormatCents(qint64 cents, const QString& decimalSeparator);

// `value` rounded to `digits` decimals, halves up (towards plus infinity).
double RoundHalfUp(double value, qint16 digits);

// Leaves one entry of every group of the same name (SameName), in the order
// of their lower-case texts. Sorting brings equal names together, so a single
// pass finds them all; `repeat` asks for nothing more.
void RemoveDuplicateItems(QStringList& items, bool repeat = true);
// The same on a combo box's entries, which are then listed as a sorted list
// box lists them (without regard to case).
void RemoveDuplicateItems(QComboBox* list, bool repeat = true);

// The names as the summary window offers them, listed as a sorted list box
// lists them; no entry current. The names come each once (ReadYearNames,
// RemoveDuplicateItems).
void SetNameEntries(QComboBox* list, QStringList names);

// The trimmed Payer1 (ByPayer) or Payee1 (ByPayee) of every slip, blank names
// included, in file order.
QStringList SlipNames(SummaryKind kind, const QList<SlipRecord>& slips);

// The year's slips from its archive in the program folder ("<year>.ccp"),
// created empty when missing; none when it cannot be opened or read.
QList<SlipRecord> ReadYearSlips(const QString& year);

// The year's trimmed payer and payee names, one of every group of the same
// name (the first in file order), blank names included; none when the
// archive cannot be opened or read.
struct YearNames {
    QStringList payers;
    QStringList payees;
};
YearNames ReadYearNames(const QString& year);

// Lets the list scroll sideways over its widest line: the widest line in the
// list's font plus the width of a vertical scroll bar; 0 for an empty list.
// Returns that extent in pixels.
int FitListHorizontalExtent(QListWidget* list);
