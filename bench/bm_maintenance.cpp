#include "app/AppState.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "maintenance/MaintenanceListModel.h"
#include "maintenance/RecurringRun.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "printing/gui/TmodPrintData.h"
#include "support/BenchEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSavedDocuments = 10000;
constexpr int kSheets = 6;
constexpr int kRecurring = 10;

AppState& State()
{
    static AppState state;
    return state;
}

WorkSheet Sheet(int i)
{
    WorkSheet sheet = NewWorkSheet(i + 1);
    sheet.AreaWorkOn = i % 5;
    sheet.PaintsCoats = 1 + i % 3;
    sheet.TrimCoats = i % 2;
    sheet.AreaLength = 10 + i % 7;
    sheet.AreaWidth = 8 + i % 5;
    sheet.AreaHeight = 8;
    sheet.NumOfDoors = i % 3;
    sheet.NumOfWindowFrmTrm = i % 4;
    sheet.ExtraChargesName = QStringLiteral("Scaffold rental");
    sheet.ExtraChargesLabor = QStringLiteral("25.5");
    sheet.AraNotes = QStringLiteral("Move the furniture to the middle of the room and cover it.");
    return sheet;
}

// 10,000 saved documents of six sheets and every kind, ten of them recurring invoices,
// written as SaveDocument writes them but in one transaction.
void FillDatabase()
{
    static bool filled = false;
    if (filled)
        return;
    filled = true;
    BenchEnvironment::freshDatabase();
    AppState& state = State();
    LoadCompanySettings(state.companySettings);

    CurrentDocument document;
    document.Header.IsNew = true;
    LoadDocument(document, state.companySettings);
    for (int i = 0; i < kSheets; ++i)
        document.WorkSheets.push_back(Sheet(i));
    document.Header.InvName = QStringLiteral("Invoice");
    document.Header.UseTax1 = true;
    ComputeTotals(document, state.companySettings);

    static const char* const first[] = {"Jane", "John", "Maria", "Ahmed", "Li", "Olga", "Pat", "Sam"};
    static const char* const last[] = {"Doe", "Smith", "Garcia", "Khan", "Wei", "Ivanova", "O'Brien", "Stone"};
    const int start = ReadDocumentCounter();
    Connection db = OpenDatabase();
    Transaction transaction(db);
    Statement& header = db.prepare(QStringLiteral(
        "INSERT INTO tblInvHeader(strInvName,intInvNumber,strInvDate,strFromInvNameNumber,strRecurring,"
        "strPaidInFull,intInvFootNotes,strCustCmpnyName,strCustFullName,strCustAddress,strCustCtyStZp,"
        "strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,strCustTaxExemptNum,strCustPONumber,"
        "strCustPymntTerms,strCustNotes,intCustDiscountPercent,strCustTaxExempt,strUseTax1,strUseTax2,"
        "strUseTax3,dbTaxRate1,dbTaxRate2,dbTaxRate3,strInvNotes,dbPaidAmount,dbDepositAmount,strInvTotal)"
        "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);"));
    Statement& sheet = db.prepare(QStringLiteral(
        "INSERT INTO tblInvData(intInvNumber,strWorkSheetName,intIntExt,intAreaWorkOn,intPaintsCoats,"
        "intTrimCoats,intAreaLength,intAreaWidth,intAreaHeight,intAreaMultiplier,intPrime,intWash,intSand,"
        "intCaulk,intMask,intNumOfDoors,intNumOfDoorFrmTrm,intNumOfWindowFrmTrm,intNumOfClosets,"
        "intHngWallpaper,intRmvWallpaper,intHngBoarder,intRmvBorder,strExtraChargesName,"
        "strExtraChargesLabor,strExtraChargesMaterial,strAraNotes)"
        "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);"));
    Statement& price = db.prepare(QStringLiteral(
        "INSERT INTO tblSavedPrices(intPrcItemNumID,intPrcItemInvNum,dbLbrPrc,dbMatPrc)VALUES(?,?,?,?);"));
    const TrecInvHeader& h = document.Header;
    for (int i = 0; i < kSavedDocuments; ++i) {
        const int n = start + i;
        const bool recurring = i % (kSavedDocuments / kRecurring) == 7;
        const QString kind = recurring ? QStringLiteral("Invoice") : DocumentType::Name(i % DocumentType::Count);
        const QString name = QString::fromLatin1(first[i % 8]) + QLatin1Char(' ') + QString::fromLatin1(last[(i / 8) % 8])
            + QString::number(i);
        header.reset();
        header.bindAll({kind, n, QStringLiteral("3/14/2011"), QString(), recurring, i % 4 == 0 && !recurring, 0,
                        QStringLiteral("Company %1").arg(i % 500), name, QStringLiteral("123 Street"),
                        QStringLiteral("City, ST 12345"), QStringLiteral("555-0100"), QString(), QString(),
                        QString(), QString(), QStringLiteral("Due upon receipt"), QString(), 0, false, true,
                        false, false, h.TaxRate1, h.TaxRate2, h.TaxRate3, QStringLiteral("Thank you."), 0.0,
                        0.0, h.InvTotal});
        header.step();
        for (const WorkSheet& s : document.WorkSheets) {
            sheet.reset();
            sheet.bindAll({n, s.WorkSheetName, s.IntExt, s.AreaWorkOn, s.PaintsCoats, s.TrimCoats,
                           s.AreaLength, s.AreaWidth, s.AreaHeight, s.AreaMultiplier, s.Prime, s.Wash,
                           s.Sand, s.Caulk, s.Mask, s.NumOfDoors, s.NumOfDoorFrmTrm, s.NumOfWindowFrmTrm,
                           s.NumOfClosets, s.HngWallpaper, s.RmvWallpaper, s.HngBoarder, s.RmvBorder,
                           s.ExtraChargesName, s.ExtraChargesLabor, s.ExtraChargesMaterial, s.AraNotes});
            sheet.step();
        }
        for (int item = 1; item <= PriceTable::ItemCount; ++item) {
            price.reset();
            price.bindAll({item, n, document.Prices.labor(item), document.Prices.material(item)});
            price.step();
        }
    }
    db.exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = ? WHERE intCompInvDataID = 1;"),
            {start + kSavedDocuments});
    transaction.commit();
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
    run.counters["invoices"] = kRecurring;
}
BENCHMARK(BM_RecurringRun)->Unit(benchmark::kMillisecond);

} // namespace

VELMAR_BENCH_MAIN();
