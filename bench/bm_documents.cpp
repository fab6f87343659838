#include "app/AppState.h"
#include "app/AppPaths.h"
#include "data/Compaction.h"
#include "data/Database.h"
#include "documents/DescriptionText.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "support/BenchEnvironment.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSavedDocuments = 10000;
constexpr int kSheetsPerSavedDocument = 6;

AppState& State()
{
    static AppState state;
    return state;
}

WorkSheet Sheet(int i)
{
    WorkSheet sheet = NewWorkSheet(i + 1);
    sheet.IntExt = i % 3 == 0 ? IntExt::Exterior : IntExt::Interior;
    sheet.AreaWorkOn = i % 5;
    sheet.PaintsCoats = 1 + i % 3;
    sheet.TrimCoats = i % 2;
    sheet.AreaLength = 10 + i % 7;
    sheet.AreaWidth = 8 + i % 5;
    sheet.AreaHeight = 8;
    sheet.AreaMultiplier = 1 + i % 2;
    sheet.Prime = i % 3;
    sheet.Wash = ToFlag(i % 2 == 0);
    sheet.Sand = ToFlag(i % 3 == 0);
    sheet.Caulk = ToFlag(i % 4 == 0);
    sheet.Mask = ToFlag(i % 5 == 0);
    sheet.NumOfDoors = i % 3;
    sheet.NumOfDoorFrmTrm = i % 2;
    sheet.NumOfWindowFrmTrm = i % 4;
    sheet.NumOfClosets = i % 2;
    sheet.HngWallpaper = ToFlag(i % 7 == 0);
    sheet.HngBoarder = ToFlag(i % 6 == 0);
    sheet.ExtraChargesName = QStringLiteral("Scaffold rental and hauling");
    sheet.ExtraChargesLabor = QStringLiteral("25.5");
    sheet.AraNotes = QStringLiteral("Move the furniture to the middle of the room and cover it; "
                                    "the owner asks for low-odour paint.");
    return sheet;
}

// A priced document of `sheets` sheets, as the editor holds it.
CurrentDocument Document(int sheets)
{
    AppState& state = State();
    CurrentDocument document;
    document.Header.IsNew = true;
    LoadDocument(document, state.companySettings);
    document.Header.InvName = QStringLiteral("Invoice");
    document.Header.InvDate = QStringLiteral("3/14/2011");
    document.Header.CustFullName = QStringLiteral("Jane Doe");
    document.Header.CustDiscountPercent = 5;
    document.Header.UseTax1 = document.Header.UseTax2 = true;
    document.Header.PaidInFull = true;
    document.Notes = QStringLiteral("Thank you for your business.\r\nPayment due on completion.");
    for (int i = 0; i < sheets; ++i)
        document.WorkSheets.push_back(Sheet(i));
    ComputeTotals(document, state.companySettings);
    return document;
}

