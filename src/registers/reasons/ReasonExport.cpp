#include "registers/reasons/ReasonExport.h"

#include "common/FixedRecord.h"

namespace {

QString trimmed(const QString& text) { return trimBlanks(text).toString(); }

} // namespace

WordCard ReasonWordCard(const ReasonRecord& reason) {
    const QString euros = trimmed(reason.Euros);
    const QString amount =
        euros.isEmpty() ? QString() : QStringLiteral("\u20AC ") + euros + QLatin1Char(',') + trimmed(reason.Cents);
    return {QStringLiteral("SCHEDA CAUSALE"),
            QStringLiteral("Scheda causale"),
            {{QStringLiteral("Descrizione causale:"),
              trimmed(reason.Reason1) + QStringLiteral("\r\n") + trimmed(reason.Reason2)},
             {QStringLiteral("Importo versato:"), amount},
             {QStringLiteral("Note:"), trimmed(reason.Notes)}}};
}
