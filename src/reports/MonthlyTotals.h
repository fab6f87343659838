#pragma once

#include <QDate>
#include <array>
#include <vector>

// One month's sales and tax totals as saved invoices and credits accumulated them.
struct MonthlyTotals {
    QDate month;  // the 1st of the month
    std::array<double, 3> laborTax{};
    std::array<double, 3> materialTax{};
    double laborTotal = 0;
    double materialTotal = 0;
};

// The stored months from `start` to `end` inclusive (both the 1st of a month), as the
// table gives them. Reads every row of the years the range touches and keeps only the
// months inside it. Raises DatabaseError.
std::vector<MonthlyTotals> QueryMonthlyTotals(const QDate& start, const QDate& end);
