#include "common/SortedList.h"

#include <QCollator>
#include <QEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace {

// Reports mouse moves over a list's viewport and shows the list's tooltip
// text when the pointer rests.
class ListMouseWatcher final : public QObject {
public:
    ListMouseWatcher(QAbstractItemView* list, std::function<void(Qt::MouseButtons, QPoint)> mouseMove)
        : QObject(list), list_(list), mouseMove_(std::move(mouseMove)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (mouseMove_)
                mouseMove_(move->buttons(), move->position().toPoint());
            return false;
        }
        case QEvent::ToolTip: {
            const auto* help = static_cast<QHelpEvent*>(event);
            if (list_->toolTip().isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), list_->toolTip(), list_->viewport());
            return true;
        }
        default:
            return false;
        }
    }

private:
    QAbstractItemView* list_;
    std::function<void(Qt::MouseButtons, QPoint)> mouseMove_;
};

using Order = LineOrder;

// The positions of the lines in the order of their keys; equal keys keep
// their order.
template <class Key, class Less>
Order orderByKeys(const std::vector<Key>& keys, Less less) {
    Order order(keys.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return less(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
    });
    return order;
}

// The text with its case folded; plain ASCII takes the short way.
QString folded(const QString& text) {
    QString out(text.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        *to++ = u < 0x80 ? QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u) : c.toCaseFolded();
    }
    return out;
}

// Cheap keys for lines made of printable ASCII, Latin-1 signs and accented
// Latin-1 letters, taken from the collator's own order of those characters:
// the primary weights of the whole line first (a character's rank, case
// ignored; an accented letter counts as its base letter), then, when the line
// has any, its accents. They compare as plain bytes and cost a fraction of
// the collator's full keys.
//
// Every character they cover collates as one primary weight, plus at most one
// accent on a letter: no expansions (no compatibility decompositions, no
// ligatures), no contractions, no ignorable characters. For such lines the
// collator's order without case is the keys' order: the primaries compared
// character by character, a line that is another's beginning first, then the
// accents character by character, a letter without one below every accent.
// Lines whose keys are equal must collate equal too, which is checked.
class QuickKeys {
public:
    explicit QuickKeys(const QCollator& collator) {
        // Printable ASCII and the Latin-1 signs that stand for themselves
        // (degree, pound, section ...).
        QStringList printable;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            printable.append(QString(QChar(c)));
        const auto standsForItself = [](char16_t c) {
            return QChar(c).decompositionTag() == QChar::NoDecomposition && !QChar(c).isLetter();
        };
        for (char16_t c = 0xA1; c <= 0xFF; ++c)
            if (standsForItself(c))
                printable.append(QString(QChar(c)));
        // The signs of the Windows code page beyond Latin-1 (euro, dashes,
        // quotes ...), which the archives' texts hold.
        for (const char16_t c : kCodePageExtras)
            if (standsForItself(c))
                printable.append(QString(QChar(c)));
        for (const auto& [text, rank] : ranked(collator, printable))
            at(text[0].unicode()) = {rank, 0};

        // The accents, ranked by how the collator orders them on one letter.
        QStringList accented;
        for (const char16_t mark :
             {u'\u0300', u'\u0301', u'\u0302', u'\u0303', u'\u0308', u'\u030A', u'\u030C', u'\u0327'})
            accented.append(QStringLiteral("a") + QChar(mark));
        std::array<unsigned char, 0x80> accentRank{};
        for (const auto& [text, rank] : ranked(collator, accented))
            accentRank[text[1].unicode() - 0x300] = rank;

        std::vector<char16_t> letters;
        for (char16_t c = 0xA0; c <= 0xFF; ++c)
            letters.push_back(c);
        letters.insert(letters.end(), std::begin(kCodePageExtras), std::end(kCodePageExtras));
        for (const char16_t c : letters) {
            const QChar ch(c);
            const QString d = ch.decomposition();
            if (ch.decompositionTag() != QChar::Canonical || d.size() != 2)
                continue;
            const char16_t base = d[0].unicode();
            const char16_t mark = d[1].unicode();
            if (base < 0x7F && table_[base].primary && mark >= 0x300 && mark < 0x380 && accentRank[mark - 0x300])
                at(c) = {table_[base].primary, accentRank[mark - 0x300]};
        }
    }

