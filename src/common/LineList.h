#pragma once
// The list of a lookup window: a view over its lines, one row per line. The
// lines are held in one string list, so a new list replaces the old one in a
// single step, without an item object per line; every row has the same
// height. Accessibility tools see it as a list with one item per line, named
// by the line.

#include <QAbstractListModel>
#include <QListView>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class LineListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(QStringList lines);
    const QStringList& lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList lines_;
};

class LineList final : public QListView {
    Q_OBJECT
public:
    explicit LineList(QWidget* parent = nullptr);

    // Replaces the lines, in this order; afterwards no line is selected and
    // none is current.
    void setLines(QStringList lines);
    void clear() { setLines({}); }
    const QStringList& lines() const { return model_->lines(); }

    int count() const { return int(model_->lines().size()); }
    // The line at `row`; empty text outside the list.
    QString text(int row) const;

    // The current line's row; -1 when none is current.
    int currentRow() const;
    // Makes `row` the current and only selected line; -1 (or a row outside
    // the list) leaves none current and none selected.
    void setCurrentRow(int row);
    bool isRowSelected(int row) const;

    // The row under a point of the viewport; -1 below the last line.
    int rowAt(const QPoint& viewportPoint) const;
    // Where the row lies in the viewport.
    QRect rowRect(int row) const;

private:
    LineListModel* model_; // a child of the view
};
