#include "catalogs/CustomerListModel.h"

#include "catalogs/CustomerStore.h"
#include "data/DatabaseError.h"

namespace {
// Blocks kept before the cache starts afresh; far more than a screen shows.
constexpr std::size_t kMaxBlocks = 64;
} // namespace

CustomerListModel::CustomerListModel(QObject* parent)
    : CatalogListModel(ColumnCount, &CustomerListModel::columnCaption, parent)
{
}

void CustomerListModel::setCustomerIds(std::vector<qint64> ids)
{
    beginResetModel();
    m_ids = std::move(ids);
    m_blocks.clear();
    endResetModel();
}

const std::vector<CustomerListRow>& CustomerListModel::block(int blockIndex) const
{
    const auto found = m_blocks.find(blockIndex);
    if (found != m_blocks.end())
        return found->second;
    if (m_blocks.size() >= kMaxBlocks)
        m_blocks.clear();

    const std::size_t first = std::size_t(blockIndex) * kBlockRows;
    const std::size_t last = std::min(m_ids.size(), first + kBlockRows);
    const std::vector<qint64> ids(m_ids.begin() + std::ptrdiff_t(first), m_ids.begin() + std::ptrdiff_t(last));
    std::vector<CustomerListRow> rows;
    try {
        rows = LoadCustomerListRows(ids);
    } catch (const VelmarError& error) {
        // A view paints from here and cannot take an exception; the rows show their ids only.
        rows.resize(ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i)
            rows[i].CustomerID = ids[i];
        emit readFailed(error.text());
    }
    return m_blocks.emplace(blockIndex, std::move(rows)).first->second;
}

const CustomerListRow& CustomerListModel::row(int index) const
{
    if (index < 0 || index >= int(m_ids.size()))
        throw std::out_of_range("customer list row");
    return block(index / kBlockRows).at(std::size_t(index % kBlockRows));
}

QString CustomerListModel::cellText(int index, int column) const
{
    if (index < 0 || index >= int(m_ids.size()))
        return {};
    if (column == CustId)
        return QString::number(m_ids[std::size_t(index)]);
    const CustomerListRow& r = row(index);
    switch (column) {
    case Company: return r.Company;
    case CustomerName: return r.FullName;
    case Address: return r.Address;
    case CityStateZip: return r.CityStateZip;
    case PhoneNumber: return r.MainPhone;
    default: return {};
    }
}

int CustomerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
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
