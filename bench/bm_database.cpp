#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Startup.h"
#include "data/DatabaseCreator.h"
#include "support/BenchEnvironment.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

// The creation procedure into a fresh folder.
static void BM_CreateDatabase(benchmark::State& state)
{
    EnsureDataFolders();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(DatabasePath());
        state.ResumeTiming();
        CreateDatabase(DatabasePath(), Today());
    }
}
BENCHMARK(BM_CreateDatabase)->Unit(benchmark::kMillisecond);

static void BM_LoadCompanySettings(benchmark::State& state)
{
    BenchEnvironment::freshDatabase();
    CompanySettings settings;
    for (auto _ : state) {
        LoadCompanySettings(settings);
        benchmark::DoNotOptimize(settings.InvData.TaxRates);
    }
}
BENCHMARK(BM_LoadCompanySettings)->Unit(benchmark::kMicrosecond);

VELMAR_BENCH_MAIN()
