#include "app/AppState.h"
#include "app/Clock.h"
#include "app/HomeFigures.h"
#include "app/Regional.h"
#include "app/gui/TfrmMain.h"
#include "data/Database.h"
#include "support/BenchEnvironment.h"
#include "support/BenchFixtures.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kActivityRows = 20000;
// Inside the documents' two years and the activities' ten.
const QDate kToday(2011, 6, 15);

// 10,000 saved documents, 20,000 activity rows over ten years and a year of monthly
// totals; made once, before the first benchmark's loop.
void FillDatabase()
{
    static bool filled = false;
    if (filled)
        return;
    filled = true;
    BenchEnvironment::freshDatabase();
    CompanySettings settings;
    LoadCompanySettings(settings);
    BenchFixtures::SaveDocuments(settings);
    BenchFixtures::SaveActivities(kActivityRows, QDate(2006, 1, 1), QDate(2015, 12, 31));
    Connection db = OpenDatabase();
    Transaction transaction(db);
    for (int month = 1; month <= 12; ++month)
        db.exec(QStringLiteral("INSERT INTO tblReport(intReportYear,intReportMonth,dbLbrTax1Total,dbLbrTax2Total,"
                               "dbLbrTax3Total,dbMatTax1Total,dbMatTax2Total,dbMatTax3Total,dbLbrTotal,dbMatTotal)"
                               "VALUES(2011,?,12.5,0,0,8.25,0,0,2500,1650);"),
                {month});
    transaction.commit();
    SetClockForTesting(Regional::WallClock(kToday, QTime(9, 0)));
}

} // namespace

// From an existing database: load the settings and preferences, then build and show
// the main window with its home page, as a start-up does once the database is there.
static void BM_OpenMainWindow(benchmark::State& state)
{
    FillDatabase();
    {
        // The first window also loads the icon theme and the fonts, once per run.
        AppState warmUp;
        LoadPreferences(warmUp.preferences);
        TfrmMain window(warmUp);
        window.show();
        QApplication::processEvents();
    }
    for (auto _ : state) {
        AppState appState;
        LoadCompanySettings(appState.companySettings);
        LoadPreferences(appState.preferences);
        TfrmMain window(appState);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    state.counters["documents"] = BenchFixtures::kSavedDocuments;
    state.counters["activities"] = kActivityRows;
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMillisecond);

// The home page's reading alone: what every window's closing costs.
static void BM_GatherHomeFigures(benchmark::State& state)
{
    FillDatabase();
    int unpaid = 0;
    for (auto _ : state) {
        const HomeFigures figures = GatherHomeFigures(Today());
        unpaid = figures.unpaidCount;
        benchmark::DoNotOptimize(unpaid);
    }
    state.counters["unpaid"] = unpaid;
}
BENCHMARK(BM_GatherHomeFigures)->Unit(benchmark::kMillisecond);

VELMAR_BENCH_MAIN()
