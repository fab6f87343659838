#include "maintenance/MaintenanceListModel.h"

#include "printing/ReportCatalog.h"

MaintenanceListModel::MaintenanceListModel(QObject* parent)
    : CatalogListModel(ColumnCount, &MaintenanceListModel::columnCaption, parent)
{
}

void MaintenanceListModel::setRows(std::vector<Maintenance::Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString MaintenanceListModel::cellText(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return QString();
    const Maintenance::Row& r = m_rows[std::size_t(row)];
    switch (column) {
    case Number: return QString::number(r.Number);
    case InvoiceType: return r.InvType;
    case Customer: return r.Customer;
    case Company: return r.Company;
    case Total: return r.Total;
    case Info: return r.Info;
    default: return QString();
    }
}

int MaintenanceListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QString MaintenanceListModel::columnCaption(int column)
{
    static const char* const captions[] = {"Number", "Invoice Type", "Customer", "Company", "Total", "Info"};
    return column >= 0 && column < ColumnCount ? QString::fromLatin1(captions[column]) : QString();
}

bool MaintenanceListModel::rightAligned(int column) const
{
    return column == Number || column == Total;
}

int MaintenanceListModel::columnWidth(int column)
{
    static const int widths[] = {80, 125, 160, 160, 100, 80};
    return column >= 0 && column < ColumnCount ? widths[column] : 0;
}

int MaintenanceListFeed::rowCount() const
{
    return m_model.rowCount();
}

QStringList MaintenanceListFeed::columnNames() const
{
    return FeedColumnNames(FeedNames::InvMaintenance);
}

QString MaintenanceListFeed::value(int row, const QString& column) const
{
    static const QStringList names = FeedColumnNames(FeedNames::InvMaintenance);
    const int index = int(names.indexOf(column));
    return index < 0 ? QString() : m_model.cellText(row, index);
}
