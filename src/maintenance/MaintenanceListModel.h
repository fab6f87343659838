#pragma once

#include "catalogs/CatalogListModel.h"
#include "maintenance/MaintenanceSearch.h"
#include "printing/DataFeed.h"

#include <vector>

class MaintenanceListModel;

// The document list report's rows: one per list row, the six cells left to right.
class MaintenanceListFeed : public DataFeed {
public:
    explicit MaintenanceListFeed(const MaintenanceListModel& model) : m_model(model) {}
    int rowCount() const override;
    QStringList columnNames() const override;
    QString value(int row, const QString& column) const override;

private:
    const MaintenanceListModel& m_model;
};

// The documents a maintenance search found, as the list shows them.
class MaintenanceListModel : public CatalogListModel {
    Q_OBJECT
public:
    enum Column { Number, InvoiceType, Customer, Company, Total, Info, ColumnCount };

    explicit MaintenanceListModel(QObject* parent = nullptr);

    void setRows(std::vector<Maintenance::Row> rows);
    const Maintenance::Row& row(int index) const { return m_rows.at(std::size_t(index)); }
    QString cellText(int row, int column) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;

    static QString columnCaption(int column);
    static int columnWidth(int column);

protected:
    bool rightAligned(int column) const override;

public:
    // The same rows for the document list report.
    DataFeed* feed() { return &m_feed; }

private:
    std::vector<Maintenance::Row> m_rows;
    MaintenanceListFeed m_feed{*this};
};
