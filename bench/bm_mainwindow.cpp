#include "app/AppState.h"
#include "app/gui/TfrmMain.h"
#include "support/BenchEnvironment.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// From an existing database: load the settings and preferences, then build and show
// the main window, as a start-up does once the database is there.
static void BM_OpenMainWindow(benchmark::State& state)
{
    BenchEnvironment::freshDatabase();
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
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMillisecond);

VELMAR_BENCH_MAIN()
