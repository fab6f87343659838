#pragma once

#include "printing/DataFeed.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// Feeds that the list windows hand to the print service through AppState::listFeed.
// Column names are those of FeedColumnNames() in ReportCatalog.h.

// Rows of text held as they are shown: the price sheet, the sales and tax report and the
// document list print their list cells as displayed.
class TableFeed : public DataFeed {
public:
    TableFeed() = default;
    TableFeed(QStringList columns, std::vector<QStringList> rows);

    void setRows(std::vector<QStringList> rows) { m_rows = std::move(rows); }
    int rowCount() const override;
    QStringList columnNames() const override;
    QString value(int row, const QString& column) const override;

private:
    QStringList m_columns;
    std::vector<QStringList> m_rows;
};

// The customer list: the window gives the customer numbers of its rows, in list order;
// each row reads its customer again from the database (one connection per row).
class CustomerListFeed : public DataFeed {
public:
    CustomerListFeed() = default;
    explicit CustomerListFeed(QList<qint64> customerIds);

    void setCustomerIds(QList<qint64> customerIds);
    int rowCount() const override;
    QStringList columnNames() const override;
    // Raises DatabaseError when the row cannot be read and ConversionError when its
    // tax-exempt value is not a yes/no value.
    QString value(int row, const QString& column) const override;

private:
    QStringList readRow(qint64 customerId) const;
    QList<qint64> m_ids;
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedValues;
};

// The planner's activity list: each row is the activity number of the list row and the
// list's date column; the activity is read again from the database.
class PlannerListFeed : public DataFeed {
public:
    struct Row {
        qint64 activityId = 0;
        QString dateText;
    };

    PlannerListFeed() = default;
    PlannerListFeed(std::vector<Row> rows, bool dayView);

    void setRows(std::vector<Row> rows, bool dayView);
    int rowCount() const override;
    QStringList columnNames() const override;
    QString value(int row, const QString& column) const override;

private:
    QStringList readRow(const Row& row) const;
    std::vector<Row> m_rows;
    bool m_dayView = true;
    mutable int m_cachedRow = -1;
    mutable QStringList m_cachedValues;
};

// The customer's tax line: "Tax Exempt", ", " and "Tax Number: " with the number,
// each part only when it applies.
QString CustomerTaxLine(bool taxExempt, const QString& taxNumber);
