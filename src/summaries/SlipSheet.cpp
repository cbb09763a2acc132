#include "summaries/SlipSheet.h"

QStringList SlipSheetHeader() {
    return {QStringLiteral("C/C"),       QStringLiteral("Importo versato"), QStringLiteral("Intestatario"),
            QStringLiteral("Causale"),   QStringLiteral("Esecutore"),       QStringLiteral("Via/Piazza"),
            QStringLiteral("CAP"),       QString::fromUtf8("Località"),     QStringLiteral("Note")};
}

QStringList SlipSheetRow(const SlipRecord& slip) {
    const QChar blank(QLatin1Char(' '));
    return {QStringLiteral("N. ") + slip.AccountNumber,
            QString::fromUtf8("€ ") + slip.Euros + QLatin1Char(',') + slip.Cents,
            slip.Payee1 + blank + slip.Payee2,
            slip.Reason1 + blank + slip.Reason2,
            slip.Payer1 + blank + slip.Payer2,
            slip.Street,
            slip.PostCode,
            slip.Town,
            slip.Notes};
}