// 10,000 saved documents of six sheets, written as SaveDocument writes them but in one
// transaction, so the set-up takes seconds. Made once, before the first benchmark's loop.
void FillDatabase()
{
    static bool filled = false;
    if (filled)
        return;
    filled = true;
    BenchEnvironment::freshDatabase();
    AppState& state = State();
    LoadCompanySettings(state.companySettings);
    CurrentDocument document = Document(kSheetsPerSavedDocument);
    int first = ReadDocumentCounter();

    Connection db = OpenDatabase();
    Transaction transaction(db);
    Statement& header = db.prepare(QStringLiteral(
        "INSERT INTO tblInvHeader(strInvName,intInvNumber,strInvDate,strFromInvNameNumber,"
        "strRecurring,strPaidInFull,intInvFootNotes,strCustCmpnyName,strCustFullName,"
        "strCustAddress,strCustCtyStZp,strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,"
        "strCustTaxExemptNum,strCustPONumber,strCustPymntTerms,strCustNotes,"
        "intCustDiscountPercent,strCustTaxExempt,strUseTax1,strUseTax2,strUseTax3,dbTaxRate1,"
        "dbTaxRate2,dbTaxRate3,strInvNotes,dbPaidAmount,dbDepositAmount,strInvTotal)"
        "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);"));
    Statement& sheet = db.prepare(QStringLiteral(
        "INSERT INTO tblInvData(intInvNumber,strWorkSheetName,intIntExt,intAreaWorkOn,"
        "intPaintsCoats,intTrimCoats,intAreaLength,intAreaWidth,intAreaHeight,intAreaMultiplier,"
        "intPrime,intWash,intSand,intCaulk,intMask,intNumOfDoors,intNumOfDoorFrmTrm,"
        "intNumOfWindowFrmTrm,intNumOfClosets,intHngWallpaper,intRmvWallpaper,intHngBoarder,"
        "intRmvBorder,strExtraChargesName,strExtraChargesLabor,strExtraChargesMaterial,strAraNotes)"
        "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);"));
    Statement& price = db.prepare(QStringLiteral(
        "INSERT INTO tblSavedPrices(intPrcItemNumID,intPrcItemInvNum,dbLbrPrc,dbMatPrc)VALUES(?,?,?,?);"));
    const TrecInvHeader& h = document.Header;
    for (int n = first; n < first + kSavedDocuments; ++n) {
        header.reset();
        header.bindAll({h.InvName, n, h.InvDate, QString(), false, true, 0, QStringLiteral("Company"),
                        h.CustFullName, QStringLiteral("123 Street"), QStringLiteral("City, ST 12345"),
                        QStringLiteral("555-0100"), QString(), QString(), QString(), QString(),
                        QStringLiteral("Due upon receipt"), QString(), h.CustDiscountPercent, false,
                        true, true, false, h.TaxRate1, h.TaxRate2, h.TaxRate3, document.Notes, 0.0,
                        0.0, h.InvTotal});
        header.step();
        for (const WorkSheet& s : document.WorkSheets) {
            sheet.reset();
            sheet.bindAll({n, s.WorkSheetName, s.IntExt, s.AreaWorkOn, s.PaintsCoats, s.TrimCoats,
                           s.AreaLength, s.AreaWidth, s.AreaHeight, s.AreaMultiplier, s.Prime, s.Wash,
                           s.Sand, s.Caulk, s.Mask, s.NumOfDoors, s.NumOfDoorFrmTrm,
                           s.NumOfWindowFrmTrm, s.NumOfClosets, s.HngWallpaper, s.RmvWallpaper,
                           s.HngBoarder, s.RmvBorder, s.ExtraChargesName, s.ExtraChargesLabor,
                           s.ExtraChargesMaterial, s.AraNotes});
            sheet.step();
        }
        for (int item = 1; item <= PriceTable::ItemCount; ++item) {
            price.reset();
            price.bindAll({item, n, document.Prices.labor(item), document.Prices.material(item)});
            price.step();
        }
    }
    db.exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = ? WHERE intCompInvDataID = 1;"),
            {first + kSavedDocuments});
    transaction.commit();
    db.vacuum();
}

// A saved document in the middle of the table.
constexpr int kSavedNumber = 500 + kSavedDocuments / 2;

} // namespace

static void BM_ComputeTotals(benchmark::State& state)
{
    FillDatabase();
    CurrentDocument document = Document(int(state.range(0)));
    for (auto _ : state) {
        ComputeTotals(document, State().companySettings);
        benchmark::DoNotOptimize(document.Header.TotalAmount);
    }
}
BENCHMARK(BM_ComputeTotals)->Arg(MaxWorkSheets)->Unit(benchmark::kMicrosecond);

// A new 70-sheet document: insert, counter, sheets, frozen prices, monthly totals.
static void BM_SaveDocument_New(benchmark::State& state)
{
    FillDatabase();
    const CurrentDocument prepared = Document(MaxWorkSheets);
    for (auto _ : state) {
        state.PauseTiming();
        CurrentDocument document = prepared;
        document.Header.InvNumber = ReadDocumentCounter();
        state.ResumeTiming();
        SaveDocument(document);
    }
}
BENCHMARK(BM_SaveDocument_New)->Unit(benchmark::kMillisecond);

