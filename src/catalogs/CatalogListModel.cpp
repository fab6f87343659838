#include "catalogs/CatalogListModel.h"

CatalogListModel::CatalogListModel(int columnCount, QString (*columnCaption)(int), QObject* parent)
    : QAbstractTableModel(parent), m_columnCount(columnCount), m_columnCaption(columnCaption)
{
}

int CatalogListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

namespace {

QVariant alignment(bool right)
{
    return QVariant::fromValue((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

} // namespace

QVariant CatalogListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return alignment(rightAligned(index.column()));
    if (role != Qt::DisplayRole)
        return {};
    return cellText(index.row(), index.column());
}

QVariant CatalogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return alignment(rightAligned(section));
    if (role != Qt::DisplayRole)
        return {};
    return m_columnCaption(section);
}
