#include "registers/payees/frmFindIntestatario.h"

#include "common/PayeeRecord.h"
#include "common/ProgramFiles.h"
#include "registers/payees/frmIntestatari.h"
#include "slips/frmBollettini.h"

namespace {
// Field numbers of the payee record.
enum : int { Payee1 = 0, Payee2 = 1, AccountNumber = 2, VatNumber = 8, TaxCode = 9 };

LookupLayout keyed(const QString& mode, int key, const QString& tag) {
    return {mode, key, {{key, {}}, {-1, tag}, {Payee1, {}}, {-1, QStringLiteral(" ")}, {Payee2, {}}}};
}
} // namespace

const RegisterLookupTable& PayeeLookupTable() {
    static const RegisterLookupTable table{
        ProgramFiles::Payees,
        PayeeWidths,
        QStringLiteral("Ordina gli intestatari per:"),
        {QStringLiteral("C/C"), QStringLiteral("P. IVA"), QStringLiteral("Cod. fiscale")},
        {LookupLayout{QStringLiteral("carica"),
                      -1,
                      {{Payee1, {}},
                       {-1, QStringLiteral(" ")},
                       {Payee2, {}},
                       {-1, QStringLiteral("  -  C/C n. ")},
                       {AccountNumber, {}}}},
         keyed(QStringLiteral("cc"), AccountNumber, QStringLiteral(" (C/C)  -  ")),
         keyed(QStringLiteral("pi"), VatNumber, QStringLiteral(" (P.IVA)  -  ")),
         keyed(QStringLiteral("cf"), TaxCode, QStringLiteral(" (C.F.)  -  "))},
        QStringLiteral("Stampa elenco intestatari"),
        QStringLiteral("Elenco intestatari"),
    };
    return table;
}

frmFindIntestatario::frmFindIntestatario() : RecordLookup(PayeeLookupTable(), QStringLiteral(" Trova intestatario")) {
    setObjectName(QStringLiteral("frmFindIntestatario"));
}

void frmFindIntestatario::pickRecord(const QStringList& fields, qint64 number) {
    frmIntestatari& card = Forms::get<frmIntestatari>();
    WriteBoxes<PayeeRecord>(card, PayeeBoxes, PayeeRecord::fromFields(fields));
    ShowRecordNumber(card.lblPosizione, number);
}

frmFindIntestatario01::frmFindIntestatario01()
    : RecordLookup(PayeeLookupTable(), QStringLiteral(" Importa dati intestatario")) {
    setObjectName(QStringLiteral("frmFindIntestatario01"));
}

void frmFindIntestatario01::pickRecord(const QStringList& fields, qint64) {
    frmBollettini& slip = Forms::get<frmBollettini>();
    slip.txtIntestatario01->setText(fields.value(Payee1));
    slip.txtIntestatario02->setText(fields.value(Payee2));
    if (!fields.value(AccountNumber).isEmpty())
        slip.txtCC->setText(fields.value(AccountNumber));
}
