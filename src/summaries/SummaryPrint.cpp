#include "summaries/SummaryPrint.h"

PrintedListLayout SummaryPrintLayout(const QString& title) {
    PrintedListLayout layout;
    layout.emptyNotice = QStringLiteral("La lista non contiene nessuna voce.");
    layout.promptTitle = QStringLiteral("Stampa riepilogo versamenti");
    layout.title = title.trimmed();
    layout.rule = QString(30, QLatin1Char('_'));
    layout.countSuffix = QStringLiteral(" versamenti eseguiti");
    layout.errorTitle = QStringLiteral("Attenzione: operazione non eseguibile");
    layout.leftOriginTwips = -600;
    layout.fontName = QStringLiteral("Courier New");
    layout.titlePoints = 12;
    layout.rulePoints = 8;
    layout.linePoints = 8;
    layout.countPoints = 8;
    layout.closingPoints = 8;
    return layout;
}

ListPrintOutcome PrintSummary(const QStringList& lines, const QString& title) {
    return PrintList(lines, SummaryPrintLayout(title));
}
