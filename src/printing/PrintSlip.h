#pragma once
// The print of the slip on show in the slip form, run by the print dialog's
// "Stampa": the chosen printer becomes the current one, then each copy is a
// print job of its own on legal paper, landscape, in centimetres, shifted by
// the margins the dialog read when it opened. The dialog closes at the end;
// when a job cannot be carried out the printing message is shown instead and
// the dialog stays open, so that the user can choose another printer.

#include "printing/SlipLayout.h"

#include <QString>

#include <functional>

class frmStampaCH8bisL1;

// Makes the first installed printer whose device name is exactly `name`
// (case counts, nothing trimmed) the current printer; false, and the current
// printer unchanged, when there is none.
bool SelectPrinterByName(const QString& name);

// The fourteen printed boxes of the slip form as they stand; all empty when
// the slip form is not open. The slip form lives above the print and hands
// down how its boxes are read (InstallHandDowns); until then all are empty.
void SetSlipFormFaces(std::function<SlipFaces()> read);
SlipFaces SlipFormFaces();

void PrintSlip(frmStampaCH8bisL1& dialog);
