#pragma once

#include "reports/ReportRows.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// What the bar chart beside the report list draws: one category per listed month and
// one bar set per amount, taken from the list's own rows.
struct ReportChartData {
    struct Set {
        QString name;
        std::vector<double> values;  // one per category
    };

    // Itemised reports stack the labor and material parts of a month into one bar.
    bool stacked = false;
    QStringList categories;  // "Mar 2011", one per month, oldest first
    std::vector<Set> sets;

    bool empty() const { return categories.isEmpty(); }
    // The lowest and highest point a bar reaches; credits can take a month below zero.
    std::pair<double, double> valueRange() const;
};

// The series of the rows the list shows, in the list's order.
ReportChartData BuildReportChartData(const std::vector<ReportRow>& rows, ReportKind kind, bool summarised);
