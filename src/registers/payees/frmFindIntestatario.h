#pragma once
// The two payee lookups: " Trova intestatario", opened by the payee card,
// loads the picked payee into the card; " Importa dati intestatario", opened
// by the slip form, writes the payee's name lines and (when not blank) its
// account number into the slip.

#include "common/PayeeRecord.h"
#include "registers/RegisterLookup.h"

// The payee lookups' table: "Intestatari.idb", the layouts by name, account
// number ("C/C"), VAT number ("P. IVA") and tax code ("Cod. fiscale"), the
// print titles.
const LookupTable<PayeeRecord>& PayeeLookupTable();

class frmFindIntestatario : public RegisterLookup {
    Q_OBJECT
public:
    frmFindIntestatario();
};

class frmFindIntestatario01 : public RegisterLookup {
    Q_OBJECT
public:
    frmFindIntestatario01();
};
