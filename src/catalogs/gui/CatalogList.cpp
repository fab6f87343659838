#include "catalogs/gui/CatalogList.h"

#include "catalogs/gui/CommandIcons.h"

#include <QHeaderView>
#include <QTreeView>

QTreeView* MakeCatalogList(QWidget* parent, const QString& objectName, QAbstractItemModel* model)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(objectName);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setSectionsMovable(false);
    return view;
}

int CatalogListWidth(const QWidget* view, int columnCount, int (*classicWidth)(int))
{
    int width = 0;
    for (int column = 0; column < columnCount; ++column)
        width += ScaledColumnWidth(view, classicWidth(column));
    return width;
}

void SizeCatalogListColumns(QTreeView* view, int columnCount, int (*classicWidth)(int))
{
    for (int column = 0; column < columnCount; ++column) {
        view->setColumnWidth(column, ScaledColumnWidth(view, classicWidth(column)));
        view->setColumnHidden(column, classicWidth(column) == 0);
    }
}
