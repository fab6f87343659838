#include "app/AppState.h"
#include "data/CompanySettings.h"
#include "documents/DocumentStorage.h"
#include "documents/EditorSession.h"
#include "documents/Totals.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "support/BenchEnvironment.h"
#include "support/BenchFixtures.h"

#include <QSpinBox>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

AppState& State()
{
    static AppState state;
    return state;
}

WorkSheet Sheet(int i)
{
    WorkSheet sheet = NewWorkSheet(i + 1);
    sheet.WorkSheetName = QStringLiteral("Room %1").arg(i + 1);
    sheet.IntExt = i % 3 == 0 ? IntExt::Exterior : IntExt::Interior;
    sheet.AreaWorkOn = i % 2;
    sheet.PaintsCoats = 1 + i % 3;
    sheet.TrimCoats = i % 2;
    sheet.AreaLength = 10 + i % 7;
    sheet.AreaWidth = 8 + i % 5;
    sheet.AreaHeight = 8;
    sheet.Prime = i % 3;
    sheet.Wash = ToFlag(i % 2 == 0);
    sheet.NumOfDoors = 1 + i % 3;
    sheet.HngBoarder = ToFlag(i % 6 == 1);
    sheet.ExtraChargesName = QStringLiteral("Scaffold rental");
    sheet.ExtraChargesLabor = QStringLiteral("25.5");
    sheet.AraNotes = QStringLiteral("Move the furniture.\r\nCover the floor.");
    return sheet;
}

// The document the benchmarks open: saved with 70 sheets in a database of 10,000.
int g_bigDocument = 0;

// The shared 10,000 saved documents, then the 70-sheet document saved as the editor saves it.
void FillDatabase()
{
    if (g_bigDocument)
        return;
    BenchEnvironment::freshDatabase();
    AppState& state = State();
    LoadCompanySettings(state.companySettings);
    BenchFixtures::SaveDocuments(state.companySettings);

    CurrentDocument document;
    document.Header.IsNew = true;
    LoadDocument(document, state.companySettings);
    document.Header.InvName = QStringLiteral("Estimate");
    document.Header.InvDate = QStringLiteral("3/14/2011");
    document.Header.CustFullName = QStringLiteral("Jane Doe");
    for (int i = 0; i < MaxWorkSheets; ++i)
        document.WorkSheets.push_back(Sheet(i));
    ComputeTotals(document, state.companySettings);
    SaveDocument(document);
    g_bigDocument = document.Header.InvNumber;
}

std::unique_ptr<TfrmInvoiceVelmar> OpenEditor()
{
    AppState& state = State();
    state.currentDocument.Header.InvNumber = g_bigDocument;
    OpenEditorSession(state, false);
    auto window = std::make_unique<TfrmInvoiceVelmar>(state);
    window->show();
    return window;
}

} // namespace

// Load plus show of the saved 70-sheet document, offscreen.
static void BM_EditorOpenSaved(benchmark::State& state)
{
    FillDatabase();
    for (auto _ : state) {
        auto window = OpenEditor();
        benchmark::DoNotOptimize(window.get());
        window->hide();
        CloseEditorSession(State());
    }
    if (State().currentDocument.WorkSheets.size() != size_t(MaxWorkSheets))
        state.SkipWithError("the saved document did not load");
}
BENCHMARK(BM_EditorOpenSaved)->Unit(benchmark::kMillisecond);

// One spin-box change on sheet 35: the whole refresh, totals and list rebuild.
static void BM_EditorSheetEdit(benchmark::State& state)
{
    FillDatabase();
    auto window = OpenEditor();
    auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lstvwWorkSheetName"));
    list->setCurrentItem(list->topLevelItem(34));
    window->lstvwWorkSheetNameClick();
    auto* doors = window->findChild<QSpinBox*>(QStringLiteral("SpinEditNumOfDoors"));
    int value = 1;
    for (auto _ : state) {
        value = value == 1 ? 2 : 1;
        doors->setValue(value);
        benchmark::DoNotOptimize(State().currentDocument.Header.TotalAmount);
    }
    if (window->currentSheet() != 34 || State().currentDocument.WorkSheets[34].NumOfDoors != value)
        state.SkipWithError("the edit did not reach sheet 35");
    window->hide();
    CloseEditorSession(State());
}
BENCHMARK(BM_EditorSheetEdit)->Unit(benchmark::kMillisecond);

VELMAR_BENCH_MAIN();
