#include "common/LineList.h"

#include <QItemSelectionModel>

void LineListModel::setLines(QStringList lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return lines_.at(index.row());
    return {};
}

Qt::ItemFlags LineListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

LineList::LineList(QWidget* parent) : QListView(parent), model_(new LineListModel(this)) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(model_);
}

void LineList::setLines(QStringList lines) {
    model_->setLines(std::move(lines));
    setCurrentRow(-1);
}

QString LineList::text(int row) const {
    return row >= 0 && row < count() ? model_->lines().at(row) : QString();
}

int LineList::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void LineList::setCurrentRow(int row) {
    // As a single-selection list box: the current line is the selected one.
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

bool LineList::isRowSelected(int row) const {
    return row >= 0 && row < count() && selectionModel()->isSelected(model_->index(row));
}

int LineList::rowAt(const QPoint& viewportPoint) const {
    const QModelIndex at = indexAt(viewportPoint);
    return at.isValid() ? at.row() : -1;
}

QRect LineList::rowRect(int row) const { return visualRect(model_->index(row)); }
