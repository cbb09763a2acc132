#pragma once
// The reason card's Word document: "SCHEDA CAUSALE" and three rows, the
// description on two lines, the amount ("€ <euros>,<cents>", empty when the
// reason has no euros) and the notes; the file is "Scheda causale.docx".

#include "common/ReasonRecord.h"
#include "registers/CardExport.h"

// The card of a reason as its boxes hold it; every text without its
// surrounding blanks.
WordCard ReasonWordCard(const ReasonRecord& reason);
