#include "catalogs/PriceListModel.h"

#include "app/Regional.h"

void PriceListModel::setRows(std::vector<PriceListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString PriceListModel::cellText(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return {};
    const PriceListRow& r = m_rows[std::size_t(row)];
    switch (column) {
    case Description: return r.Description;
    case LaborPrice: return Regional::CurrencyText(r.LaborPrice);
    case MaterialPrice: return Regional::CurrencyText(r.MaterialPrice);
    case LabPrice: return r.LaborText;
    case MatPrice: return r.MaterialText;
    case PriceItmID: return QString::number(r.ItemNumber);
    default: return {};
    }
}

int PriceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PriceListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PriceListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && (index.column() == LaborPrice || index.column() == MaterialPrice))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant PriceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return columnCaption(section);
}

QString PriceListModel::columnCaption(int column)
{
    static const char* const captions[] = {"Description", "Labor Price", "Material Price",
                                           "LabPrice",    "MatPrice",    "PriceItmID"};
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(captions[column]) : QString();
}

int PriceListModel::columnWidth(int column)
{
    static const int widths[] = {345, 130, 130, 0, 0, 0};
    return column >= 0 && column < ColumnCount ? widths[column] : 0;
}
