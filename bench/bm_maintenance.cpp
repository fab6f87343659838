#include "app/AppState.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "maintenance/MaintenanceListModel.h"
#include "maintenance/RecurringRun.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "printing/gui/TmodPrintData.h"
#include "support/BenchEnvironment.h"
#include "support/BenchFixtures.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

using BenchFixtures::kRecurringInvoices;

AppState& State()
{
    static AppState state;
    return state;
}

// The shared 10,000 saved documents, made once before the first benchmark's loop.
void FillDatabase()
{
    static bool filled = false;
    if (filled)
        return;
    filled = true;
    BenchEnvironment::freshDatabase();
    AppState& state = State();
    LoadCompanySettings(state.companySettings);
    BenchFixtures::SaveDocuments(state.companySettings);
}

TfrmInvoiceMaintenance& Window()
{
    static TfrmInvoiceMaintenance* window = [] {
        auto* w = new TfrmInvoiceMaintenance(State());
        w->show();
        QCoreApplication::processEvents();
        return w;
    }();
    return *window;
}

void BM_MaintenanceListAll(benchmark::State& run)
{
    FillDatabase();
    TfrmInvoiceMaintenance& window = Window();
    window.findChild<QComboBox*>(QStringLiteral("cmboInvMaintenanceType"))->setCurrentIndex(0);
    window.findChild<QComboBox*>(QStringLiteral("cmboInvSearch"))->setCurrentIndex(0);
    for (auto _ : run) {
        window.pQuerySavedInvoices();
        benchmark::DoNotOptimize(window.listModel()->rowCount());
    }
    run.counters["rows"] = window.listModel()->rowCount();
}
BENCHMARK(BM_MaintenanceListAll)->Unit(benchmark::kMillisecond);

void BM_MaintenanceKeystroke(benchmark::State& run)
{
    FillDatabase();
    TfrmInvoiceMaintenance& window = Window();
    window.findChild<QComboBox*>(QStringLiteral("cmboInvMaintenanceType"))->setCurrentIndex(0);
    window.findChild<QComboBox*>(QStringLiteral("cmboInvSearch"))->setCurrentIndex(8); // Customer Last Name
    auto* text = window.findChild<QLineEdit*>(QStringLiteral("txtInvSearch"));
    text->setText(QStringLiteral("Ma"));
    bool longer = true;
    for (auto _ : run) {
        // One keystroke: a letter typed, then taken back by the next iteration.
        if (longer)
            text->setText(QStringLiteral("Mar"));
        else
            text->setText(QStringLiteral("Ma"));
        longer = !longer;
        benchmark::DoNotOptimize(window.listModel()->rowCount());
    }
    run.counters["rows"] = window.listModel()->rowCount();
}
BENCHMARK(BM_MaintenanceKeystroke)->Unit(benchmark::kMillisecond);

void BM_RecurringRun(benchmark::State& run)
{
    FillDatabase();
    AppState& state = State();
    static TmodPrintData service(state);
    state.printData = &service;
    RecurringRunSteps steps;
    steps.showPreview = [&state] {
        // Closed as soon as it is up.
        QTimer::singleShot(0, [] {
            if (QWidget* preview = QApplication::activeModalWidget())
                preview->close();
        });
        state.printData->pPrintPreview();
    };
    QStringList numbers;
    for (auto _ : run)
        benchmark::DoNotOptimize(RunRecurringInvoices(state, numbers, steps));
    run.counters["invoices"] = kRecurringInvoices;
}
BENCHMARK(BM_RecurringRun)->Unit(benchmark::kMillisecond);

} // namespace

VELMAR_BENCH_MAIN();
