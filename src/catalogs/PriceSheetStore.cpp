#include "catalogs/PriceSheetStore.h"

#include "app/Regional.h"
#include "data/Database.h"
#include "data/StoredReal.h"

std::vector<PriceListRow> QueryPriceList(std::optional<int> documentNumber)
{
    Connection db = OpenDatabase();
    std::vector<PriceListRow> rows;
    Statement& prices = db.prepare(
        QStringLiteral("SELECT intPrcItemNumID, strPrcItemName, dbLbrPrc, dbMatPrc FROM tblPrices;"));
    while (prices.next()) {
        PriceListRow row;
        row.ItemNumber = int(prices.columnInt(0));
        row.Description = prices.columnText(1);
        row.LaborPrice = prices.columnReal(2);
        row.MaterialPrice = prices.columnReal(3);
        row.LaborText = prices.columnText(2);
        row.MaterialText = prices.columnText(3);
        rows.push_back(std::move(row));
    }

    if (documentNumber) {
        Statement& saved = db.prepare(QStringLiteral(
            "SELECT intPrcItemNumID, dbLbrPrc, dbMatPrc FROM tblSavedPrices WHERE intPrcItemInvNum = ?;"));
        saved.bind(1, *documentNumber);
        while (saved.next()) {
            // The saved price of item n lands on the n-th row; numbers without a row are skipped.
            const qint64 position = saved.columnInt(0) - 1;
            if (position < 0 || position >= qint64(rows.size()))
                continue;
            PriceListRow& row = rows[std::size_t(position)];
            row.LaborPrice = saved.columnReal(1);
            row.MaterialPrice = saved.columnReal(2);
            row.LaborText = saved.columnText(1);
            row.MaterialText = saved.columnText(2);
        }
    }

    rows.resize(rows.size() > std::size_t(kPriceRowsHidden) ? rows.size() - kPriceRowsHidden : 0);
    return rows;
}

void SavePriceItem(int itemNumber, double laborPrice, double materialPrice,
                   std::optional<int> documentNumber)
{
    Connection db = OpenDatabase();
    if (documentNumber) {
        db.exec(QStringLiteral("UPDATE tblSavedPrices SET dbLbrPrc = ?,dbMatPrc = ? WHERE "
                               "(intPrcItemNumID = ?) AND (intPrcItemInvNum = ?);"),
                {laborPrice, materialPrice, itemNumber, *documentNumber});
    } else {
        db.exec(QStringLiteral(
                    "UPDATE tblPrices SET dbLbrPrc = ?,dbMatPrc = ? WHERE intPrcItemNumID = ?;"),
                {laborPrice, materialPrice, itemNumber});
    }
}

double PriceFromText(const QString& text)
{
    QString number;
    bool hasDigit = false;
    bool hasSeparator = false;
    const QChar separator = Regional::DecimalSeparator();
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            hasDigit = true;
        } else if ((c == separator || c == QLatin1Char('.')) && !hasSeparator) {
            number += QLatin1Char('.');
            hasSeparator = true;
        }
    }
    if (!hasDigit)
        return 0.0;
    return number.toDouble();
}

QString PriceEditText(double storedPrice)
{
    QString text = PlainDecimalText(storedPrice);
    text.replace(QLatin1Char('.'), Regional::DecimalSeparator());
    return text;
}
