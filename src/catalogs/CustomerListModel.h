#pragma once

#include "catalogs/CatalogListModel.h"
#include "catalogs/CustomerRecord.h"

#include <unordered_map>
#include <vector>

// The rows of the customer list. A search hands over only the ids it found; the texts
// of a row are read when the view first shows it, a block of rows at a time, so a
// search over a long list costs one pass for the ids, not one for every text.
class CustomerListModel : public CatalogListModel {
    Q_OBJECT
public:
    enum Column { CustId, Company, CustomerName, Address, CityStateZip, PhoneNumber, ColumnCount };
    static constexpr int kBlockRows = 128;

    explicit CustomerListModel(QObject* parent = nullptr);

    void setCustomerIds(std::vector<qint64> ids);
    const std::vector<qint64>& customerIds() const { return m_ids; }
    qint64 customerId(int row) const { return m_ids.at(std::size_t(row)); }
    // The texts of a row, read from the database when not yet held.
    const CustomerListRow& row(int index) const;
    QString cellText(int row, int column) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;

    static QString columnCaption(int column);
    static int columnWidth(int column);

signals:
    // Reading the texts of some rows failed; they show empty.
    void readFailed(const QString& message) const;

private:
    const std::vector<CustomerListRow>& block(int blockIndex) const;

    std::vector<qint64> m_ids;
    mutable std::unordered_map<int, std::vector<CustomerListRow>> m_blocks;
};
