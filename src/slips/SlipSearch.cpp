#include "slips/SlipSearch.h"

#include "common/FixedRecord.h"
#include "common/SortedList.h"
#include "common/LeadingNumber.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "slips/frmBollettini.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numeric>
#include <vector>

namespace {

const QString kTail = QStringLiteral("  [ ");
const QString kTailEnd = QStringLiteral(" ]");
const QString kComma = QStringLiteral(",");
const QString kAmount = QStringLiteral("  -  Importo: ");
const QString kReason = QStringLiteral("  -  Causale: ");
const QString kHeldBy = QStringLiteral(" intestato a ");
const QString kOpening = QStringLiteral(" euro su C/C n. ");
const QString kPayer = QStringLiteral(" ha versato su C/C n. ");
const QString kPayee = QStringLiteral(": intestatario del C/C n. ");
const QString kReasonAccount = QStringLiteral("  -  C/C n. ");
const QString kAccount = QStringLiteral(": C/C intestato a ");

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
    const QString n = QString::number(number);
    switch (mode) {
    case SlipListMode::Opening:
        return JoinedLine({s.Euros, kComma, s.Cents, kOpening, s.AccountNumber, kHeldBy, s.Payee1, kReason, s.Reason1, kTail,
                       n, kTailEnd});
    case SlipListMode::Payer:
        return JoinedLine({s.Payer1, kPayer, s.AccountNumber, kHeldBy, s.Payee1, kAmount, s.Euros, kComma, s.Cents, kReason,
                       s.Reason1, kTail, n, kTailEnd});
    case SlipListMode::Payee:
        return JoinedLine({s.Payee1, kPayee, s.AccountNumber, kAmount, s.Euros, kComma, s.Cents, kReason, s.Reason1, kTail, n,
                       kTailEnd});
    case SlipListMode::Reason:
        return JoinedLine({s.Reason1, kReasonAccount, s.AccountNumber, kHeldBy, s.Payee1, kAmount, s.Euros, kComma, s.Cents,
                       kTail, n, kTailEnd});
    case SlipListMode::Account:
        return JoinedLine({s.AccountNumber, kAccount, s.Payee1, kAmount, s.Euros, kComma, s.Cents, kReason, s.Reason1, kTail,
                       n, kTailEnd});
    }
    return QString();
}

std::vector<QString SlipRecord::*> SlipLineFields(SlipListMode mode) {
    std::vector<QString SlipRecord::*> fields{&SlipRecord::Euros, &SlipRecord::Cents, &SlipRecord::AccountNumber,
                                              &SlipRecord::Payee1, &SlipRecord::Reason1};
    if (mode == SlipListMode::Payer)
        fields.push_back(&SlipRecord::Payer1);
    return fields;
}

QStringList SlipLines(SlipListMode mode, const QList<SlipRecord>& slips) {
    const LookupTable<SlipRecord>& table = SlipLookupTable();
    return LookupLines(table, table.modes[static_cast<std::size_t>(mode)], slips);
}

const LookupTable<SlipRecord>& SlipLookupTable() {
    const auto row = [](SlipListMode mode, const char* button, const char* caption) {
        return LookupModeRow<SlipRecord>{
            .name = LookupModeName(mode),
            .button = button,
            .caption = QString::fromLatin1(caption),
            .line = [mode](const SlipRecord& slip, qint64 number) { return SlipLine(mode, slip, number); },
            .lists = {},
            .fields = SlipLineFields(mode)};
    };
    static const LookupTable<SlipRecord> table{
        .files = [](const QWidget&) { return ProgramFiles::YearArchive(Forms::get<frmBollettini>().lblFile->text()); },
        .modes = {row(SlipListMode::Opening, nullptr, ""), row(SlipListMode::Payer, "cmdEsecutore", "Esecutore"),
                  row(SlipListMode::Payee, "cmdTotale", "Intestatario"), row(SlipListMode::Reason, "cmdCliente", "Causale"),
                  row(SlipListMode::Account, "cmdData", "C/C")},
        .resortOpening = ResortByLeadingNumber,
        .printPrompt = {},
        .printPage = {},
        .printLayout = [](const QWidget&) { return SlipListPrintLayout(Forms::get<frmBollettini>().lblFile->text()); },
        .countCaption = {},
        .trimModeName = false,
        .pickFailed =
            [] {
                platform::program().beep();
                MsgBox(QStringLiteral("Impossibile aprire il file."), platform::MsgIcon::Critical,
                       platform::MsgButtons::OK, QStringLiteral("Attenzione: messaggio di errore"));
            }};
    return table;
}

std::optional<double> LeadingWholeEuros(const QString& line) {
    // An opening line begins with the euros' digits and the comma, which ends
    // the reading: those digits are the value.
    double value = 0;
    qsizetype digits = 0;
    for (; digits < line.size() && digits < 15 && line[digits].isDigit() && line[digits].unicode() < 0x80; ++digits)
        value = value * 10 + (line[digits].unicode() - u'0');
    if (digits == 0 || digits >= line.size() || line[digits] != QLatin1Char(','))
        value = LeadingNumberValue(line);
    const double euros = std::nearbyint(value);
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
    LineOrder order(static_cast<std::size_t>(lines.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    ResortByLeadingNumber(lines, order);
    ApplyLineOrder(lines, order);
}

void ResortByLeadingNumber(const QStringList& lines, LineOrder& order) {
    // The euros read in the lines' own order, which is the order they lie in
    // memory; the re-sort then moves positions only.
    std::vector<double> euros(static_cast<std::size_t>(lines.size()), 0);
    for (qsizetype i = 0; i < lines.size(); ++i)
        euros[static_cast<std::size_t>(i)] = LeadingWholeEuros(lines[i]).value_or(0);

    struct Amount {
        double euros;
        qsizetype rank; // where the line stands in the list
        qsizetype line;
        bool moved;
    };
    LineOrder result;
    result.reserve(order.size());
    std::vector<Amount> amounts;
    amounts.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const double e = euros[static_cast<std::size_t>(order[k])];
        if (e >= 1)
            amounts.push_back({e, qsizetype(k), order[k], false});
        else
            result.push_back(order[k]); // no whole euros: stays on top, in order
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
        return a.moved ? a.rank > b.rank : a.rank < b.rank;
    });
    for (const Amount& a : amounts)
        result.push_back(a.line);
    order = std::move(result);
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
