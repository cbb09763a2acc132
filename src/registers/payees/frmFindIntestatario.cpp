#include "registers/payees/frmFindIntestatario.h"

#include "registers/ImportTarget.h"
#include "registers/payees/frmIntestatari.h"

namespace {

const QString kBanner = QStringLiteral("Ordina gli intestatari per:");

// A key layout: the key, its tag, the two name lines, the record's number.
std::function<QString(const PayeeRecord&, qint64)> keyedLine(QString PayeeRecord::*key, const QString& tag) {
    return KeyedLine<PayeeRecord>(key, tag, &PayeeRecord::Payee1, &PayeeRecord::Payee2);
}

// What a key layout reads.
std::vector<QString PayeeRecord::*> keyedFields(QString PayeeRecord::*key) {
    return {key, &PayeeRecord::Payee1, &PayeeRecord::Payee2};
}

// The slip form's payee block; the account number only when the payee has one.
const std::array<ImportBinding<PayeeRecord>, 3> kSlipImport{{
    {"txtIntestatario01", &PayeeRecord::Payee1},
    {"txtIntestatario02", &PayeeRecord::Payee2},
    {"txtCC", &PayeeRecord::AccountNumber, &PayeeRecord::AccountNumber},
}};

} // namespace

const LookupTable<PayeeRecord>& PayeeLookupTable() {
    static const LookupTable<PayeeRecord> table{
        .files = [](const QWidget&) { return ProgramFiles::Payees; },
        .modes = {{QStringLiteral("carica"), nullptr, QString(),
                   [](const PayeeRecord& p, qint64 n) {
                       return JoinedLine(
                           {p.Payee1, u" ", p.Payee2, u"  -  C/C n. ", p.AccountNumber, RecordTail(n)});
                   },
                   {},
                   {&PayeeRecord::Payee1, &PayeeRecord::Payee2, &PayeeRecord::AccountNumber}},
                  {QStringLiteral("cc"), "cmdCategoria", QStringLiteral("C/C"),
                   keyedLine(&PayeeRecord::AccountNumber, QStringLiteral(" (C/C)  -  ")),
                   WhenFilled(&PayeeRecord::AccountNumber),
                   keyedFields(&PayeeRecord::AccountNumber)},
                  {QStringLiteral("pi"), "cmdDescrizione", QStringLiteral("P. IVA"),
                   keyedLine(&PayeeRecord::VatNumber, QStringLiteral(" (P.IVA)  -  ")),
                   WhenFilled(&PayeeRecord::VatNumber),
                   keyedFields(&PayeeRecord::VatNumber)},
                  {QStringLiteral("cf"), "cmdPagamento", QStringLiteral("Cod. fiscale"),
                   keyedLine(&PayeeRecord::TaxCode, QStringLiteral(" (C.F.)  -  ")),
                   WhenFilled(&PayeeRecord::TaxCode),
                   keyedFields(&PayeeRecord::TaxCode)}},
        .resortOpening = {},
        .printPrompt = QStringLiteral("Stampa elenco intestatari"),
        .printPage = QStringLiteral("Elenco intestatari"),
        .printLayout = {},
        .countCaption = QStringLiteral(" schede trovate"),
        .trimModeName = true,
        .pickFailed = {},
    };
    return table;
}

frmFindIntestatario::frmFindIntestatario() : RegisterLookup(QStringLiteral(" Trova intestatario"), kBanner) {
    setObjectName(QStringLiteral("frmFindIntestatario"));
    setTable<PayeeRecord>(PayeeLookupTable(), [](const PayeeRecord& payee, qint64 number) {
        frmIntestatari& card = Forms::get<frmIntestatari>();
        WriteIntoCard<PayeeRecord>(card, card.lblPosizione, PayeeBoxes, payee, number);
    });
}

frmFindIntestatario01::frmFindIntestatario01()
    : RegisterLookup(QStringLiteral(" Importa dati intestatario"), kBanner) {
    setObjectName(QStringLiteral("frmFindIntestatario01"));
    setTable<PayeeRecord>(PayeeLookupTable(), [](const PayeeRecord& payee, qint64) {
        if (QWidget* slip = ImportTarget::form())
            WriteImport<PayeeRecord>(*slip, kSlipImport, payee);
    });
}
