#pragma once

#include "catalogs/CatalogListModel.h"
#include "catalogs/PriceSheetStore.h"

#include <vector>

// The rows of the price sheet list: the description, the two prices as currency, and
// hidden columns with the stored number texts and the item number.
class PriceListModel : public CatalogListModel {
    Q_OBJECT
public:
    enum Column { Description, LaborPrice, MaterialPrice, LabPrice, MatPrice, PriceItmID, ColumnCount };

    explicit PriceListModel(QObject* parent = nullptr);

    void setRows(std::vector<PriceListRow> rows);
    const std::vector<PriceListRow>& rows() const { return m_rows; }
    QString cellText(int row, int column) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;

    static QString columnCaption(int column);
    static int columnWidth(int column);

protected:
    bool rightAligned(int column) const override;

private:
    std::vector<PriceListRow> m_rows;
};