    // Appends the line's key to `keys`; false when the line holds a
    // character these keys do not cover.
    //
    // The primaries come first, then a 0, lower than every rank: a line that
    // is another's beginning comes first. The accents follow as the list of
    // the accented positions, each as two bytes, 0xFFFF less the position,
    // and its accent's rank. A line with fewer accents (all others none)
    // compares as the dense accents would: where two lists first differ, the
    // earlier position holds an accent where the other line has none, so it
    // must be the greater, as the reversed position makes it; a list that
    // ends first is lower, as a line with no further accents is.
    bool appendKey(const QString& line, std::string& keys) const {
        const qsizetype n = line.size();
        if (n >= 0xFFFF)
            return false;
        const std::size_t start = keys.size();
        keys.resize(start + static_cast<std::size_t>(n) + 1);
        char* out = keys.data() + start;
        const char16_t* in = reinterpret_cast<const char16_t*>(line.utf16());
        qsizetype firstAccent = -1;
        for (qsizetype i = 0; i < n; ++i) {
            const Weights w = weights(in[i]);
            if (!w.primary) {
                keys.resize(start);
                return false;
            }
            out[i] = static_cast<char>(w.primary);
            if (w.accent && firstAccent < 0)
                firstAccent = i;
        }
        out[n] = '\0';
        if (firstAccent >= 0)
            for (qsizetype i = firstAccent; i < n; ++i)
                if (const unsigned char accent = weights(in[i]).accent) {
                    const auto position = static_cast<unsigned>(0xFFFF - i);
                    keys.push_back(static_cast<char>(position >> 8));
                    keys.push_back(static_cast<char>(position & 0xFF));
                    keys.push_back(static_cast<char>(accent));
                }
        return true;
    }

private:
    struct Weights {
        unsigned char primary = 0; // 0: not covered
        unsigned char accent = 0;  // 0: none
    };

    // The texts in the collator's order with ranks from 1; texts it finds
    // equal share a rank.
    static std::vector<std::pair<QString, unsigned char>> ranked(const QCollator& collator, QStringList texts) {
        std::stable_sort(texts.begin(), texts.end(),
                         [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        std::vector<std::pair<QString, unsigned char>> out;
        unsigned char next = 0;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i == 0 || collator.compare(texts[i - 1], texts[i]) != 0)
                ++next;
            out.emplace_back(texts[i], next);
        }
        return out;
    }

    // The characters of Windows-1252 outside Latin-1, in code order.
    static constexpr char16_t kCodePageExtras[] = {
        0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E, 0x0192, 0x02C6, 0x02DC, 0x2013, 0x2014, 0x2018, 0x2019,
        0x201A, 0x201C, 0x201D, 0x201E, 0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122};

    Weights& at(char16_t c) {
        if (c <= 0xFF)
            return table_[c];
        const auto* it = std::lower_bound(std::begin(kCodePageExtras), std::end(kCodePageExtras), c);
        return extras_[static_cast<std::size_t>(it - std::begin(kCodePageExtras))];
    }

    // The weights of a character; a primary of 0 for one these keys do not
    // cover.
    Weights weights(char16_t c) const {
        if (c <= 0xFF)
            return table_[c];
        const auto* it = std::lower_bound(std::begin(kCodePageExtras), std::end(kCodePageExtras), c);
        if (it == std::end(kCodePageExtras) || *it != c)
            return {};
        return extras_[static_cast<std::size_t>(it - std::begin(kCodePageExtras))];
    }

    std::array<Weights, 0x100> table_{};
    std::array<Weights, std::size(kCodePageExtras)> extras_{};
};

// Byte keys back to back in one buffer, sorted: each entry holds the next
// eight bytes of its key from the depth reached, so a sort compares integers,
// and only entries equal so far look further into their keys, eight bytes at
// a time. Equal keys keep the order of their lines.
class ByteKeySort {
public:
    struct Sorted {
        Order order;
        // tiedWithPrevious[i]: the key of order[i] equals the key of order[i - 1].
        std::vector<char> tiedWithPrevious;
    };

