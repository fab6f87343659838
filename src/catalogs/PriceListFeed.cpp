#include "catalogs/PriceListFeed.h"

#include "catalogs/PriceListModel.h"

int PriceListFeed::rowCount() const
{
    return m_list.rowCount();
}

QStringList PriceListFeed::columnNames() const
{
    return {QStringLiteral("rvstrDescription"), QStringLiteral("rvstrLabPrice"),
            QStringLiteral("rvstrMatPrice")};
}

QString PriceListFeed::value(int row, const QString& column) const
{
    static const int listColumns[] = {PriceListModel::Description, PriceListModel::LaborPrice,
                                      PriceListModel::MaterialPrice};
    const int index = columnNames().indexOf(column);
    if (index < 0)
        return {};
    return m_list.cellText(row, listColumns[index]);
}
