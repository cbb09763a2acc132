#pragma once
// The two payer lookups: " Trova esecutore", opened by the payer card, loads
// the picked payer into the card; " Importa dati esecutore", opened by the
// slip form, writes the payer's name lines, street, postal code and town into
// the slip.

#include "common/PayerRecord.h"
#include "registers/RegisterLookup.h"

// The payer lookups' table: "Esecutori.edb", the layouts by name, town
// ("Località"), VAT number ("P. IVA") and tax code ("Cod. fiscale"), the
// print titles.
const LookupTable<PayerRecord>& PayerLookupTable();

class frmFindEsecutore : public RegisterLookup {
    Q_OBJECT
public:
    frmFindEsecutore();
};

class frmFindEsecutore01 : public RegisterLookup {
    Q_OBJECT
public:
    frmFindEsecutore01();
};
