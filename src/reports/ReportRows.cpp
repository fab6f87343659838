#include "reports/ReportRows.h"

#include "app/Regional.h"

#include <algorithm>

namespace {

double Sum(const std::array<double, 3>& values)
{
    return values[0] + values[1] + values[2];
}

QString Money(double amount)
{
    return Regional::CurrencyText(amount);
}

// Fills the three tax cells.
void SetTaxCells(ReportRow& row, const std::array<double, 3>& taxes)
{
    for (int i = 0; i < 3; ++i)
        row.cells[size_t(ReportCol::Tax1 + i)] = Money(taxes[size_t(i)]);
}

ReportRow StartRow(const MonthlyTotals& totals, ReportRow::Part part, const QString& sortDate)
{
    ReportRow row;
    row.month = totals.month;
    row.part = part;
    if (part != ReportRow::Part::Material)
        row.cells[ReportCol::Date] = MonthCaption(totals.month);
    if (part == ReportRow::Part::Labor)
        row.cells[ReportCol::Type] = QStringLiteral("Labor");
    else if (part == ReportRow::Part::Material)
        row.cells[ReportCol::Type] = QStringLiteral("Material");
    row.cells[ReportCol::SortDate] = sortDate;
    return row;
}

void AddMonth(std::vector<ReportRow>& rows, const MonthlyTotals& totals, ReportKind kind, bool summarised)
{
    const QString sortDate = Regional::FormatShortDate(totals.month);
    const double allTax = Sum(totals.laborTax) + Sum(totals.materialTax);
    const double allSales = totals.laborTotal + totals.materialTotal;

    if (summarised) {
        ReportRow row = StartRow(totals, ReportRow::Part::Month, sortDate);
        switch (kind) {
        case ReportKind::SalesAndTax:
            row.cells[ReportCol::TaxTotal] = Money(allTax);
            row.cells[ReportCol::SalesTotal] = Money(allSales);
            row.taxTotal = Regional::RoundForDisplay(allTax);
            row.salesTotal = Regional::RoundForDisplay(allSales);
            break;
        case ReportKind::Sales:
            row.cells[ReportCol::SalesTotal] = Money(allSales);
            row.salesTotal = Regional::RoundForDisplay(allSales);
            break;
        case ReportKind::Tax:
            // The tax-only report carries its tax total in the last column.
            row.cells[ReportCol::SalesTotal] = Money(allTax);
            row.taxTotal = Regional::RoundForDisplay(allTax);
            break;
        }
        rows.push_back(std::move(row));
        return;
    }

    const struct {
        ReportRow::Part part;
        const std::array<double, 3>& taxes;
        double sales;
    } parts[] = {
        {ReportRow::Part::Labor, totals.laborTax, totals.laborTotal},
        {ReportRow::Part::Material, totals.materialTax, totals.materialTotal},
    };
    for (const auto& part : parts) {
        ReportRow row = StartRow(totals, part.part, sortDate);
        const double tax = Sum(part.taxes);
        switch (kind) {
        case ReportKind::SalesAndTax:
            SetTaxCells(row, part.taxes);
            row.cells[ReportCol::TaxTotal] = Money(tax);
            row.cells[ReportCol::SalesTotal] = Money(part.sales);
            row.taxTotal = Regional::RoundForDisplay(tax);
            row.salesTotal = Regional::RoundForDisplay(part.sales);
            break;
        case ReportKind::Sales:
            row.cells[ReportCol::SalesTotal] = Money(part.sales);
            row.salesTotal = Regional::RoundForDisplay(part.sales);
            break;
        case ReportKind::Tax:
            SetTaxCells(row, part.taxes);
            row.cells[ReportCol::SalesTotal] = Money(tax);
            row.taxTotal = Regional::RoundForDisplay(tax);
            break;
        }
        rows.push_back(std::move(row));
    }
}

} // namespace

QString MonthCaption(const QDate& month)
{
    return Regional::Locale().standaloneMonthName(month.month(), QLocale::LongFormat) + QLatin1Char(' ') +
           QString::number(month.year());
}

std::vector<ReportRow> BuildReportRows(const std::vector<MonthlyTotals>& months, ReportKind kind, bool summarised)
{
    // Ordered by month before the rows are made, so each month's labor row stays before
    // its material row; months with the same date keep the table's order.
    std::vector<const MonthlyTotals*> ordered;
    ordered.reserve(months.size());
    for (const MonthlyTotals& totals : months)
        ordered.push_back(&totals);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const MonthlyTotals* a, const MonthlyTotals* b) { return a->month < b->month; });

    std::vector<ReportRow> rows;
    rows.reserve(months.size() * (summarised ? 1 : 2));
    for (const MonthlyTotals* totals : ordered)
        AddMonth(rows, *totals, kind, summarised);
    return rows;
}
