#pragma once

#include "reports/MonthlyTotals.h"

#include <QString>
#include <array>
#include <vector>

// The three reports of the window: 1 sales and tax, 2 sales, 3 tax.
enum class ReportKind { SalesAndTax = 1, Sales = 2, Tax = 3 };

// The list's columns, left to right; the last is hidden and only orders the rows.
namespace ReportCol {
enum Column : int { Date, Type, Tax1, Tax2, Tax3, TaxTotal, SalesTotal, SortDate };
} // namespace ReportCol
inline constexpr int kReportColumnCount = 8;
// The columns that are shown and printed.
inline constexpr int kReportShownColumns = 7;

// One row of the list: its cells as shown, and the amounts behind its two totals so the
// chart draws what the list says.
struct ReportRow {
    enum class Part { Month, Labor, Material };

    QDate month;
    Part part = Part::Month;
    std::array<QString, kReportColumnCount> cells;
    // Rounded as shown; zero where the row shows no such total.
    double salesTotal = 0;
    double taxTotal = 0;
};

// The rows of a report, oldest month first, a month's labor row before its material row.
std::vector<ReportRow> BuildReportRows(const std::vector<MonthlyTotals>& months, ReportKind kind, bool summarised);

// "March 2011".
QString MonthCaption(const QDate& month);
