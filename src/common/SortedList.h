#pragma once
// What the program's sorted list boxes (the slip search, the register lookups)
// share: the order of their lines, the type-ahead that selects the first line
// beginning with the typed text, and the row tooltip that repeats the line
// under the pointer.
//
// A list is built whole: its lines are put in order once (SortAsListBox) and
// handed to the list in one go (FillList); the list itself does not sort, so
// a line placed at a position stays there.

#include "common/LineList.h"

#include <QListWidget>
#include <QLocale>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Ascending, without regard to case, by the user locale's collation; lines
// that compare equal keep the order they came in.
void SortAsListBox(QStringList& lines);
// The same under the collation of a given locale.
void SortAsListBox(QStringList& lines, const QLocale& locale);

// An order of lines: the positions in the list of the lines shown first,
// second ... Reordering positions leaves the lines where they lie in memory.
using LineOrder = std::vector<qsizetype>;
// The order SortAsListBox gives, without moving the lines.
LineOrder ListBoxOrder(const QStringList& lines);
LineOrder ListBoxOrder(const QStringList& lines, const QLocale& locale);
// Puts the lines in that order.
void ApplyLineOrder(QStringList& lines, const LineOrder& order);

// Replaces the list's lines by `lines`, in that order; afterwards no line is
// selected and none is current.
void FillList(QListWidget* list, const QStringList& lines);
void FillList(LineList* list, QStringList lines);

// The list's lines, top to bottom.
QStringList ListLines(const QListWidget& list);
QStringList ListLines(const LineList& list);

// The index of the first line, from the top, that begins with `text` without
// regard to case; -1 when none does. An empty text finds nothing.
int FindLineStarting(const LineList& list, const QString& text);

// Makes `row` the selected line and brings it into view; -1 leaves no line
// selected.
void SelectLine(LineList* list, int row);

// The text of the selected line; empty when no line is selected.
QString SelectedLine(const LineList& list);

// The row tooltip for a point of the list's viewport: the line under the
// point between two blanks, or empty text below the last line and over an
// empty list.
QString RowToolTipAt(const LineList& list, const QPoint& viewportPoint);

// Mouse moves over the list (buttons held, point in the viewport) reach
// `mouseMove`; when the pointer rests, the list's own toolTip() is shown, and
// none while it is empty.
void WatchListMouse(QAbstractItemView* list, std::function<void(Qt::MouseButtons, QPoint)> mouseMove);
