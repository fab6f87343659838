#pragma once

#include "printing/DataFeed.h"

class PriceListModel;

// DataViewPriceSheetVelmar: the rows of the price sheet list as they are shown.
class PriceListFeed : public DataFeed {
public:
    explicit PriceListFeed(const PriceListModel& list) : m_list(list) {}

    static QString feedName() { return QStringLiteral("DataViewPriceSheetVelmar"); }

    int rowCount() const override;
    QStringList columnNames() const override;
    QString value(int row, const QString& column) const override;

private:
    const PriceListModel& m_list;
};
