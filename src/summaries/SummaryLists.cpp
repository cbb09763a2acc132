#include "summaries/SummaryLists.h"

#include "common/FixedRecord.h"
#include "common/RecordArchive.h"
#include "common/Settings.h"
#include "common/SortedList.h"
#include "platform/Cp1252.h"
#include "summaries/SlipSheet.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QListWidget>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
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
    // The box shows the names from one list of its own rather than an item
    // made for each of a year's hundred thousand names.
    auto* model = qobject_cast<QStringListModel*>(list->model());
    if (!model || model->QObject::parent() != list) {
        model = new QStringListModel(list);
        list->setModel(model);
    }
    model->setStringList(names);
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

namespace {

// The byte of every byte's small letter. Each byte of the code page decodes
// to a character of its own, and the small letter of each is again one of
// its characters: two fields have the same name key (nameKey) exactly when
// their bytes, outer blanks dropped and each put through this table, are the
// same.
const std::array<char, 256>& smallLetterBytes() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> bytes{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString small = decodeField(&byte, 1).toLower();
            bytes[std::size_t(b)] = small.size() == 1 ? char(platform::cp1252Byte(small[0].unicode())) : byte;
        }
        return bytes;
    }();
    return table;
}

// The first field of every group of the same name, decoded, in the order the
// fields come. The names are told apart by their keys' bytes, so a name seen
// before is neither decoded nor held again.
class FirstNames {
public:
    // Room for half the fields' names at first, for a year repeats names.
    explicit FirstNames(qint64 fields) {
        const auto names = std::size_t(std::clamp<qint64>(fields / 2, 8, 1 << 22));
        grow(names);
        keys_.reserve(names);
        bytes_.reserve(names * 16);
    }

    void add(QByteArrayView field) {
        const char* begin = field.data();
        const char* end = begin + field.size();
        while (begin < end && *begin == ' ')
            ++begin;
        while (end > begin && end[-1] == ' ')
            --end;
        const std::size_t length = std::size_t(end - begin);
        const std::array<char, 256>& small = smallLetterBytes();
        folded_.resize(length);
        std::uint64_t hash = 0xCBF29CE484222325ULL;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = small[static_cast<unsigned char>(begin[i])];
            folded_[i] = c;
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
        }
        std::size_t slot = slotOf(hash);
        for (; slots_[slot]; slot = (slot + 1) & (slots_.size() - 1)) {
            const Key& key = keys_[slots_[slot] - 1];
            if (key.hash == hash && key.length == length && bytes_.compare(key.begin, length, folded_) == 0)
                return;
        }
        keys_.push_back({hash, bytes_.size(), length});
        bytes_ += folded_;
        slots_[slot] = std::uint32_t(keys_.size());
        names_ << decodeField(begin, qsizetype(length));
        if (keys_.size() * 2 > slots_.size())
            grow(slots_.size());
    }

    QStringList take() { return std::move(names_); }

private:
    struct Key {
        std::uint64_t hash;
        std::size_t begin; // in bytes_
        std::size_t length;
    };

    std::size_t slotOf(std::uint64_t hash) const {
        return std::size_t((hash * 0x9E3779B97F4A7C15ULL) >> 32) & (slots_.size() - 1);
    }

    // Room for at least twice `names` keys.
    void grow(std::size_t names) {
        std::size_t size = 16;
        while (size < names * 2)
            size *= 2;
        slots_.assign(size, 0);
        for (std::size_t k = 0; k < keys_.size(); ++k) {
            std::size_t slot = slotOf(keys_[k].hash);
            while (slots_[slot])
                slot = (slot + 1) & (size - 1);
            slots_[slot] = std::uint32_t(k + 1);
        }
    }

    std::vector<std::uint32_t> slots_; // a key's index + 1; 0 for a free slot
    std::vector<Key> keys_;
    std::string bytes_; // the keys' bytes back to back
    std::string folded_;
    QStringList names_;
};

} // namespace

YearNames ReadYearNames(const QString& year) {
    // Of each group of the same name only the first in file order is kept,
    // as RemoveDuplicateItems keeps it; the names are held once each.
    YearNames names;
    RecordArchive archive = YearSlipArchive(year);
    if (!archive.OpenArchive())
        return names;
    FirstNames payers(archive.RecordCount());
    FirstNames payees(archive.RecordCount());
    const bool read = archive.ForEachRecordBytes([&](const QByteArray& bytes, qint64) {
        payers.add(SlipRecord::fieldBytes(bytes, &SlipRecord::Payer1));
        payees.add(SlipRecord::fieldBytes(bytes, &SlipRecord::Payee1));
    });
    if (!read)
        return names;
    names.payers = payers.take();
    names.payees = payees.take();
    return names;
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
