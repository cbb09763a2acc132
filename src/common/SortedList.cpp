#include "common/SortedList.h"

#include <QCollator>
#include <QEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <numeric>
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

} // namespace

void SortAsListBox(QStringList& lines) {
    const QLocale locale = QLocale::system();
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Under the C locale the collator's keys are the bare text, case and all:
    // the text is folded first there.
    const bool foldFirst = locale.language() == QLocale::C;

    // One sort key per line, compared many times: far cheaper than collating
    // the texts at every comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : std::as_const(lines))
        keys.push_back(collator.sortKey(foldFirst ? line.toCaseFolded() : line));

    std::vector<qsizetype> order(static_cast<std::size_t>(lines.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });

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
