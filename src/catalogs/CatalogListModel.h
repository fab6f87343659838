#pragma once

#include <QAbstractTableModel>

// A read-only list of fixed columns: each cell shows the text cellText() gives, under the
// caption of its column.
class CatalogListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The text a cell shows.
    virtual QString cellText(int row, int column) const = 0;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    CatalogListModel(int columnCount, QString (*columnCaption)(int), QObject* parent);
    // Amounts and numbers stand right aligned, under headers aligned alike.
    virtual bool rightAligned(int /*column*/) const { return false; }

private:
    const int m_columnCount;
    QString (*const m_columnCaption)(int);
};
