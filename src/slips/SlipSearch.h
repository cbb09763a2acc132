#pragma once
// The lines of the slip search: one line per slip of a year archive, in one of
// five layouts, each ending with the record number "  [ n ]". The opening
// layout leads with the amount and is put in ascending order of whole euros;
// the others are in the order of a sorted list box.

#include "common/Lookup.h"
#include "common/PrintedList.h"
#include "common/SlipRecord.h"
#include "common/SortedList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The layouts, named in the search window by their LookupMode values; in the
// order of the lookup table's rows.
enum class SlipListMode { Opening, Payer, Payee, Reason, Account };

// The slip search's row of the lookup design: the year archive the slip form
// has open, the five layouts and their buttons (cmdEsecutore "Esecutore",
// cmdTotale "Intestatario", cmdCliente "Causale", cmdData "C/C"), the opening
// re-sort, the slip list print, and the message of a pick that cannot read
// the archive.
const LookupTable<SlipRecord>& SlipLookupTable();

// "Apertura", "Esecutore", "Intestatario", "Causale", "Conto".
QString LookupModeName(SlipListMode mode);
// The layout a LookupMode value names, compared exactly; none for any other text.
std::optional<SlipListMode> SlipListModeNamed(const QString& name);

// The line of record `number` in the layout; the fields as the archive gives
// them (already trimmed).
QString SlipLine(SlipListMode mode, const SlipRecord& slip, qint64 number);

// The fields a layout's lines show: the amount, account, payee and reason,
// and the payer in its own layout.
std::vector<QString SlipRecord::*> SlipLineFields(SlipListMode mode);

// The lines of records 1..n (slips[0] is record 1) in list order: sorted as a
// list box sorts, and for the opening layout re-sorted by whole euros.
QStringList SlipLines(SlipListMode mode, const QList<SlipRecord>& slips);

// The opening list's re-sort: lines that begin with whole euros (a leading
// number of at least 1) end in ascending order of those euros, the cents
// playing no part. Of lines with equal euros, those the pass moves (each has a
// smaller amount somewhere below it) come first, the last moved on top, then
// the others in their order. Lines without whole euros go on top, in their
// order. The re-sort always ends and gives the same result for the same list.
void SortListByLeadingNumber(QStringList& lines);
// The same re-sort on an order of the lines (see LineOrder): `order` gives
// the list as it stands and is re-sorted; the lines stay where they are.
void ResortByLeadingNumber(const QStringList& lines, LineOrder& order);

// The whole euros a line begins with, as the re-sort reads them: the
// leading-number value rounded to the nearest whole number (halves to even);
// none when that is less than 1.
std::optional<double> LeadingWholeEuros(const QString& line);

// The printed slip list: "    Riepilogo versamenti anno " and the trimmed year,
// a rule of four blanks and 65 underscores, every line after five blanks,
// "     Totale bollettini: " and the count, the closing line after seven blanks.
PrintedListLayout SlipListPrintLayout(const QString& year);
