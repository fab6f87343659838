#include "catalogs/CustomerListModel.h"

void CustomerListModel::setRows(std::vector<CustomerListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int CustomerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CustomerListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CustomerListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const CustomerListRow& r = m_rows[std::size_t(index.row())];
    switch (index.column()) {
    case CustId: return QString::number(r.CustomerID);
    case Company: return r.Company;
    case CustomerName: return r.FullName;
    case Address: return r.Address;
    case CityStateZip: return r.CityStateZip;
    case PhoneNumber: return r.MainPhone;
    default: return {};
    }
}

QVariant CustomerListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return columnCaption(section);
}

QString CustomerListModel::columnCaption(int column)
{
    static const char* const captions[] = {"Cust ID", "Company", "Customer Name", "Address",
                                           "City, State Zip", "Phone Number"};
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(captions[column]) : QString();
}

int CustomerListModel::columnWidth(int column)
{
    static const int widths[] = {0, 150, 140, 150, 150, 120};
    return column >= 0 && column < ColumnCount ? widths[column] : 0;
}
