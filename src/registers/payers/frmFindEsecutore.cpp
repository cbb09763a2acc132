#include "registers/payers/frmFindEsecutore.h"

#include "registers/CardPictures.h"
#include "registers/ImportTarget.h"
#include "registers/payers/frmEsecutori.h"

namespace {

const QString kBanner = QStringLiteral("Ordina gli esecutori per:");
// The payer lookups' banner: a hand writing.
const LookupLook kPayerLook{.banner = &CardPictures::writingHandBanner};

// A key layout: the key, its tag, the two name lines, the record's number.
std::function<QString(const PayerRecord&, qint64)> keyedLine(QString PayerRecord::*key, const QString& tag) {
    return KeyedLine<PayerRecord>(key, tag, &PayerRecord::Payer1, &PayerRecord::Payer2);
}

// What a key layout reads.
std::vector<QString PayerRecord::*> keyedFields(QString PayerRecord::*key) {
    return {key, &PayerRecord::Payer1, &PayerRecord::Payer2};
}

// The slip form's payer block, every box whatever its value.
const std::array<ImportBinding<PayerRecord>, 5> kSlipImport{{
    {"txtMittente01", &PayerRecord::Payer1},
    {"txtMittente02", &PayerRecord::Payer2},
    {"txtVia", &PayerRecord::Street},
    {"txtCAP", &PayerRecord::PostCode},
    {"txtLuogo", &PayerRecord::Town},
}};

} // namespace

const LookupTable<PayerRecord>& PayerLookupTable() {
    static const LookupTable<PayerRecord> table{
        .files = [](const QWidget&) { return ProgramFiles::Payers; },
        .modes = {{QStringLiteral("carica"), nullptr, QString(),
                   [](const PayerRecord& p, qint64 n) {
                       return JoinedLine({p.Payer1, u" ", p.Payer2, u"  -  ", p.Town, RecordTail(n)});
                   },
                   {},
                   {&PayerRecord::Payer1, &PayerRecord::Payer2, &PayerRecord::Town}},
                  // The town has no tag of its own.
                  {QStringLiteral("cc"), "cmdCategoria", QString::fromUtf8("Località"),
                   keyedLine(&PayerRecord::Town, QStringLiteral("  -  ")), WhenFilled(&PayerRecord::Town),
                   keyedFields(&PayerRecord::Town)},
                  {QStringLiteral("pi"), "cmdDescrizione", QStringLiteral("P. IVA"),
                   keyedLine(&PayerRecord::VatNumber, QStringLiteral(" (P.IVA)  -  ")),
                   WhenFilled(&PayerRecord::VatNumber),
                   keyedFields(&PayerRecord::VatNumber)},
                  {QStringLiteral("cf"), "cmdPagamento", QStringLiteral("Cod. fiscale"),
                   keyedLine(&PayerRecord::TaxCode, QStringLiteral(" (C.F.)  -  ")),
                   WhenFilled(&PayerRecord::TaxCode),
                   keyedFields(&PayerRecord::TaxCode)}},
        .resortOpening = {},
        .printPrompt = QStringLiteral("Stampa elenco esecutori"),
        .printPage = QStringLiteral("Elenco esecutori"),
        .printLayout = {},
        .countCaption = QStringLiteral(" schede trovate"),
        .trimModeName = true,
        .pickFailed = {},
    };
    return table;
}

frmFindEsecutore::frmFindEsecutore() : RegisterLookup(QStringLiteral(" Trova esecutore"), kBanner, kPayerLook) {
    setObjectName(QStringLiteral("frmFindEsecutore"));
    setTable<PayerRecord>(PayerLookupTable(), [](const PayerRecord& payer, qint64 number) {
        frmEsecutori& card = Forms::get<frmEsecutori>();
        WriteIntoCard<PayerRecord>(card, card.lblPosizione, PayerBoxes, payer, number);
    });
}

frmFindEsecutore01::frmFindEsecutore01()
    : RegisterLookup(QStringLiteral(" Importa dati esecutore"), kBanner, kPayerLook) {
    setObjectName(QStringLiteral("frmFindEsecutore01"));
    setTable<PayerRecord>(PayerLookupTable(), [](const PayerRecord& payer, qint64) {
        if (QWidget* slip = ImportTarget::form())
            WriteImport<PayerRecord>(*slip, kSlipImport, payer);
    });
}
