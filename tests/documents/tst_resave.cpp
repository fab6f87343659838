#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "support/TestEnvironment.h"

namespace {

// The frozen prices of one document as stored, item by item.
PriceTable StoredPrices(int number, int* rows = nullptr)
{
    Connection db = OpenDatabase();
    Statement& query = db.prepare(QStringLiteral(
        "SELECT intPrcItemNumID, dbLbrPrc, dbMatPrc FROM tblSavedPrices WHERE intPrcItemInvNum = ?;"));
    query.bind(1, number);
    PriceTable prices;
    int count = 0;
    while (query.next()) {
        ++count;
        const int item = int(query.columnInt(0));
        if (item >= 1 && item <= PriceTable::ItemCount)
            prices.set(item, query.columnReal(1), query.columnReal(2));
    }
    if (rows)
        *rows = count;
    return prices;
}

// A price table unlike the price sheet in every item.
PriceTable Distinct(double scale)
{
    PriceTable prices;
    for (int item = 1; item <= PriceTable::ItemCount; ++item)
        prices.set(item, scale * item + 0.125, scale * item / 8);
    return prices;
}

} // namespace

// What a re-save of a saved document writes of its frozen prices.
class TestResave : public QObject {
    Q_OBJECT

    AppState state;

    CurrentDocument& SavedDocument(int sheets)
    {
        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);
        document.Header.InvName = QStringLiteral("Estimate");
        document.Header.InvDate = QStringLiteral("3/14/2011");
        for (int n = 1; n <= sheets; ++n)
            document.WorkSheets.push_back(NewWorkSheet(n));
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        TakeSnapshot(document);
        return document;
    }

private slots:
    void init()
    {
        state = AppState();
        TestEnvironment::freshDatabase(state);
    }

    void resaveWritesTheCurrentPricesByValue_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("ordinary prices") << 0.5;
        // Tiny and large values go back exactly as held, not rounded through a text.
        QTest::newRow("tiny prices") << 1e-05;
        QTest::newRow("large prices") << 123456.75;
    }

    void resaveWritesTheCurrentPricesByValue()
    {
        QFETCH(double, scale);
        CurrentDocument& other = SavedDocument(1);
        const int otherNumber = other.Header.InvNumber;
        const PriceTable otherPrices = StoredPrices(otherNumber);

        CurrentDocument& document = SavedDocument(2);
        const int number = document.Header.InvNumber;
        QVERIFY(number != otherNumber);
        document.Prices = Distinct(scale);
        SaveDocument(document);

        int rows = 0;
        const PriceTable stored = StoredPrices(number, &rows);
        QCOMPARE(rows, PriceTable::ItemCount);
        for (int item = 1; item <= PriceTable::ItemCount; ++item) {
            QCOMPARE(stored.labor(item), document.Prices.labor(item));
            QCOMPARE(stored.material(item), document.Prices.material(item));
        }
        // Another document's frozen prices are its own.
        QVERIFY(StoredPrices(otherNumber) == otherPrices);
    }

    void resaveWithoutSheetsKeepsTheFrozenPrices()
    {
        CurrentDocument& document = SavedDocument(2);
        const int number = document.Header.InvNumber;
        const PriceTable frozen = Distinct(0.75);
        document.Prices = frozen;
        SaveDocument(document);
        QVERIFY(StoredPrices(number) == frozen);

        document.WorkSheets.clear();
        document.Prices = Distinct(3.0);
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        int rows = 0;
        QVERIFY(StoredPrices(number, &rows) == frozen);
        QCOMPARE(rows, PriceTable::ItemCount);
    }
};

VELMAR_TEST_MAIN(TestResave)
#include "tst_resave.moc"
