#pragma once

#include "catalogs/CustomerRecord.h"
#include "printing/DataFeed.h"

#include <optional>

class CustomerListModel;

// DataViewCustomerList: one row per row of the customer list, in list order, each
// customer read again from the database by its id.
class CustomerListFeed : public DataFeed {
public:
    explicit CustomerListFeed(const CustomerListModel& list) : m_list(list) {}

    static QString feedName() { return QStringLiteral("DataViewCustomerList"); }

    int rowCount() const override;
    QStringList columnNames() const override;
    QString value(int row, const QString& column) const override;

    // The texts of one row in column order.
    static QStringList rowValues(const TrecCustomer& customer);

private:
    const TrecCustomer& customerAt(int row) const;

    const CustomerListModel& m_list;
    // The engine asks column by column; the customer last read is kept so a row costs one read.
    mutable std::optional<TrecCustomer> m_cached;
};
