#pragma once
// A year's slips as a spreadsheet: a bold header row of nine columns and one
// row per slip, every cell a text.

#include "common/RecordArchive.h"
#include "common/SlipRecord.h"
#include "platform/DocumentWriters.h"

#include <QStringList>

#include <functional>

// The year's archive of slips in the program folder ("<year>.ccp"), not
// yet open; opening it creates it empty when it is missing.
RecordArchive YearSlipArchive(const QString& year);

// "C/C", "Importo versato", "Intestatario", "Causale", "Esecutore",
// "Via/Piazza", "CAP", "Località", "Note".
QStringList SlipSheetHeader();
// The row of a slip: "N. " and the account, "€ " euros "," cents, payee lines,
// reason lines and payer lines each joined by a blank, street, postal code,
// town, notes.
QStringList SlipSheetRow(const SlipRecord& slip);

// Writes the year's slips into a new workbook "Bollettini anno <year>.xlsx"
// in `folder`, each row as its slip is read from the archive, and runs
// `written(k, n)` once the row of slip k of n is in the workbook. A year
// without an archive gives the header row alone. The full path of the file,
// or empty when the archive could not be read through or the workbook could
// not be written.
QString WriteYearSheet(const QString& year, const QString& folder, const std::function<void(qint64, qint64)>& written);
