#pragma once

#include <functional>

class QAbstractItemModel;
class QAbstractItemView;
class QString;
class QTreeView;
class QWidget;

// The read-only lists of the catalog windows, with their columns sized from the classic
// widths the list models give.

// A list that selects whole rows, one at a time, and is never edited in place; its rows
// alternate in colour and a cut-off cell shows its whole text as a tool tip.
QTreeView* MakeCatalogList(QWidget* parent, const QString& objectName, QAbstractItemModel* model);
// Calls `choose` when the user clicks a row or presses Enter on the current row, so the
// keyboard reaches what the mouse does. Double clicks and the style's activation on a
// single click add nothing: a row is chosen once.
void OnRowChosen(QAbstractItemView* view, std::function<void()> choose);
// How wide the columns are together at the view's font.
int CatalogListWidth(const QWidget* view, int columnCount, int (*classicWidth)(int));
// Sizes every column at the view's font and hides the columns without a width; the
// columns share a wider view in these proportions. Refilling the model drops sizes and
// hidden columns, so this follows each refill.
void SizeCatalogListColumns(QTreeView* view, int columnCount, int (*classicWidth)(int));
