#pragma once
// A year's slips as a spreadsheet: a bold header row of nine columns and one
// row per slip, every cell a text.

#include "common/SlipRecord.h"
#include "platform/DocumentWriters.h"

#include <QStringList>

// "C/C", "Importo versato", "Intestatario", "Causale", "Esecutore",
// "Via/Piazza", "CAP", "Località", "Note".
QStringList SlipSheetHeader();
// The row of a slip: "N. " and the account, "€ " euros "," cents, payee lines,
// reason lines and payer lines each joined by a blank, street, postal code,
// town, notes.
QStringList SlipSheetRow(const SlipRecord& slip);
