#pragma once

#include "catalogs/CustomerRecord.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of the customer list. The whole result is swapped in at once, so a search
// over a long list costs one reset instead of a signal per row.
class CustomerListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CustId, Company, CustomerName, Address, CityStateZip, PhoneNumber, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<CustomerListRow> rows);
    const std::vector<CustomerListRow>& rows() const { return m_rows; }
    const CustomerListRow& row(int index) const { return m_rows.at(std::size_t(index)); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString columnCaption(int column);
    static int columnWidth(int column);

private:
    std::vector<CustomerListRow> m_rows;
};
