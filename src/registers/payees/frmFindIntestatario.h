#pragma once
// The two payee lookups: " Trova intestatario", opened by the payee card,
// loads the picked payee into the card; " Importa dati intestatario", opened
// by the slip form, writes the payee's name lines and (when not blank) its
// account number into the slip.

#include "common/PayeeRecord.h"
#include "registers/RegisterLookup.h"

// The payee lookups' table: "Intestatari.idb", the layouts by name, account
// number, VAT number and tax code, the print titles.
const RegisterLookupTable& PayeeLookupTable();

class frmFindIntestatario : public RecordLookup<PayeeRecord> {
    Q_OBJECT
public:
    frmFindIntestatario();

protected:
    void pickRecord(const QStringList& fields, qint64 number) override;
};

class frmFindIntestatario01 : public RecordLookup<PayeeRecord> {
    Q_OBJECT
public:
    frmFindIntestatario01();

protected:
    void pickRecord(const QStringList& fields, qint64 number) override;
};
