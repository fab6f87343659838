#include "app/AppState.h"
#include "data/Database.h"
#include "reports/MonthlyTotals.h"
#include "reports/ReportChartData.h"
#include "reports/ReportRows.h"
#include "reports/gui/ReportChart.h"
#include "reports/gui/TfrmReport.h"
#include "support/BenchEnvironment.h"

#include <QApplication>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

const QDate kFirstMonth(2010, 1, 1);
const QDate kLastMonth(2019, 12, 1);

// Ten years of monthly totals, stored newest first so the report has to order them.
void ensureTenYears()
{
    static const bool filled = [] {
        BenchEnvironment::freshDatabase();
        Connection db = OpenDatabase();
        Transaction transaction(db);
        Statement& insert = db.prepare(QStringLiteral(
            "INSERT INTO tblReport(intReportYear,intReportMonth,dbLbrTax1Total,dbLbrTax2Total,dbLbrTax3Total,"
            "dbMatTax1Total,dbMatTax2Total,dbMatTax3Total,dbLbrTotal,dbMatTotal)VALUES(?,?,?,?,?,?,?,?,?,?);"));
        for (int index = 119; index >= 0; --index) {
            const double n = 1 + index % 11;
            insert.reset();
            insert.bindAll({2010 + index / 12, index % 12 + 1, 12.3 * n, 50.1 * n, 0.0, 6.1 * n, 25.05 * n, 0.0,
                            1000.0 * n, 500.5 * n});
            insert.step();
        }
        transaction.commit();
        return true;
    }();
    (void)filled;
}

// The whole refresh of the window: query, rows, order, list, printed rows and chart.
void BM_ReportTenYears(benchmark::State& state)
{
    ensureTenYears();
    AppState app;
    TfrmReport window(app);
    window.show();
    for (QRadioButton* option : window.findChildren<QRadioButton*>())
        if (option->text() == QLatin1String("Itemized"))
            option->setChecked(true);
    QApplication::processEvents();
    for (auto _ : state) {
        window.setMonths(kFirstMonth, kLastMonth);
        benchmark::DoNotOptimize(window.chart()->data().categories.size());
    }
    if (window.chart()->data().categories.size() != 120)
        state.SkipWithError("the report does not show 120 months");
}
BENCHMARK(BM_ReportTenYears)->Unit(benchmark::kMillisecond);

// The same without widgets: query, rows and chart series.
void BM_ReportTenYearsData(benchmark::State& state)
{
    ensureTenYears();
    for (auto _ : state) {
        const std::vector<ReportRow> rows =
            BuildReportRows(QueryMonthlyTotals(kFirstMonth, kLastMonth), ReportKind::SalesAndTax, false);
        const ReportChartData chart = BuildReportChartData(rows, ReportKind::SalesAndTax, false);
        benchmark::DoNotOptimize(chart.categories.size());
    }
}
BENCHMARK(BM_ReportTenYearsData)->Unit(benchmark::kMillisecond);

} // namespace

VELMAR_BENCH_MAIN()
