#include "reports/ReportChartData.h"

#include "app/Regional.h"

#include <algorithm>

namespace {

enum class Amount { LaborSales, MaterialSales, LaborTax, MaterialTax, Sales, Tax };

struct SetPlan {
    const char* name;
    Amount amount;
};

std::vector<SetPlan> SetsFor(ReportKind kind, bool summarised)
{
    if (summarised) {
        switch (kind) {
        case ReportKind::SalesAndTax: return {{"Sales Total", Amount::Sales}, {"Tax Total", Amount::Tax}};
        case ReportKind::Sales: return {{"Sales Total", Amount::Sales}};
        case ReportKind::Tax: return {{"Tax Total", Amount::Tax}};
        }
    }
    switch (kind) {
    case ReportKind::SalesAndTax:
        return {{"Labor Sales", Amount::LaborSales},
                {"Material Sales", Amount::MaterialSales},
                {"Labor Tax", Amount::LaborTax},
                {"Material Tax", Amount::MaterialTax}};
    case ReportKind::Sales:
        return {{"Labor Sales", Amount::LaborSales}, {"Material Sales", Amount::MaterialSales}};
    case ReportKind::Tax:
        return {{"Labor Tax", Amount::LaborTax}, {"Material Tax", Amount::MaterialTax}};
    }
    return {};
}

// What a row adds to a set; nothing when the row is not that set's part.
double Contribution(const ReportRow& row, Amount amount)
{
    using Part = ReportRow::Part;
    switch (amount) {
    case Amount::Sales: return row.salesTotal;
    case Amount::Tax: return row.taxTotal;
    case Amount::LaborSales: return row.part == Part::Labor ? row.salesTotal : 0.0;
    case Amount::MaterialSales: return row.part == Part::Material ? row.salesTotal : 0.0;
    case Amount::LaborTax: return row.part == Part::Labor ? row.taxTotal : 0.0;
    case Amount::MaterialTax: return row.part == Part::Material ? row.taxTotal : 0.0;
    }
    return 0.0;
}

QString CategoryText(const QDate& month)
{
    return Regional::Locale().standaloneMonthName(month.month(), QLocale::ShortFormat) + QLatin1Char(' ') +
           QString::number(month.year());
}

} // namespace

std::pair<double, double> ReportChartData::valueRange() const
{
    double low = 0;
    double high = 0;
    for (int category = 0; category < categories.size(); ++category) {
        double above = 0;
        double below = 0;
        for (const Set& set : sets) {
            const double value = set.values[size_t(category)];
            if (stacked) {
                // Stacked parts go up from zero when positive, down when negative.
                (value >= 0 ? above : below) += value;
            } else {
                above = std::max(above, value);
                below = std::min(below, value);
            }
        }
        high = std::max(high, above);
        low = std::min(low, below);
    }
    return {low, high};
}

ReportChartData BuildReportChartData(const std::vector<ReportRow>& rows, ReportKind kind, bool summarised)
{
    ReportChartData chart;
    chart.stacked = !summarised;
    const std::vector<SetPlan> plans = SetsFor(kind, summarised);
    for (const SetPlan& plan : plans)
        chart.sets.push_back({QString::fromLatin1(plan.name), {}});

    QDate current;
    for (const ReportRow& row : rows) {
        // The rows of one month follow each other in the list.
        if (chart.categories.isEmpty() || row.month != current) {
            current = row.month;
            chart.categories << CategoryText(row.month);
            for (ReportChartData::Set& set : chart.sets)
                set.values.push_back(0.0);
        }
        for (size_t i = 0; i < plans.size(); ++i)
            chart.sets[i].values.back() += Contribution(row, plans[i].amount);
    }
    return chart;
}
