#include "catalogs/PriceListModel.h"

#include "app/Regional.h"

PriceListModel::PriceListModel(QObject* parent)
    : CatalogListModel(ColumnCount, &PriceListModel::columnCaption, parent)
{
}

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

bool PriceListModel::rightAligned(int column) const
{
    return column == LaborPrice || column == MaterialPrice;
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
