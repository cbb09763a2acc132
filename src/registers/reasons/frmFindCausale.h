#pragma once
// The two reason lookups on the register lookup window: every reason of
// "Causali.cdb", one line per record, in the layout of lblMemory ("carica"
// after every load; "Descriz. 1", "Descriz. 2" and "Importo" choose
// "desc01", "desc02" and "importo"). " Trova causale", opened by the reason
// card, loads the picked reason into the card as its record on show;
// " Importa dati causale", opened by the slip form, writes the reason's two
// lines into the slip, and its euros and cents only when it has euros.

#include "common/ReasonRecord.h"
#include "registers/RegisterLookup.h"

// The reason lookups' table: "Causali.cdb", the four layouts, the print titles.
const LookupTable<ReasonRecord>& ReasonLookupTable();

class frmFindCausale : public RegisterLookup {
    Q_OBJECT
public:
    frmFindCausale();
};

class frmFindCausale01 : public RegisterLookup {
    Q_OBJECT
public:
    frmFindCausale01();
};
