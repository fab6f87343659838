#include "catalogs/CatalogListModel.h"

CatalogListModel::CatalogListModel(int columnCount, QString (*columnCaption)(int), QObject* parent)
    : QAbstractTableModel(parent), m_columnCount(columnCount), m_columnCaption(columnCaption)
{
}

int CatalogListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant CatalogListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cellText(index.row(), index.column());
}

QVariant CatalogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return m_columnCaption(section);
}