    ByteKeySort(const std::string& buffer, const std::vector<std::size_t>& ends) : buffer_(buffer) {
        entries_.reserve(ends.size());
        std::size_t begin = 0;
        for (std::size_t i = 0; i < ends.size(); ++i) {
            entries_.push_back({0, begin, ends[i] - begin, static_cast<std::uint32_t>(i), 0});
            begin = ends[i];
        }
        tied_.assign(ends.size(), 0);
    }

    Sorted run() {
        sortFrom(0, entries_.size(), 0);
        Sorted sorted;
        sorted.order.reserve(entries_.size());
        for (const Entry& e : entries_)
            sorted.order.push_back(e.line);
        sorted.tiedWithPrevious = std::move(tied_);
        return sorted;
    }

private:
    struct Entry {
        std::uint64_t window; // the key's bytes from the depth, big-endian, zeros after its end
        std::size_t begin;
        std::size_t length;
        std::uint32_t line;
        std::uint8_t left; // the key's bytes in the window, at most 8
    };

    void load(Entry& e, std::size_t depth) const {
        const std::size_t remaining = e.length > depth ? e.length - depth : 0;
        e.left = static_cast<std::uint8_t>(std::min<std::size_t>(remaining, 8));
        const auto* bytes = reinterpret_cast<const unsigned char*>(buffer_.data() + e.begin + depth);
        std::uint64_t window = 0;
        if (e.left == 8) {
            std::memcpy(&window, bytes, 8);
            if constexpr (std::endian::native == std::endian::little)
                window = __builtin_bswap64(window);
        } else {
            for (std::size_t k = 0; k < e.left; ++k)
                window |= std::uint64_t(bytes[k]) << (56 - 8 * k);
        }
        e.window = window;
    }

    // Sorts entries [first, last), equal in their first `depth` key bytes.
    void sortFrom(std::size_t first, std::size_t last, std::size_t depth) {
        for (std::size_t i = first; i < last; ++i)
            load(entries_[i], depth);
        // A key that ends within the window is lower than the longer keys
        // whose window it matches: it is their beginning.
        std::sort(entries_.begin() + std::ptrdiff_t(first), entries_.begin() + std::ptrdiff_t(last),
                  [](const Entry& a, const Entry& b) {
                      if (a.window != b.window)
                          return a.window < b.window;
                      if (a.left != b.left)
                          return a.left < b.left;
                      return a.line < b.line;
                  });
        for (std::size_t i = first; i < last;) {
            std::size_t j = i + 1;
            while (j < last && entries_[j].window == entries_[i].window && entries_[j].left == entries_[i].left)
                ++j;
            if (j - i > 1) {
                if (entries_[i].left == 8)
                    sortFrom(i, j, depth + 8);
                else
                    std::fill(tied_.begin() + std::ptrdiff_t(i + 1), tied_.begin() + std::ptrdiff_t(j), char(1));
            }
            i = j;
        }
    }

    const std::string& buffer_;
    std::vector<Entry> entries_;
    std::vector<char> tied_;
};

// The order of byte keys made by `appendKey(line, buffer)` (false: the line
// cannot be keyed so). All keys lie back to back in one buffer.
template <class AppendKey>
std::optional<ByteKeySort::Sorted> orderByByteKeys(const QStringList& lines, AppendKey appendKey) {
    std::string buffer;
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size() + 1;
    // Room for a few accents too: growing the buffer would copy it whole.
    buffer.reserve(static_cast<std::size_t>(characters + characters / 4));
    std::vector<std::size_t> ends;
    ends.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        if (!appendKey(line, buffer))
            return std::nullopt;
        ends.push_back(buffer.size());
    }
    return ByteKeySort(buffer, ends).run();
}

