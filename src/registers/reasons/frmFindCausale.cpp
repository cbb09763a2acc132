#include "registers/reasons/frmFindCausale.h"

#include "registers/ImportTarget.h"
#include "registers/reasons/ReasonLines.h"
#include "registers/reasons/frmCausali.h"

#include <array>

namespace {

const QString kBanner = QStringLiteral("Archivio causali");
// The reason lookups' own window: 5880 x 6360 twips, a darker grey behind the
// light grey panel, the count in white.
const LookupLook kReasonLook{.width = 5880, .height = 6360, .back = 0xC0C0C0, .count = Colors::White};

// The slip form's reason, and its amount only when the reason has euros (the
// boxes' change handling then gives the words and the cents copy).
const std::array<ImportBinding<ReasonRecord>, 4> kSlipImport{{
    {"txtCausale01", &ReasonRecord::Reason1},
    {"txtCausale02", &ReasonRecord::Reason2},
    {"txtCifre", &ReasonRecord::Euros, &ReasonRecord::Euros},
    {"txtCentCifra", &ReasonRecord::Cents, &ReasonRecord::Euros},
}};

} // namespace

const LookupTable<ReasonRecord>& ReasonLookupTable() {
    static const LookupTable<ReasonRecord> table{
        .files = [](const QWidget&) { return ProgramFiles::Reasons; },
        .modes = {{QStringLiteral("carica"), nullptr, QString(), &ReasonLines::Full, {}, ReasonLines::Shown},
                  {QStringLiteral("desc01"), "cmdCategoria", QStringLiteral("Descriz. 1"), &ReasonLines::ByReason1,
                   {}, ReasonLines::Shown},
                  {QStringLiteral("desc02"), "cmdDescrizione", QStringLiteral("Descriz. 2"), &ReasonLines::ByReason2,
                   &ReasonLines::HasReason2, ReasonLines::Shown},
                  {QStringLiteral("importo"), "cmdPagamento", QStringLiteral("Importo"), &ReasonLines::ByAmount,
                   &ReasonLines::HasEuros, ReasonLines::Shown}},
        .resortOpening = {},
        .printPrompt = QStringLiteral("Stampa elenco causali"),
        .printPage = QStringLiteral("Elenco causali"),
        .printLayout = {},
        .countCaption = QStringLiteral(" schede trovate"),
        .trimModeName = true,
        .pickFailed = {},
    };
    return table;
}

frmFindCausale::frmFindCausale() : RegisterLookup(QStringLiteral(" Trova causale"), kBanner, kReasonLook) {
    setObjectName(QStringLiteral("frmFindCausale"));
    setTable<ReasonRecord>(ReasonLookupTable(), [](const ReasonRecord& reason, qint64 number) {
        frmCausali& card = Forms::get<frmCausali>();
        WriteIntoCard<ReasonRecord>(card, card.lblPosizione, ReasonBoxes, reason, number);
    });
}

frmFindCausale01::frmFindCausale01() : RegisterLookup(QStringLiteral(" Importa dati causale"), kBanner, kReasonLook) {
    setObjectName(QStringLiteral("frmFindCausale01"));
    setTable<ReasonRecord>(ReasonLookupTable(), [](const ReasonRecord& reason, qint64) {
        if (QWidget* slip = ImportTarget::form())
            WriteImport<ReasonRecord>(*slip, kSlipImport, reason);
    });
}
