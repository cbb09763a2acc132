#include "summaries/SlipSheet.h"

#include "common/Settings.h"

RecordArchive YearSlipArchive(const QString& year) {
    return RecordArchive(ProgramFilePath(YearArchiveName(year)), ProgramFilePath(YearTempName(year)),
                         SlipRecord::Length);
}

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

QString WriteYearSheet(const QString& year, const QString& folder, const std::function<void(qint64, qint64)>& written) {
    const std::unique_ptr<platform::IXlsxWriter> sheet =
        platform::documentWriters().startXlsx(SlipSheetHeader(), folder, QStringLiteral("Bollettini anno ") + year);
    if (!sheet)
        return QString();
    RecordArchive archive = YearSlipArchive(year);
    if (archive.OpenArchive()) {
        const qint64 count = archive.RecordCount();
        bool rowsWritten = true;
        const bool readThrough = archive.ForEachRecord<SlipRecord>([&](const SlipRecord& slip, qint64 k) {
            rowsWritten = sheet->addRow(SlipSheetRow(slip));
            if (rowsWritten && written)
                written(k, count);
            return rowsWritten;
        });
        if (!readThrough || !rowsWritten)
            return QString();
    }
    return sheet->finish();
}