// True when the lines whose quick keys are equal are equal to the collator
// too: the keys' order is then the collator's.
bool collatorFindsTiesEqual(const QCollator& collator, const QStringList& lines, const ByteKeySort::Sorted& sorted) {
    for (std::size_t i = 1; i < sorted.order.size(); ++i)
        if (sorted.tiedWithPrevious[i] && collator.compare(lines[sorted.order[i - 1]], lines[sorted.order[i]]) != 0)
            return false;
    return true;
}

// The C locale's order: the characters' codes, case folded. Lines of Latin-1
// characters whose folded form stays in Latin-1 are keyed a byte a character.
Order orderFolded(const QStringList& lines) {
    const auto latin1 = [](const QString& line, std::string& buffer) {
        for (const QChar c : line) {
            const char16_t u = c.unicode();
            const char16_t f = u < 0x80 ? (u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u) : c.toCaseFolded().unicode();
            if (f > 0xFF)
                return false;
            buffer.push_back(static_cast<char>(f));
        }
        buffer.push_back('\0'); // a line comes before the longer lines it begins
        return true;
    };
    if (auto sorted = orderByByteKeys(lines, latin1))
        return std::move(sorted->order);
    std::vector<QString> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        keys.push_back(folded(line));
    return orderByKeys(keys, std::less<>());
}

Order orderCollated(const QStringList& lines, const QLocale& locale) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QuickKeys quick(collator);
    auto sorted = orderByByteKeys(
        lines, [&quick](const QString& line, std::string& buffer) { return quick.appendKey(line, buffer); });
    if (sorted && collatorFindsTiesEqual(collator, lines, *sorted))
        return std::move(sorted->order);
    // One full sort key per line, compared many times: far cheaper than
    // collating the texts at every comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        keys.push_back(collator.sortKey(line));
    return orderByKeys(keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b) < 0; });
}

} // namespace

void SortAsListBox(QStringList& lines) { SortAsListBox(lines, QLocale::system()); }

void SortAsListBox(QStringList& lines, const QLocale& locale) { ApplyLineOrder(lines, ListBoxOrder(lines, locale)); }

LineOrder ListBoxOrder(const QStringList& lines) { return ListBoxOrder(lines, QLocale::system()); }

LineOrder ListBoxOrder(const QStringList& lines, const QLocale& locale) {
    return locale.language() == QLocale::C ? orderFolded(lines) : orderCollated(lines, locale);
}

void ApplyLineOrder(QStringList& lines, const LineOrder& order) {
    QStringList sorted;
    sorted.reserve(lines.size());
    for (qsizetype i : order)
        sorted.append(std::move(lines[i]));
    lines = std::move(sorted);
}

void FillList(QListWidget* list, const QStringList& lines) {
    list->setSortingEnabled(false);
    list->clear();
    list->addItems(lines);
    list->setCurrentRow(-1);
    list->clearSelection();
}

void FillList(LineList* list, QStringList lines) { list->setLines(std::move(lines)); }

QStringList ListLines(const LineList& list) { return list.lines(); }

QStringList ListLines(const QListWidget& list) {
    QStringList lines;
    const int count = list.count();
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(list.item(i)->text());
    return lines;
}

int FindLineStarting(const LineList& list, const QString& text) {
    if (text.isEmpty())
        return -1;
    const QStringList& lines = list.lines();
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(text, Qt::CaseInsensitive))
            return int(i);
    return -1;
}

void SelectLine(LineList* list, int row) {
    if (row < 0 || row >= list->count()) {
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(row);
    list->scrollTo(list->model()->index(row, 0));
}

QString SelectedLine(const LineList& list) {
    const int row = list.currentRow();
    return list.isRowSelected(row) ? list.text(row) : QString();
}

QString RowToolTipAt(const LineList& list, const QPoint& viewportPoint) {
    const int row = list.rowAt(viewportPoint);
    if (row < 0)
        return QString();
    return QLatin1Char(' ') + list.text(row) + QLatin1Char(' ');
}

void WatchListMouse(QAbstractItemView* list, std::function<void(Qt::MouseButtons, QPoint)> mouseMove) {
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(new ListMouseWatcher(list, std::move(mouseMove)));
}
