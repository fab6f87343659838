#include "reports/ReportListModel.h"

void ReportListModel::setReport(std::vector<ReportRow> rows, const ReportColumnLayout& columns)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_columns = columns;
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kReportColumnCount;
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[size_t(index.row())].cells[size_t(index.column())];
    if (role == Qt::TextAlignmentRole && index.column() >= ReportCol::Tax1 && index.column() <= ReportCol::SalesTotal)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kReportColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.titles[size_t(section)];
    // Amount headers stand over their right-aligned amounts.
    if (role == Qt::TextAlignmentRole)
        return int((section >= ReportCol::Tax1 && section <= ReportCol::SalesTotal ? Qt::AlignRight : Qt::AlignLeft)
                   | Qt::AlignVCenter);
    return {};
}

std::vector<QStringList> ReportListModel::printedRows() const
{
    std::vector<QStringList> printed;
    printed.reserve(m_rows.size());
    for (const ReportRow& row : m_rows) {
        QStringList cells;
        for (int column = 0; column < kReportShownColumns; ++column)
            cells << (m_columns.shown(column) ? row.cells[size_t(column)] : QString());
        printed.push_back(std::move(cells));
    }
    return printed;
}
