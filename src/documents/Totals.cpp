#include "documents/Totals.h"

#include "app/Regional.h"
#include "data/CompanySettings.h"
#include "data/Database.h"
#include "data/StoredReal.h"

EffectiveRates ComputeEffectiveRates(const TrecInvHeader& header)
{
    EffectiveRates rates;
    if (header.CustTaxExempt)
        return rates;
    rates.Rate1 = header.UseTax1 ? header.TaxRate1 : 0.0;
    rates.Rate2 = header.UseTax2 ? header.TaxRate2 : 0.0;
    rates.Rate3 = header.UseTax3 ? header.TaxRate3 : 0.0;
    return rates;
}

void ComputeTotals(CurrentDocument& document, const CompanySettings& settings)
{
    TrecInvHeader& header = document.Header;
    DocumentTotals totals; // 1. all zero
    const EffectiveRates r = ComputeEffectiveRates(header); // 2.
    const int basis = settings.InvData.TaxOn;
    const bool taxLabor = basis == 0 || basis == 1;
    const bool taxMaterial = basis == 0 || basis == 2;

    // 3.
    for (WorkSheet& sheet : document.WorkSheets) {
        const SheetPrice price = PriceWorkSheet(sheet, document.Prices, header.CustDiscountPercent);
        totals.DiscountTotal += price.LaborDiscount;
        totals.DiscountTotal += price.MaterialDiscount;
        const double A = price.Labor;
        const double B = price.Material;
        if (taxLabor) {
            totals.LaborTax1 += A * r.Rate1;
            totals.LaborTax2 += A * r.Rate2;
            totals.LaborTax3 += A * r.Rate3;
        }
        if (taxMaterial) {
            totals.MaterialTax1 += B * r.Rate1;
            totals.MaterialTax2 += B * r.Rate2;
            totals.MaterialTax3 += B * r.Rate3;
        }
        totals.LaborTotal += A;
        totals.MaterialTotal += B;
    }
    document.Totals = totals;

    TrecPrintData& print = document.PrintData;
    // 4.
    print.Discount = Regional::CurrencyText(totals.DiscountTotal);
    // 5.
    print.DepositOrPaid = Regional::CurrencyText(
        DocumentType::IsDepositKind(header.InvName) ? header.DepositAmount : header.PaidAmount);
    // 6.
    print.TaxTotal = Regional::CurrencyText(totals.LaborTax1 + totals.LaborTax2 + totals.LaborTax3
                                            + totals.MaterialTax1 + totals.MaterialTax2
                                            + totals.MaterialTax3);
    // 7.
    print.SubTotal = Regional::CurrencyText(totals.LaborTotal + totals.MaterialTotal
                                            + totals.DiscountTotal);
    // 8.
    header.TotalAmount = totals.LaborTotal + totals.MaterialTotal + totals.LaborTax1
        + totals.LaborTax2 + totals.LaborTax3 + totals.MaterialTax1 + totals.MaterialTax2
        + totals.MaterialTax3 - header.PaidAmount;
    // 9.
    print.Total = Regional::CurrencyText(header.TotalAmount);
    header.InvTotal = print.Total;
    // 10.
    if (header.PaidInFull) {
        print.DepositOrPaid = print.Total;
        print.Total = QString::fromLatin1(kPaidInFullText);
    }
}

void AddToMonthlyReport(Connection& db, const QString& date, const MonthlyAmounts& a)
{
    const QDate day = Regional::ParseShortDate(date);
    if (!day.isValid())
        throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(date));
    const int year = day.year();
    const int month = day.month();

    Statement& row = db.exec(
        QStringLiteral("SELECT intReportID,intReportYear,intReportMonth,dbLbrTax1Total,"
                       "dbLbrTax2Total,dbLbrTax3Total,dbMatTax1Total,dbMatTax2Total,"
                       "dbMatTax3Total,dbLbrTotal,dbMatTotal FROM tblReport "
                       "WHERE intReportYear = ? AND intReportMonth = ?;"),
        {year, month});
    const qint64 id = row.columnInt(0);
    if (id != 0) {
        const auto sum = [&row](int column, double amount) {
            return StoredReal(row.columnReal(column) + amount);
        };
        const std::vector<QVariant> values{
            sum(3, a.LaborTax1),    sum(4, a.LaborTax2),    sum(5, a.LaborTax3),
            sum(6, a.MaterialTax1), sum(7, a.MaterialTax2), sum(8, a.MaterialTax3),
            sum(9, a.LaborTotal),   sum(10, a.MaterialTotal), id,
        };
        row.reset();
        db.exec(QStringLiteral("UPDATE tblReport SET dbLbrTax1Total = ?,dbLbrTax2Total = ?,"
                               "dbLbrTax3Total = ?,dbMatTax1Total = ?,dbMatTax2Total = ?,"
                               "dbMatTax3Total = ?,dbLbrTotal = ?,dbMatTotal = ? "
                               "WHERE intReportID = ?;"),
                values);
    } else {
        row.reset();
        db.exec(QStringLiteral("INSERT INTO tblReport(intReportYear,intReportMonth,dbLbrTax1Total,"
                               "dbLbrTax2Total,dbLbrTax3Total,dbMatTax1Total,dbMatTax2Total,"
                               "dbMatTax3Total,dbLbrTotal,dbMatTotal)"
                               "VALUES(?,?,?,?,?,?,?,?,?,?);"),
                {year, month, StoredReal(a.LaborTax1), StoredReal(a.LaborTax2),
                 StoredReal(a.LaborTax3), StoredReal(a.MaterialTax1), StoredReal(a.MaterialTax2),
                 StoredReal(a.MaterialTax3), StoredReal(a.LaborTotal), StoredReal(a.MaterialTotal)});
    }
}

void AddToMonthlyReport(const QString& date, const MonthlyAmounts& amounts)
{
    Connection db = OpenDatabase();
    AddToMonthlyReport(db, date, amounts);
}

void FoldIntoMonthlyTotals(Connection& db, CurrentDocument& document)
{
    TrecInvHeader& header = document.Header;
    const TrecSavedData& saved = document.SavedData;
    if (header.BlankForm) {
        // A blank form carries no amounts, and its fill-in date is no date to fold into.
        if (DocumentType::Is(header.InvName, DocumentType::Credit))
            header.PaidInFull = false;
        return;
    }
    if (DocumentType::Is(header.InvName, DocumentType::Invoice)) {
        if (saved.PaidInFull)
            AddToMonthlyReport(db, saved.InvDate, saved.Amounts.negated());
        if (header.PaidInFull)
            AddToMonthlyReport(db, header.InvDate, MonthlyAmounts::From(document.Totals));
    } else if (DocumentType::Is(header.InvName, DocumentType::Credit)) {
        if (DocumentType::Is(saved.InvName, DocumentType::Credit))
            AddToMonthlyReport(db, saved.InvDate, saved.Amounts);
        AddToMonthlyReport(db, header.InvDate, MonthlyAmounts::From(document.Totals).negated());
        header.PaidInFull = false;
    }
}

void FoldIntoMonthlyTotals(CurrentDocument& document)
{
    Connection db = OpenDatabase();
    FoldIntoMonthlyTotals(db, document);
}