// A re-save of a saved 70-sheet document: update, replace sheets and prices, return the
// freed pages.
static void BM_SaveDocument_Resave(benchmark::State& state)
{
    FillDatabase();
    CurrentDocument document = Document(MaxWorkSheets);
    SaveDocument(document);
    TakeSnapshot(document);
    for (auto _ : state) {
        SaveDocument(document);
        TakeSnapshot(document);
    }
}
BENCHMARK(BM_SaveDocument_Resave)->Unit(benchmark::kMillisecond);

// What the VACUUM after a re-save costs on its own.
static void BM_Vacuum(benchmark::State& state)
{
    FillDatabase();
    for (auto _ : state) {
        Connection db = OpenDatabase();
        db.vacuum();
    }
}
BENCHMARK(BM_Vacuum)->Unit(benchmark::kMillisecond);

// What the same re-save cost when every delete was followed by a VACUUM of the whole
// file (a database without auto-vacuum, as files were made before).
static void BM_SaveDocument_Resave_WholeFileVacuum(benchmark::State& state)
{
    FillDatabase();
    {
        Connection db = OpenDatabase();
        db.exec(QStringLiteral("PRAGMA auto_vacuum = NONE;"));
        db.vacuum();
    }
    CurrentDocument document = Document(MaxWorkSheets);
    SaveDocument(document);
    TakeSnapshot(document);
    for (auto _ : state) {
        SaveDocument(document);
        Connection db = OpenDatabase();
        db.vacuum();
        TakeSnapshot(document);
    }
    // The benchmarks after this one find the file as the program makes it.
    if (!EnableIncrementalCompaction(DatabasePath()))
        state.SkipWithError("the file could not be converted back");
}
BENCHMARK(BM_SaveDocument_Resave_WholeFileVacuum)->Unit(benchmark::kMillisecond);

// The file after 1,000 re-saves of a 70-sheet document: the freed pages go back, so it
// does not grow.
static void BM_ResaveFileSize(benchmark::State& state)
{
    FillDatabase();
    CurrentDocument document = Document(MaxWorkSheets);
    SaveDocument(document);
    TakeSnapshot(document);
    const qint64 before = QFileInfo(DatabasePath()).size();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            SaveDocument(document);
            TakeSnapshot(document);
        }
    }
    Connection db = OpenDatabase();
    state.counters["MB_before"] = double(before) / 1e6;
    state.counters["MB_after"] = double(QFileInfo(DatabasePath()).size()) / 1e6;
    state.counters["free_pages"] = double(db.exec(QStringLiteral("PRAGMA freelist_count;")).columnInt(0));
}
BENCHMARK(BM_ResaveFileSize)->Iterations(1)->Unit(benchmark::kSecond);

// Loading a saved six-sheet document (header, sheets, frozen prices, totals, snapshot).
static void BM_LoadDocument(benchmark::State& state)
{
    FillDatabase();
    CurrentDocument document;
    for (auto _ : state) {
        document.Header.IsNew = false;
        document.Header.InvNumber = kSavedNumber;
        LoadDocument(document, State().companySettings);
        benchmark::DoNotOptimize(document.Header.TotalAmount);
    }
    if (document.WorkSheets.size() != kSheetsPerSavedDocument)
        state.SkipWithError("the saved document did not load");
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);

// The description of a 70-sheet document: range 0 wraps at 90 characters, 1 measures
// every line in an 8-point Arial as the printed column does.
static void BM_BuildDescription(benchmark::State& state)
{
    FillDatabase();
    CurrentDocument document = Document(MaxWorkSheets);
    const QFontMetricsF metrics(QFont(QStringLiteral("Arial"), 8));
    const DescriptionWrap wrap = state.range(0) == 0
        ? DescriptionWrap::Characters(90)
        : DescriptionWrap::Measured([&metrics](const QString& s) { return metrics.horizontalAdvance(s); },
                                    650);
    for (auto _ : state) {
        BuildDescription(document, State().companySettings, wrap);
        benchmark::DoNotOptimize(document.Description.size());
    }
    state.counters["lines"] = double(document.Description.size());
}
BENCHMARK(BM_BuildDescription)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

VELMAR_BENCH_MAIN()
