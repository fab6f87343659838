#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Startup.h"
#include "documents/Totals.h"
#include "printing/PagePainter.h"
#include "printing/PdfOutput.h"
#include "printing/PrintRequest.h"
#include "printing/ReportEngine.h"
#include "support/BenchEnvironment.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// An invoice with the most work sheets a document can hold, every line kind printed.
AppState& FullInvoice()
{
    static AppState state;
    static const bool ready = [] {
        QDir(CompanyFolder()).removeRecursively();
        PrepareApplicationData(state);
        QImage logo(300, 100, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        logo.save(LogoPath(), "JPG");
        TrecCmpnyInvData& inv = state.companySettings.InvData;
        inv.ShowWorkSheetInfo = inv.ShowSurfacePrep = inv.ShowWorkSheetAddons = true;
        inv.ShowWallpaper = inv.ShowExtraCharges = true;
        TrecInvHeader& h = state.currentDocument.Header;
        h.InvName = QStringLiteral("Invoice");
        h.InvNumber = 1042;
        h.InvDate = QStringLiteral("3/1/2011");
        h.CustCmpnyName = QStringLiteral("Lakeside Dental");
        h.CustFullName = QStringLiteral("Ann Carter");
        h.AddSignatureLine = true;
        for (int i = 1; i <= MaxWorkSheets; ++i) {
            WorkSheet sheet = NewWorkSheet(i);
            sheet.AreaLength = 12 + i % 5;
            sheet.AreaWidth = 10;
            sheet.AreaHeight = 8;
            sheet.PaintsCoats = 2;
            sheet.TrimCoats = 1;
            sheet.Wash = sheet.Sand = FlagSet;
            sheet.NumOfDoors = 2;
            sheet.AraNotes = QStringLiteral("Patch the cracks near the window and repaint the trim with a semi-gloss "
                                            "finish that matches the doors in the hallway and on the stairs.");
            state.currentDocument.WorkSheets.push_back(sheet);
        }
        ComputeTotals(state.currentDocument, state.companySettings);
        return true;
    }();
    Q_UNUSED(ready);
    return state;
}

} // namespace

// Filling the document layout (description text included) and laying out every page.
static void BM_PaginateInvoice(benchmark::State& bench)
{
    AppState& state = FullInvoice();
    int pages = 0;
    for (auto _ : bench) {
        const PrintRequest request = BuildPrintRequest(state, 1);
        const DisplayDocument document = RunReports(request.runs);
        pages = static_cast<int>(document.pages.size());
        benchmark::DoNotOptimize(pages);
    }
    bench.counters["pages"] = pages;
}
BENCHMARK(BM_PaginateInvoice)->Unit(benchmark::kMillisecond);

static void BM_WriteInvoicePdf(benchmark::State& bench)
{
    AppState& state = FullInvoice();
    const PrintRequest request = BuildPrintRequest(state, 1);
    const DisplayDocument document = RunReports(request.runs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Invoice 1042.pdf"));
    const PdfDocumentInfo info = DocumentPdfInfo(state);
    for (auto _ : bench)
        WritePdfFile(path, document, info);
    bench.counters["pages"] = static_cast<double>(document.pages.size());
}
BENCHMARK(BM_WriteInvoicePdf)->Unit(benchmark::kMillisecond);

// One page as the preview draws it at 100 percent on a 96 dpi screen.
static void BM_RenderPreviewPage(benchmark::State& bench)
{
    AppState& state = FullInvoice();
    const PrintRequest request = BuildPrintRequest(state, 1);
    const DisplayDocument document = RunReports(request.runs);
    QImage image(816, 1056, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintDisplayPage(painter, document.pages.front(), 96);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderPreviewPage)->Unit(benchmark::kMillisecond);

VELMAR_BENCH_MAIN()
