#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Regional.h"
#include "data/Database.h"
#include "planner/ActivityStore.h"
#include "planner/gui/TfrmPlanner.h"
#include "support/BenchEnvironment.h"
#include "support/BenchFixtures.h"

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

const QDate kFirstDay(2010, 1, 1);
constexpr int kActivityRows = 20000;
const QDate kToday(2015, 6, 17);

void ensureTenYearsOfActivities()
{
    static const bool filled = [] {
        BenchEnvironment::freshDatabase();
        BenchFixtures::SaveActivities(kActivityRows, kFirstDay, QDate(2019, 12, 31));
        return true;
    }();
    (void)filled;
}

AppState MonthViewState()
{
    AppState app;
    app.companySettings.PlannerDefaultView = 2;
    return app;
}

// Opening on today in the month view: the year's search, the calendar and the list.
void BM_PlannerOpen(benchmark::State& state)
{
    ensureTenYearsOfActivities();
    SetClockForTesting(Regional::WallClock(kToday, QTime(10, 0)));
    AppState app = MonthViewState();
    int listed = 0;
    for (auto _ : state) {
        TfrmPlanner window(app);
        window.show();
        listed = window.findChild<QTreeWidget*>(QStringLiteral("lvActivityEdit"))->topLevelItemCount();
        benchmark::DoNotOptimize(listed);
    }
    SetClockForTesting(QDateTime());
    if (listed < 100)
        state.SkipWithError("the month view does not list the month's activities");
}
BENCHMARK(BM_PlannerOpen)->Unit(benchmark::kMillisecond);

// ">>" from December into January: the next year is searched and its month drawn.
void BM_PlannerNextMonth(benchmark::State& state)
{
    ensureTenYearsOfActivities();
    SetClockForTesting(Regional::WallClock(kToday, QTime(10, 0)));
    AppState app = MonthViewState();
    TfrmPlanner window(app);
    window.show();
    QApplication::processEvents();
    auto* next = window.findChild<QPushButton*>(QStringLiteral("btnActivityNext"));
    for (auto _ : state) {
        state.PauseTiming();
        window.selectDate(QDate(2014, 12, 15));
        state.ResumeTiming();
        next->click();
    }
    SetClockForTesting(QDateTime());
    if (window.selectedDate() != QDate(2015, 1, 15))
        state.SkipWithError(">> did not reach January");
}
BENCHMARK(BM_PlannerNextMonth)->Unit(benchmark::kMillisecond);

// Saving a 30-day activity over its previous rows: one transaction of a delete and 30 inserts.
void BM_SaveActivity(benchmark::State& state)
{
    ensureTenYearsOfActivities();
    TrecActivityEdit activity;
    activity.start = Regional::WallClock(QDate(2016, 3, 1), QTime(8, 0));
    activity.end = Regional::WallClock(QDate(2016, 3, 30), QTime(17, 0));
    activity.activity = QStringLiteral("Repaint the school");
    activity.notes = QStringLiteral("Scaffold on the north side\r\nKeys at the office");
    activity.masterId = QString::number(SaveActivity(activity));
    for (auto _ : state)
        activity.masterId = QString::number(SaveActivity(activity));
    Connection db = OpenDatabase();
    Statement& count = db.prepare(QStringLiteral("SELECT COUNT(*) FROM tblPlanner WHERE intActMasterID = ?;"));
    count.bind(1, activity.masterId.toLongLong());
    if (!count.next() || count.columnInt(0) != 30)
        state.SkipWithError("the activity is not stored as 30 day rows");
}
BENCHMARK(BM_SaveActivity)->Unit(benchmark::kMillisecond);

} // namespace

VELMAR_BENCH_MAIN()
