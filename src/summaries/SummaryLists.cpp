#include "summaries/SummaryLists.h"

#include "common/FixedRecord.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SortedList.h"
#include "summaries/SlipSheet.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

// A field in a column: left-aligned, padded with blanks, cut to the width.
void column(QString& line, const QString& text, int width) {
    line += text.left(width);
    line += QString(width - std::min<qsizetype>(width, text.size()), QLatin1Char(' '));
}

QString nameKey(const QString& name) { return trimBlanks(name).toString().toLower(); }

// A digit field's value; false for anything but the digits 0-9.
bool digitsValue(const QString& text, qint64& value) {
    value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return true;
}

} // namespace

QString AmountText(const SlipRecord& slip) { return slip.Euros + QLatin1Char(',') + slip.Cents; }

QString SummaryLine(SummaryKind kind, const SlipRecord& slip) {
    QString line;
    line.reserve(144);
    if (kind == SummaryKind::ByPayee) {
        column(line, slip.Payer1, 23);
    } else {
        column(line, slip.Payee1, 34);
        line += QStringLiteral("  -  C/C n. ");
        column(line, slip.AccountNumber, 12);
    }
    line += QStringLiteral("  -  ");
    column(line, slip.Reason1, 60);
    line += QStringLiteral("  -  Euro ");
    column(line, AmountText(slip), 11);
    return line;
}

bool SlipCents(const SlipRecord& slip, qint64& cents) {
    // The fields are at most 8 and 2 characters wide; longer texts cannot
    // come from an archive and are refused rather than overflowed.
    qint64 euros = 0;
    qint64 part = 0;
    if (slip.Euros.size() > 8 || slip.Cents.size() > 2 || !digitsValue(slip.Euros, euros) ||
        !digitsValue(slip.Cents, part))
        return false;
    if (slip.Cents.size() == 1)
        part *= 10;
    cents = euros * 100 + part;
    return true;
}

bool SameName(const QString& a, const QString& b) { return nameKey(a) == nameKey(b); }

namespace {

// The fields the summary lines, their total and the name filters read.
constexpr std::array<QString SlipRecord::*, 6> kSummaryFields{&SlipRecord::Payee1, &SlipRecord::AccountNumber,
                                                              &SlipRecord::Reason1, &SlipRecord::Euros,
                                                              &SlipRecord::Cents, &SlipRecord::Payer1};

// Adds the slip to the summary when the summary takes it; `key` is the
// name's key.
void addToSummary(Summary& summary, SummaryKind kind, const QString& key, const SlipRecord& slip) {
    if (kind == SummaryKind::ByPayer && nameKey(slip.Payer1) != key)
        return;
    if (kind == SummaryKind::ByPayee && nameKey(slip.Payee1) != key)
        return;
    summary.lines << SummaryLine(kind, slip);
    qint64 cents = 0;
    if (SlipCents(slip, cents))
        summary.cents += cents;
}

} // namespace

Summary BuildSummary(SummaryKind kind, const QList<SlipRecord>& slips, const QString& name) {
    Summary summary;
    const QString key = nameKey(name);
    summary.lines.reserve(kind == SummaryKind::All ? slips.size() : 0);
    for (const SlipRecord& slip : slips)
        addToSummary(summary, kind, key, slip);
    return summary;
}

Summary ReadYearSummary(SummaryKind kind, const QString& year, const QString& name) {
    Summary summary;
    RecordArchive archive = YearSlipArchive(year);
    if (!archive.OpenArchive())
        return summary;
    const QString key = nameKey(name);
    summary.lines.reserve(kind == SummaryKind::All ? archive.RecordCount() : 0);
    const bool read = archive.ForEachRecordBytes([&](const QByteArray& bytes, qint64) {
        addToSummary(summary, kind, key, SlipRecord::decode(bytes, kSummaryFields));
    });
    return read ? summary : Summary();
}

QString FormatCents(qint64 cents, const QString& decimalSeparator) {
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0 - quint64(cents) : quint64(cents);
    return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) + decimalSeparator +
           QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

double RoundHalfUp(double value, qint16 digits) {
    const double scale = std::pow(10.0, digits);
    return std::floor(value * scale + 0.5) / scale;
}

