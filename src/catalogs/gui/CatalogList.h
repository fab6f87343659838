#pragma once

class QAbstractItemModel;
class QString;
class QTreeView;
class QWidget;

// The read-only lists of the catalog windows, with their columns sized from the classic
// widths the list models give.

// A list that selects whole rows, one at a time, and is never edited in place.
QTreeView* MakeCatalogList(QWidget* parent, const QString& objectName, QAbstractItemModel* model);
// How wide the columns are together at the view's font.
int CatalogListWidth(const QWidget* view, int columnCount, int (*classicWidth)(int));
// Sizes every column at the view's font and hides the columns without a width. Refilling
// the model drops sizes and hidden columns, so this follows each refill.
void SizeCatalogListColumns(QTreeView* view, int columnCount, int (*classicWidth)(int));
