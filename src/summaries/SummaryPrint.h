#pragma once
// The printed summary: in Courier New, the title at 12 points, then at 8
// points a rule, the lines as the list shows them, the count ("4 versamenti
// eseguiti"), a rule and the closing line; every line 600 twips in. The total
// is not printed.

#include "common/PrintedList.h"

PrintedListLayout SummaryPrintLayout(const QString& title);
ListPrintOutcome PrintSummary(const QStringList& lines, const QString& title);
