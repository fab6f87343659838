#pragma once

#include "reports/ReportColumns.h"
#include "reports/ReportRows.h"

#include <QAbstractTableModel>
#include <vector>

// The report window's list: its rows as built, under the column titles of the report's
// kind and form. Read-only.
class ReportListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setReport(std::vector<ReportRow> rows, const ReportColumnLayout& columns);
    const std::vector<ReportRow>& rows() const { return m_rows; }
    const ReportColumnLayout& columns() const { return m_columns; }
    // The rows as the printed report takes them: the seven shown cells, left to right,
    // empty where a column is hidden.
    std::vector<QStringList> printedRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<ReportRow> m_rows;
    ReportColumnLayout m_columns;
};
