#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "support/TestEnvironment.h"

Q_DECLARE_METATYPE(MonthlyAmounts)

namespace {

// A sheet whose labour and material are exactly the extra charges.
WorkSheet Charges(const QString& labor, const QString& material, int multiplier = 1)
{
    WorkSheet sheet = NewWorkSheet(1);
    sheet.ExtraChargesLabor = labor;
    sheet.ExtraChargesMaterial = material;
    sheet.AreaMultiplier = multiplier;
    return sheet;
}

bool Near(double a, double b)
{
    return std::abs(a - b) < 1e-9;
}

struct ReportRow {
    int year = 0;
    int month = 0;
    MonthlyAmounts amounts;
};

QList<ReportRow> ReportRows()
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral(
        "SELECT intReportYear,intReportMonth,dbLbrTotal,dbLbrTax1Total,dbLbrTax2Total,"
        "dbLbrTax3Total,dbMatTotal,dbMatTax1Total,dbMatTax2Total,dbMatTax3Total FROM tblReport;"));
    QList<ReportRow> result;
    while (rows.next()) {
        result.append({int(rows.columnInt(0)), int(rows.columnInt(1)),
                       {rows.columnReal(2), rows.columnReal(3), rows.columnReal(4), rows.columnReal(5),
                        rows.columnReal(6), rows.columnReal(7), rows.columnReal(8), rows.columnReal(9)}});
    }
    return result;
}

bool NearAmounts(const MonthlyAmounts& a, const MonthlyAmounts& b)
{
    return Near(a.LaborTotal, b.LaborTotal) && Near(a.LaborTax1, b.LaborTax1)
        && Near(a.LaborTax2, b.LaborTax2) && Near(a.LaborTax3, b.LaborTax3)
        && Near(a.MaterialTotal, b.MaterialTotal) && Near(a.MaterialTax1, b.MaterialTax1)
        && Near(a.MaterialTax2, b.MaterialTax2) && Near(a.MaterialTax3, b.MaterialTax3);
}

QString Describe(const MonthlyAmounts& a)
{
    return QStringLiteral("%1 %2 %3 %4 | %5 %6 %7 %8")
        .arg(a.LaborTotal).arg(a.LaborTax1).arg(a.LaborTax2).arg(a.LaborTax3)
        .arg(a.MaterialTotal).arg(a.MaterialTax1).arg(a.MaterialTax2).arg(a.MaterialTax3);
}

// The month's amounts, or zeros when the month has no row.
MonthlyAmounts Month(int year, int month)
{
    for (const ReportRow& row : ReportRows()) {
        if (row.year == year && row.month == month)
            return row.amounts;
    }
    return {};
}

} // namespace

#define COMPARE_MONTH(year, month, expected)                                                  \
    do {                                                                                      \
        const MonthlyAmounts actual_ = Month(year, month);                                    \
        QVERIFY2(NearAmounts(actual_, expected),                                              \
                 qPrintable(Describe(actual_) + QStringLiteral(" != ") + Describe(expected))); \
    } while (false)

class TestTotals : public QObject {
    Q_OBJECT

    AppState state;

    // A new document from the database with a priced invoice of 1000 labour and 500
    // material, taxes 1 and 2 in use.
    CurrentDocument& NewInvoice(const QString& date = QStringLiteral("3/14/2011"))
    {
        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.InvDate = date;
        document.Header.UseTax1 = true;
        document.Header.UseTax2 = true;
        document.WorkSheets = {Charges("1000", "500")};
        ComputeTotals(document, state.companySettings);
        return document;
    }

    void Recompute() { ComputeTotals(state.currentDocument, state.companySettings); }
    // What the editor does after its save.
    void EditorSave()
    {
        SaveDocument(state.currentDocument);
        TakeSnapshot(state.currentDocument);
    }

private slots:
    void init()
    {
        state = AppState();
        TestEnvironment::freshDatabase(state);
    }

