#include "common/SortedList.h"

#include <QCollator>
#include <QEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Reports mouse moves over a list's viewport and shows the list's tooltip
// text when the pointer rests.
class ListMouseWatcher final : public QObject {
public:
    ListMouseWatcher(QListWidget* list, std::function<void(Qt::MouseButtons, QPoint)> mouseMove)
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
    QListWidget* list_;
    std::function<void(Qt::MouseButtons, QPoint)> mouseMove_;
};

using Order = std::vector<qsizetype>;

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

void applyOrder(QStringList& lines, const Order& order) {
    QStringList sorted;
    sorted.reserve(lines.size());
    for (qsizetype i : order)
        sorted.append(std::move(lines[i]));
    lines = std::move(sorted);
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
// the collator's full keys. The order they give is checked against the
// collator afterwards, so a line they misjudge costs time, never order.
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
    bool appendKey(const QString& line, std::string& keys) const {
        const qsizetype n = line.size();
        const std::size_t start = keys.size();
        // The primaries, then a 0, lower than every rank: a line that is
        // another's beginning comes first.
        keys.resize(start + static_cast<std::size_t>(n) + 1);
        char* out = keys.data() + start;
        bool accents = false;
        for (qsizetype i = 0; i < n; ++i) {
            const Weights* w = find(line[i].unicode());
            if (!w || !w->primary) {
                keys.resize(start);
                return false;
            }
            *out++ = static_cast<char>(w->primary);
            accents |= w->accent != 0;
        }
        *out = '\0';
        if (accents)
            for (qsizetype i = 0; i < n; ++i)
                keys.push_back(static_cast<char>(find(line[i].unicode())->accent));
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

    // The weights of a character; nullptr for one these keys do not cover.
    const Weights* find(char16_t c) const {
        if (c <= 0xFF)
            return &table_[c];
        const auto* it = std::lower_bound(std::begin(kCodePageExtras), std::end(kCodePageExtras), c);
        if (it == std::end(kCodePageExtras) || *it != c)
            return nullptr;
        return &extras_[static_cast<std::size_t>(it - std::begin(kCodePageExtras))];
    }

    std::array<Weights, 0x100> table_{};
    std::array<Weights, std::size(kCodePageExtras)> extras_{};
};

// True when the lines in this order are in the collator's order, equal lines
// in their first order.
bool collatorAgrees(const QCollator& collator, const QStringList& lines, const Order& order) {
    for (std::size_t i = 1; i < order.size(); ++i) {
        const int c = collator.compare(lines[order[i - 1]], lines[order[i]]);
        if (c > 0 || (c == 0 && order[i - 1] > order[i]))
            return false;
    }
    return true;
}

// The order of byte keys made by `appendKey(line, buffer)` (false: the line
// cannot be keyed so). All keys lie back to back in one buffer.
template <class AppendKey>
std::optional<Order> orderByByteKeys(const QStringList& lines, AppendKey appendKey) {
    std::string buffer;
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size() + 1;
    buffer.reserve(static_cast<std::size_t>(characters));
    std::vector<std::size_t> ends;
    ends.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        if (!appendKey(line, buffer))
            return std::nullopt;
        ends.push_back(buffer.size());
    }
    struct Entry {
        std::string_view key;
        qsizetype line;
    };
    std::vector<Entry> entries;
    entries.reserve(ends.size());
    std::size_t begin = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        entries.push_back({std::string_view(buffer).substr(begin, ends[i] - begin), qsizetype(i)});
        begin = ends[i];
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
    Order order;
    order.reserve(entries.size());
    for (const Entry& e : entries)
        order.push_back(e.line);
    return order;
}

// The C locale's order: the characters' codes, case folded. Lines of Latin-1
// characters whose folded form stays in Latin-1 are keyed a byte a character.
void sortFolded(QStringList& lines) {
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
    if (const auto order = orderByByteKeys(lines, latin1)) {
        applyOrder(lines, *order);
        return;
    }
    std::vector<QString> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : std::as_const(lines))
        keys.push_back(folded(line));
    applyOrder(lines, orderByKeys(keys, std::less<>()));
}

void sortCollated(QStringList& lines, const QLocale& locale) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QuickKeys quick(collator);
    const auto order = orderByByteKeys(
        lines, [&quick](const QString& line, std::string& buffer) { return quick.appendKey(line, buffer); });
    if (order && collatorAgrees(collator, lines, *order)) {
        applyOrder(lines, *order);
        return;
    }
    // One full sort key per line, compared many times: far cheaper than
    // collating the texts at every comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : std::as_const(lines))
        keys.push_back(collator.sortKey(line));
    applyOrder(lines, orderByKeys(keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) {
                   return a.compare(b) < 0;
               }));
}

} // namespace

void SortAsListBox(QStringList& lines) { SortAsListBox(lines, QLocale::system()); }

void SortAsListBox(QStringList& lines, const QLocale& locale) {
    if (locale.language() == QLocale::C)
        sortFolded(lines);
    else
        sortCollated(lines, locale);
}

void FillList(QListWidget* list, const QStringList& lines) {
    list->setSortingEnabled(false);
    list->clear();
    list->addItems(lines);
    list->setCurrentRow(-1);
    list->clearSelection();
}

QStringList ListLines(const QListWidget& list) {
    QStringList lines;
    const int count = list.count();
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(list.item(i)->text());
    return lines;
}

int FindLineStarting(const QListWidget& list, const QString& text) {
    if (text.isEmpty())
        return -1;
    const int count = list.count();
    for (int i = 0; i < count; ++i)
        if (list.item(i)->text().startsWith(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

void SelectLine(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return;
    }
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
}

QString SelectedLine(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString RowToolTipAt(const QListWidget& list, const QPoint& viewportPoint) {
    const QListWidgetItem* item = list.itemAt(viewportPoint);
    if (!item)
        return QString();
    return QLatin1Char(' ') + item->text() + QLatin1Char(' ');
}

void WatchListMouse(QListWidget* list, std::function<void(Qt::MouseButtons, QPoint)> mouseMove) {
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(new ListMouseWatcher(list, std::move(mouseMove)));
}
