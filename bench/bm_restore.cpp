#include "app/AppPaths.h"
#include "app/CompanyDatabaseCheck.h"
#include "data/Database.h"
#include "support/BenchEnvironment.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSavedDocuments = 10000;

// A database of 10,000 saved documents with six work sheets and 27 frozen prices each,
// made once with set-based inserts.
void FillDatabase()
{
    static bool filled = false;
    if (filled)
        return;
    filled = true;
    BenchEnvironment::freshDatabase();
    Connection db = OpenDatabase();
    Transaction transaction(db);
    db.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < ? - 1) "
                "INSERT INTO tblInvHeader(strInvName,intInvNumber,strInvDate,strFromInvNameNumber,strRecurring,"
                "strPaidInFull,intInvFootNotes,strCustCmpnyName,strCustFullName,strCustAddress,strCustCtyStZp,"
                "strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,strCustTaxExemptNum,strCustPONumber,"
                "strCustPymntTerms,strCustNotes,intCustDiscountPercent,strCustTaxExempt,strUseTax1,strUseTax2,"
                "strUseTax3,dbTaxRate1,dbTaxRate2,dbTaxRate3,strInvNotes,dbPaidAmount,dbDepositAmount,strInvTotal) "
                "SELECT 'Invoice', 500 + i, '3/14/2011', '', '0', '-1', 0, 'Company', 'Jane Doe', '123 Street', "
                "'City, ST 12345', '555-0100', '', '', '', '', 'Due upon receipt', '', 5, '0', '-1', '-1', '0', "
                "0.0123, 0.05, 0, 'Thank you for your business.' || char(13, 10) || 'Payment due on completion.', "
                "0, 0, '$1,234.56' FROM n;"),
            {kSavedDocuments});
    db.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < ? * 6 - 1) "
                "INSERT INTO tblInvData(intInvNumber,strWorkSheetName,intIntExt,intAreaWorkOn,intPaintsCoats,"
                "intTrimCoats,intAreaLength,intAreaWidth,intAreaHeight,intAreaMultiplier,intPrime,intWash,intSand,"
                "intCaulk,intMask,intNumOfDoors,intNumOfDoorFrmTrm,intNumOfWindowFrmTrm,intNumOfClosets,"
                "intHngWallpaper,intRmvWallpaper,intHngBoarder,intRmvBorder,strExtraChargesName,"
                "strExtraChargesLabor,strExtraChargesMaterial,strAraNotes) "
                "SELECT 500 + i / 6, 'Work Sheet ' || (i % 6 + 1), i % 2, i % 5, 2, 1, 12, 10, 8, 1, 0, -1, 0, -1, 0, "
                "1, 1, 2, 0, 0, 0, 0, 0, 'Scaffold rental and hauling', '25.5', '', "
                "'Move the furniture to the middle of the room and cover it.' FROM n;"),
            {kSavedDocuments});
    db.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < ? * 27 - 1) "
                "INSERT INTO tblSavedPrices(intPrcItemNumID,intPrcItemInvNum,dbLbrPrc,dbMatPrc) "
                "SELECT i % 27 + 1, 500 + i / 27, 0.35, 0.12 FROM n;"),
            {kSavedDocuments});
    db.exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = ? WHERE intCompInvDataID = 1;"),
            {500 + kSavedDocuments});
    transaction.commit();
}

} // namespace

// Everything a restore proves about its candidate before it replaces the database.
static void BM_RestoreCheck(benchmark::State& state)
{
    FillDatabase();
    const QString path = DatabasePath();
    for (auto _ : state) {
        const CandidateCheck check = CheckRestoreCandidate(path);
        if (!check.ok())
            state.SkipWithError("the candidate was refused");
        benchmark::DoNotOptimize(check.fault);
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_RestoreCheck)->Unit(benchmark::kMillisecond);

VELMAR_BENCH_MAIN()