    void currencyRuleAtTies_data()
    {
        QTest::addColumn<QString>("labor");
        QTest::addColumn<double>("paid");
        QTest::addColumn<QString>("total");
        QTest::newRow("0.125") << "0.125" << 0.0 << "$0.13";
        QTest::newRow("0.135") << "0.135" << 0.0 << "$0.14";
        QTest::newRow("2.675") << "2.675" << 0.0 << "$2.68";
        QTest::newRow("-0.005, the magnitude rounds up") << "" << 0.005 << "($0.01)";
        QTest::newRow("four-decimal tie 1.00495 goes to even 1.0050") << "1.00495" << 0.0 << "$1.01";
        QTest::newRow("four-decimal tie 0.00125 goes to even 0.0012") << "0.00125" << 0.0 << "$0.00";
        QTest::newRow("thousands") << "1234.5" << 0.0 << "$1,234.50";
    }

    void currencyRuleAtTies()
    {
        QFETCH(QString, labor);
        QFETCH(double, paid);
        QFETCH(QString, total);
        CurrentDocument document;
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.PaidAmount = paid;
        if (!labor.isEmpty())
            document.WorkSheets = {Charges(labor, "")};
        ComputeTotals(document, state.companySettings);
        QCOMPARE(document.PrintData.Total, total);
        QCOMPARE(document.Header.InvTotal, total);
    }

    void taxBasis_data()
    {
        QTest::addColumn<int>("basis");
        QTest::addColumn<MonthlyAmounts>("amounts");
        QTest::addColumn<QString>("taxText");
        // Rates 0.0123 and 0.05 in use, tax 3 rate 0.07 not in use; 100 labour, 50 material.
        QTest::newRow("0: labour and material")
            << 0 << MonthlyAmounts{100, 1.23, 5, 0, 50, 0.615, 2.5, 0} << "$9.35";
        QTest::newRow("1: labour only") << 1 << MonthlyAmounts{100, 1.23, 5, 0, 50, 0, 0, 0} << "$6.23";
        QTest::newRow("2: material only") << 2 << MonthlyAmounts{100, 0, 0, 0, 50, 0.615, 2.5, 0} << "$3.12";
        QTest::newRow("3: nothing") << 3 << MonthlyAmounts{100, 0, 0, 0, 50, 0, 0, 0} << "$0.00";
        QTest::newRow("-1: nothing") << -1 << MonthlyAmounts{100, 0, 0, 0, 50, 0, 0, 0} << "$0.00";
    }

    void taxBasis()
    {
        QFETCH(int, basis);
        QFETCH(MonthlyAmounts, amounts);
        QFETCH(QString, taxText);
        CompanySettings settings = state.companySettings;
        settings.InvData.TaxOn = basis;
        settings.InvData.TaxRates = {0.5, 0.5, 0.5}; // the document's frozen rates count, not these
        CurrentDocument document;
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.TaxRate1 = 0.0123;
        document.Header.TaxRate2 = 0.05;
        document.Header.TaxRate3 = 0.07;
        document.Header.UseTax1 = true;
        document.Header.UseTax2 = true;
        document.WorkSheets = {Charges("60", "20"), Charges("40", "30")};
        ComputeTotals(document, settings);
        const MonthlyAmounts actual = MonthlyAmounts::From(document.Totals);
        QVERIFY2(NearAmounts(actual, amounts), qPrintable(Describe(actual)));
        QCOMPARE(document.PrintData.TaxTotal, taxText);
        QVERIFY(Near(document.Header.TotalAmount, 150 + document.Totals.TaxTotal()));

        // Tax exempt: no tax whatever the options say.
        document.Header.CustTaxExempt = true;
        ComputeTotals(document, settings);
        QCOMPARE(document.Totals.TaxTotal(), 0.0);
        QCOMPARE(document.PrintData.TaxTotal, QStringLiteral("$0.00"));
        QCOMPARE(document.PrintData.Total, QStringLiteral("$150.00"));
    }