void RemoveDuplicateItems(QStringList& items, bool /*repeat*/) {
    std::vector<QString> keys;
    keys.reserve(items.size());
    for (const QString& item : items)
        keys.push_back(nameKey(item));
    std::vector<qsizetype> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QStringList kept;
    kept.reserve(items.size());
    for (qsizetype i = 0; i < qsizetype(order.size()); ++i)
        if (i == 0 || keys[order[i]] != keys[order[i - 1]])
            kept << items[order[i]];
    items = std::move(kept);
}

void RemoveDuplicateItems(QComboBox* list, bool repeat) {
    QStringList items;
    items.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    RemoveDuplicateItems(items, repeat);
    SetNameEntries(list, std::move(items));
}

void SetNameEntries(QComboBox* list, QStringList names) {
    SortAsListBox(names);
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(-1);
}

QStringList SlipNames(SummaryKind kind, const QList<SlipRecord>& slips) {
    QStringList names;
    names.reserve(slips.size());
    for (const SlipRecord& slip : slips)
        names << trimBlanks(kind == SummaryKind::ByPayee ? slip.Payee1 : slip.Payer1).toString();
    return names;
}

QList<SlipRecord> ReadYearSlips(const QString& year) {
    QList<SlipRecord> slips;
    RecordArchive archive = YearSlipArchive(year);
    if (archive.OpenArchive())
        archive.ReadAllRecords(slips);
    return slips;
}

YearNames ReadYearNames(const QString& year) {
    // Of each group of the same name only the first in file order is kept,
    // as RemoveDuplicateItems keeps it; the names are held once each.
    YearNames names;
    RecordArchive archive = YearSlipArchive(year);
    if (!archive.OpenArchive())
        return names;
    QSet<QString> payers;
    QSet<QString> payees;
    const auto keep = [](QStringList& kept, QSet<QString>& seen, const QString& name) {
        const QString key = nameKey(name);
        if (!seen.contains(key)) {
            seen.insert(key);
            kept << trimBlanks(name).toString();
        }
    };
    constexpr std::array<QString SlipRecord::*, 2> kNames{&SlipRecord::Payer1, &SlipRecord::Payee1};
    const bool read = archive.ForEachRecordBytes([&](const QByteArray& bytes, qint64) {
        const SlipRecord slip = SlipRecord::decode(bytes, kNames);
        keep(names.payers, payers, slip.Payer1);
        keep(names.payees, payees, slip.Payee1);
    });
    return read ? names : YearNames();
}

int FitListHorizontalExtent(QListWidget* list) {
    if (list->count() == 0)
        return 0;
    const QFontMetrics metrics(list->font());
    // In a fixed-pitch font a line of characters that all have the font's own
    // advance is as wide as any other line of its length: such lines are
    // measured once per length, the others one by one.
    const bool fixedPitch = QFontInfo(list->font()).fixedPitch();
    const int pitch = metrics.horizontalAdvance(QLatin1Char('M'));
    std::vector<signed char> plain(0x10000, -1); // per UTF-16 unit: -1 not yet known
    const auto isPlain = [&](QChar c) {
        signed char& known = plain[c.unicode()];
        if (known < 0)
            known = !c.isSurrogate() && metrics.inFont(c) && metrics.horizontalAdvance(c) == pitch ? 1 : 0;
        return known == 1;
    };
    QHash<qsizetype, int> widthOfLength;
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        const QString line = list->item(i)->text();
        int width = 0;
        if (fixedPitch && std::all_of(line.begin(), line.end(), isPlain)) {
            auto known = widthOfLength.find(line.size());
            if (known == widthOfLength.end())
                known = widthOfLength.insert(line.size(), metrics.horizontalAdvance(line));
            width = *known;
        } else {
            width = metrics.horizontalAdvance(line);
        }
        widest = std::max(widest, width);
    }
    widest += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    // A list of uniform item sizes takes every row's size from its last row:
    // giving that row the extent's width makes the list as wide as its widest
    // line.
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    const int last = list->count() - 1;
    list->item(last)->setSizeHint(QSize(widest, list->sizeHintForRow(last)));
    return widest;
}
