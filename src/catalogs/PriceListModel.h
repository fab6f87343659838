#pragma once

#include "catalogs/PriceSheetStore.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of the price sheet list: the description, the two prices as currency, and
// hidden columns with the stored number texts and the item number.
class PriceListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Description, LaborPrice, MaterialPrice, LabPrice, MatPrice, PriceItmID, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<PriceListRow> rows);
    const std::vector<PriceListRow>& rows() const { return m_rows; }
    // The text a cell shows.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString columnCaption(int column);
    static int columnWidth(int column);

private:
    std::vector<PriceListRow> m_rows;
};
