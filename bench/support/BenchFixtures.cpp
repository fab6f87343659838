#include "support/BenchFixtures.h"

#include "app/Regional.h"
#include "data/CompanySettings.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"

namespace BenchFixtures {

namespace {

const QDate kFirstDate(2010, 1, 1);
const int kDays = 730;

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

} // namespace

void SaveDocuments(const CompanySettings& settings)
{
    CurrentDocument document;
    document.Header.IsNew = true;
    LoadDocument(document, settings);
    for (int i = 0; i < kSheetsPerDocument; ++i)
        document.WorkSheets.push_back(Sheet(i));
    document.Header.InvName = QStringLiteral("Invoice");
    document.Header.UseTax1 = true;
    ComputeTotals(document, settings);

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
        const bool recurring = i % (kSavedDocuments / kRecurringInvoices) == 7;
        const QString kind = recurring ? QStringLiteral("Invoice") : DocumentType::Name(i % DocumentType::Count);
        const QString name = QString::fromLatin1(first[i % 8]) + QLatin1Char(' ') + QString::fromLatin1(last[(i / 8) % 8])
            + QString::number(i);
        const QString date = Regional::FormatShortDate(kFirstDate.addDays(qint64(i) * kDays / kSavedDocuments));
        header.reset();
        header.bindAll({kind, n, date, QString(), recurring, i % 4 == 0 && !recurring, 0,
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


void SaveActivities(int rows, const QDate& first, const QDate& last)
{
    Connection db = OpenDatabase();
    Transaction transaction(db);
    db.exec(QStringLiteral("DELETE FROM tblPlanner;"));
    Statement& insert = db.prepare(QStringLiteral(
        "INSERT INTO tblPlanner(intActID,intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,"
        "strActEndDateTime,strActivity,strActPriority,strActNote)VALUES(?,?,?,?,?,?,?,?,?);"));
    const qint64 days = first.daysTo(last) + 1;
    for (int index = 0; index < rows; ++index) {
        const QDate day = first.addDays(qint64(index) * days / rows);
        const QDateTime start = Regional::WallClock(day, QTime(7 + index % 10, 0));
        const qint64 id = index + 1;
        insert.reset();
        insert.bindAll({id, id, day.year(), day.dayOfYear(), Regional::FormatDateTime(start),
                        Regional::FormatDateTime(start.addSecs(3600)),
                        QStringLiteral("Paint the Jones porch, second coat"),
                        index % 7 == 0 ? QStringLiteral("-1") : QStringLiteral("0"), QString()});
        insert.step();
    }
    transaction.commit();
}

} // namespace BenchFixtures
