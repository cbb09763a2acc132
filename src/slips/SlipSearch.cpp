#include "slips/SlipSearch.h"

#include "common/FixedRecord.h"
#include "common/SortedList.h"
#include "slips/LeadingNumber.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QString kTail = QStringLiteral("  [ ");
const QString kTailEnd = QStringLiteral(" ]");
const QString kAmount = QStringLiteral("  -  Importo: ");
const QString kReason = QStringLiteral("  -  Causale: ");
const QString kHeldBy = QStringLiteral(" intestato a ");

QString amount(const SlipRecord& s) { return s.Euros + QLatin1Char(',') + s.Cents; }

QString tail(qint64 number) { return kTail + QString::number(number) + kTailEnd; }

} // namespace

QString LookupModeName(SlipListMode mode) {
    switch (mode) {
    case SlipListMode::Opening: return QStringLiteral("Apertura");
    case SlipListMode::Payer: return QStringLiteral("Esecutore");
    case SlipListMode::Payee: return QStringLiteral("Intestatario");
    case SlipListMode::Reason: return QStringLiteral("Causale");
    case SlipListMode::Account: return QStringLiteral("Conto");
    }
    return QString();
}

std::optional<SlipListMode> SlipListModeNamed(const QString& name) {
    for (SlipListMode mode : {SlipListMode::Opening, SlipListMode::Payer, SlipListMode::Payee, SlipListMode::Reason,
                              SlipListMode::Account})
        if (name == LookupModeName(mode))
            return mode;
    return std::nullopt;
}

QString SlipLine(SlipListMode mode, const SlipRecord& s, qint64 number) {
    switch (mode) {
    case SlipListMode::Opening:
        return amount(s) + QStringLiteral(" euro su C/C n. ") + s.AccountNumber + kHeldBy + s.Payee1 + kReason +
               s.Reason1 + tail(number);
    case SlipListMode::Payer:
        return s.Payer1 + QStringLiteral(" ha versato su C/C n. ") + s.AccountNumber + kHeldBy + s.Payee1 + kAmount +
               amount(s) + kReason + s.Reason1 + tail(number);
    case SlipListMode::Payee:
        return s.Payee1 + QStringLiteral(": intestatario del C/C n. ") + s.AccountNumber + kAmount + amount(s) +
               kReason + s.Reason1 + tail(number);
    case SlipListMode::Reason:
        return s.Reason1 + QStringLiteral("  -  C/C n. ") + s.AccountNumber + kHeldBy + s.Payee1 + kAmount +
               amount(s) + tail(number);
    case SlipListMode::Account:
        return s.AccountNumber + QStringLiteral(": C/C intestato a ") + s.Payee1 + kAmount + amount(s) + kReason +
               s.Reason1 + tail(number);
    }
    return QString();
}

QStringList SlipLines(SlipListMode mode, const QList<SlipRecord>& slips) {
    QStringList lines;
    lines.reserve(slips.size());
    qint64 number = 0;
    for (const SlipRecord& slip : slips)
        lines.append(SlipLine(mode, slip, ++number));
    SortAsListBox(lines);
    if (mode == SlipListMode::Opening)
        SortListByLeadingNumber(lines);
    return lines;
}

std::optional<double> LeadingWholeEuros(const QString& line) {
    const double euros = std::nearbyint(LeadingNumberValue(line));
    if (!(euros >= 1))
        return std::nullopt;
    return euros;
}

// The pass the re-sort stands for walks the list from the top: a line that has
// a smaller amount somewhere below it is taken out and put back directly after
// the lowest such line; a line with none below stays where it is. Every line
// moves at most once (all lines after a moved line are at least its amount),
// so the result follows from one look at the list: ascending amounts; within
// one amount, the moved lines first, each later one put in front of the
// earlier ones, then the lines that stayed, in their order. Computing it so
// takes one sort instead of rescanning the list after every move.
void SortListByLeadingNumber(QStringList& lines) {
    struct Amount {
        double euros;
        qsizetype index;
        bool moved;
    };
    QStringList result;
    result.reserve(lines.size());
    std::vector<Amount> amounts;
    amounts.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto euros = LeadingWholeEuros(lines[i]))
            amounts.push_back({*euros, i, false});
        else
            result.append(lines[i]); // no whole euros: stays on top, in order
    }

    double lowestBelow = std::numeric_limits<double>::infinity();
    for (auto it = amounts.rbegin(); it != amounts.rend(); ++it) {
        it->moved = lowestBelow < it->euros;
        lowestBelow = std::min(lowestBelow, it->euros);
    }

    std::sort(amounts.begin(), amounts.end(), [](const Amount& a, const Amount& b) {
        if (a.euros != b.euros)
            return a.euros < b.euros;
        if (a.moved != b.moved)
            return a.moved;
        return a.moved ? a.index > b.index : a.index < b.index;
    });
    for (const Amount& a : amounts)
        result.append(lines[a.index]);
    lines = std::move(result);
}

PrintedListLayout SlipListPrintLayout(const QString& year) {
    PrintedListLayout layout;
    layout.emptyNotice = QStringLiteral("La lista non contiene alcuna voce.");
    layout.promptTitle = QStringLiteral("Stampa riepilogo versamenti");
    layout.title = QStringLiteral("    Riepilogo versamenti anno ") + trimBlanks(year).toString();
    layout.rule = QStringLiteral("    ") + QString(65, QLatin1Char('_'));
    layout.linePrefix = QStringLiteral("     ");
    layout.countCaption = QStringLiteral("     Totale bollettini: ");
    layout.closingIndent = QString(7, QLatin1Char(' '));
    layout.errorTitle = QStringLiteral("Attenzione: stampa non riuscita");
    return layout;
}