    void displayTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("discount");
        QTest::addColumn<double>("deposit");
        QTest::addColumn<double>("paid");
        QTest::addColumn<bool>("paidInFull");
        QTest::addColumn<QStringList>("texts"); // discount, deposit-or-paid, tax, sub total, total
        QTest::addColumn<QString>("invTotal");
        QTest::newRow("estimate with a deposit: shown, never subtracted")
            << "Estimate" << 0 << 200.0 << 0.0 << false
            << QStringList{"$0.00", "$200.00", "$0.00", "$1,000.00", "$1,000.00"} << "$1,000.00";
        QTest::newRow("invoice, 300 paid")
            << "Invoice" << 0 << 200.0 << 300.0 << false
            << QStringList{"$0.00", "$300.00", "$0.00", "$1,000.00", "$700.00"} << "$700.00";
        QTest::newRow("invoice paid in full")
            << "Invoice" << 0 << 0.0 << 300.0 << true
            << QStringList{"$0.00", "$700.00", "$0.00", "$1,000.00", "Paid In Full"} << "$700.00";
        QTest::newRow("empty kind shows the amount paid")
            << "" << 0 << 200.0 << 300.0 << false
            << QStringList{"$0.00", "$300.00", "$0.00", "$1,000.00", "$700.00"} << "$700.00";
        QTest::newRow("work order subtracts an amount paid")
            << "Work Order" << 0 << 200.0 << 300.0 << false
            << QStringList{"$0.00", "$200.00", "$0.00", "$1,000.00", "$700.00"} << "$700.00";
        QTest::newRow("10 percent discount")
            << "Invoice" << 10 << 0.0 << 0.0 << false
            << QStringList{"$100.00", "$0.00", "$0.00", "$1,000.00", "$900.00"} << "$900.00";
    }

    void displayTexts()
    {
        QFETCH(QString, kind);
        QFETCH(int, discount);
        QFETCH(double, deposit);
        QFETCH(double, paid);
        QFETCH(bool, paidInFull);
        QFETCH(QStringList, texts);
        QFETCH(QString, invTotal);
        CurrentDocument document;
        document.Header.InvName = kind;
        document.Header.CustDiscountPercent = discount;
        document.Header.DepositAmount = deposit;
        document.Header.PaidAmount = paid;
        document.Header.PaidInFull = paidInFull;
        document.WorkSheets = {Charges("600", "400")};
        ComputeTotals(document, state.companySettings);
        const TrecPrintData& p = document.PrintData;
        QCOMPARE((QStringList{p.Discount, p.DepositOrPaid, p.TaxTotal, p.SubTotal, p.Total}), texts);
        QCOMPARE(document.Header.InvTotal, invTotal);
        // sub total - discount + tax - paid = total
        const DocumentTotals& t = document.Totals;
        QVERIFY(Near(t.LaborTotal + t.MaterialTotal + t.DiscountTotal - t.DiscountTotal + t.TaxTotal() - paid,
                     document.Header.TotalAmount));
    }

    void sheetsAndDiscountWithMultiplier()
    {
        CurrentDocument document;
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.CustDiscountPercent = 10;
        document.WorkSheets = {Charges("100", "", 2), Charges("", "50", 1)};
        ComputeTotals(document, state.companySettings);
        QCOMPARE(document.Totals.DiscountTotal, 15.0);
        QCOMPARE(document.Totals.LaborTotal, 180.0);
        QCOMPARE(document.Totals.MaterialTotal, 45.0);
        QCOMPARE(document.WorkSheets[0].SheetTotalText(), QStringLiteral("180"));
        QCOMPARE(document.WorkSheets[1].SheetTotalText(), QStringLiteral("45"));
        QCOMPARE(document.PrintData.Discount, QStringLiteral("$15.00"));
        QCOMPARE(document.PrintData.SubTotal, QStringLiteral("$240.00"));
        QCOMPARE(document.PrintData.Total, QStringLiteral("$225.00"));
        QCOMPARE(document.Header.TotalAmount, 225.0);
    }

    // Monthly totals, through saves as the editor and maintenance make them.

    void paidInvoiceSavedTwiceUnchanged()
    {
        CurrentDocument& document = NewInvoice();
        document.Header.PaidInFull = true;
        Recompute();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        QVERIFY(amounts.LaborTax1 > 0 && amounts.MaterialTax2 > 0);
        EditorSave();
        COMPARE_MONTH(2011, 3, amounts);
        EditorSave();
        COMPARE_MONTH(2011, 3, amounts);
        QCOMPARE(ReportRows().size(), 1);
    }

    void movingTheDateMovesTheAmounts()
    {
        CurrentDocument& document = NewInvoice();
        document.Header.PaidInFull = true;
        Recompute();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        EditorSave();
        document.Header.InvDate = QStringLiteral("4/2/2011");
        EditorSave();
        COMPARE_MONTH(2011, 3, MonthlyAmounts());
        COMPARE_MONTH(2011, 4, amounts);
    }

    void clearingPaidInFullTakesThemOut()
    {
        CurrentDocument& document = NewInvoice();
        document.Header.PaidInFull = true;
        Recompute();
        EditorSave();
        document.Header.PaidInFull = false;
        Recompute();
        EditorSave();
        COMPARE_MONTH(2011, 3, MonthlyAmounts());
    }

    void unpaidInvoicesAndOtherKindsNeverCount_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("paidInFull");
        QTest::newRow("unpaid invoice") << "Invoice" << false;
        QTest::newRow("estimate") << "Estimate" << true;
        QTest::newRow("work order") << "Work Order" << true;
        QTest::newRow("change order") << "Change Order" << true;
        QTest::newRow("past due") << "Past Due" << true;
    }

    void unpaidInvoicesAndOtherKindsNeverCount()
    {
        QFETCH(QString, kind);
        QFETCH(bool, paidInFull);
        CurrentDocument& document = NewInvoice();
        document.Header.InvName = kind;
        document.Header.PaidInFull = paidInFull;
        Recompute();
        EditorSave();
        EditorSave();
        QVERIFY(ReportRows().isEmpty());
    }

    void creditSavedTwiceIsSubtractedOnce()
    {
        CurrentDocument& document = NewInvoice();
        document.Header.InvName = QStringLiteral("credit");
        document.Header.PaidInFull = true;
        Recompute();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        EditorSave();
        QVERIFY(!document.Header.PaidInFull);
        COMPARE_MONTH(2011, 3, amounts.negated());
        EditorSave();
        COMPARE_MONTH(2011, 3, amounts.negated());
        Connection db = OpenDatabase();
        QCOMPARE(db.exec(QStringLiteral("SELECT strPaidInFull FROM tblInvHeader;")).columnText(0),
                 QStringLiteral("0"));
    }

    void creditResavedOnAnotherDateMovesItsAmounts_data()
    {
        QTest::addColumn<QString>("newDate");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("next month") << "4/2/2011" << 2011 << 4;
        QTest::newRow("a year back") << "12/31/2010" << 2010 << 12;
    }

    void creditResavedOnAnotherDateMovesItsAmounts()
    {
        QFETCH(QString, newDate);
        QFETCH(int, year);
        QFETCH(int, month);
        CurrentDocument& document = NewInvoice();
        document.Header.InvName = QStringLiteral("Credit");
        Recompute();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        EditorSave();
        COMPARE_MONTH(2011, 3, amounts.negated());
        document.Header.InvDate = newDate;
        EditorSave();
        COMPARE_MONTH(2011, 3, MonthlyAmounts());
        COMPARE_MONTH(year, month, amounts.negated());
        // Saved again on its new date, it stays there once.
        EditorSave();
        COMPARE_MONTH(2011, 3, MonthlyAmounts());
        COMPARE_MONTH(year, month, amounts.negated());
    }

    void paidInvoiceConvertedToCreditNetsZero()
    {
        CurrentDocument& document = NewInvoice();
        document.Header.PaidInFull = true;
        Recompute();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        EditorSave();
        COMPARE_MONTH(2011, 3, amounts);

        // What maintenance does: load the saved invoice, relabel it, save.
        CurrentDocument converted;
        converted.Header.IsNew = false;
        converted.Header.InvNumber = document.Header.InvNumber;
        LoadDocument(converted, state.companySettings);
        converted.Header.FromInvNameNumber =
            converted.Header.InvName + QLatin1Char(' ') + QString::number(converted.Header.InvNumber);
        converted.Header.InvName = QStringLiteral("Credit");
        SaveDocument(converted);
        COMPARE_MONTH(2011, 3, MonthlyAmounts());
        QCOMPARE(ReportRows().size(), 1);
    }

    void unpaidInvoiceConvertedToCreditIsSubtracted()
    {
        CurrentDocument& document = NewInvoice();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        EditorSave();
        QVERIFY(ReportRows().isEmpty());
        CurrentDocument converted;
        converted.Header.IsNew = false;
        converted.Header.InvNumber = document.Header.InvNumber;
        LoadDocument(converted, state.companySettings);
        converted.Header.InvName = QStringLiteral("Credit");
        SaveDocument(converted);
        COMPARE_MONTH(2011, 3, amounts.negated());
    }

    void addToMonthlyReport()
    {
        const MonthlyAmounts first{1, 2, 3, 4, 5, 6, 7, 8};
        AddToMonthlyReport(QStringLiteral("12/31/2010"), first);
        COMPARE_MONTH(2010, 12, first);
        AddToMonthlyReport(QStringLiteral("12/1/2010"), first.negated());
        AddToMonthlyReport(QStringLiteral("12/2/2010"), {0.5, 0, 0, 0, 0, 0, 0, -1});
        COMPARE_MONTH(2010, 12, (MonthlyAmounts{0.5, 0, 0, 0, 0, 0, 0, -1}));
        AddToMonthlyReport(QStringLiteral("1/1/2011"), first);
        QCOMPARE(ReportRows().size(), 2);
        try {
            AddToMonthlyReport(QStringLiteral("2011-01-01"), first);
            QFAIL("a date in another form must not be read");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'2011-01-01' is not a valid date"));
        }
    }

    void monthlyAmountsAreStoredInTheRealForm()
    {
        // Amounts and sums are stored rounded to 15 significant digits, as every stored
        // real of a document: 0.1 + 0.2 is kept as 0.3, not as 0.30000000000000004.
        const double sum = 0.1 + 0.2;
        QVERIFY(sum != 0.3);
        AddToMonthlyReport(QStringLiteral("5/1/2011"), {sum, 0, 0, 0, 0, 0, 0, 0});
        QVERIFY(Month(2011, 5).LaborTotal == 0.3);
        AddToMonthlyReport(QStringLiteral("5/2/2011"), {0, 0.1, 0, 0, 0.1, 0, 0, 0});
        AddToMonthlyReport(QStringLiteral("5/3/2011"), {0, 0.2, 0, 0, 0.2, 0, 0, 0});
        const MonthlyAmounts month = Month(2011, 5);
        QVERIFY(month.LaborTotal == 0.3);
        QVERIFY(month.LaborTax1 == 0.3);
        QVERIFY(month.MaterialTotal == 0.3);
    }

    void deletingKeepsTheMonthlyAmounts()
    {
        CurrentDocument& document = NewInvoice();
        document.Header.PaidInFull = true;
        Recompute();
        const MonthlyAmounts amounts = MonthlyAmounts::From(document.Totals);
        EditorSave();
        DeleteDocument(document);
        COMPARE_MONTH(2011, 3, amounts);
    }
};


VELMAR_TEST_MAIN(TestTotals)
#include "tst_totals.moc"
