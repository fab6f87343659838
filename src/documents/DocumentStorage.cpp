#include "documents/DocumentStorage.h"

#include "data/CompanySettings.h"
#include "data/Compaction.h"
#include "data/Database.h"
#include "data/StoredReal.h"
#include "documents/Totals.h"

#include <QHash>
#include <QSet>
#include <sqlite3.h>

namespace {

int ReadWholeNumber(const Statement& row, int column)
{
    const QString text = row.columnText(column);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

int ReadCounter(Connection& db)
{
    Statement& row = db.exec(QStringLiteral(
        "SELECT intInvNumber FROM tblCompanyInvData WHERE intCompInvDataID = 1;"));
    const int value = int(row.columnInt(0));
    row.reset();
    return value;
}

void AdvanceCounter(Connection& db)
{
    const int value = ReadCounter(db);
    db.exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = ? WHERE intCompInvDataID = 1;"),
            {value + 1});
}

// Replaces the frozen prices; returns whether the delete removed rows.
bool WritePriceTable(Connection& db, const PriceTable& prices, int invNumber)
{
    db.exec(QStringLiteral("DELETE FROM tblSavedPrices WHERE intPrcItemInvNum = ?"), {invNumber});
    const bool removed = sqlite3_changes(db.handle()) > 0;
    Statement& insert = db.prepare(QStringLiteral(
        "INSERT INTO tblSavedPrices(intPrcItemNumID,intPrcItemInvNum,dbLbrPrc,dbMatPrc)"
        "VALUES(?,?,?,?);"));
    for (int n = 1; n <= PriceTable::ItemCount; ++n) {
        insert.reset();
        insert.bindAll({n, invNumber, StoredReal(prices.labor(n)), StoredReal(prices.material(n))});
        insert.step();
    }
    return removed;
}

std::vector<QVariant> HeaderValues(const TrecInvHeader& h, const QString& notes)
{
    return {
        h.InvName,          h.InvNumber,        h.InvDate,          h.FromInvNameNumber,
        h.Recurring,        h.PaidInFull,       h.InvFootNotes,     h.CustCmpnyName,
        h.CustFullName,     h.CustAddress,      h.CustCtyStZp,      h.CustMainPhone,
        h.CustExtraPhone1,  h.CustExtraPhone2,  h.CustTaxExemptNum, h.CustPONumber,
        h.CustPymntTerms,   h.CustNotes,        h.CustDiscountPercent, h.CustTaxExempt,
        h.UseTax1,          h.UseTax2,          h.UseTax3,          StoredReal(h.TaxRate1),
        StoredReal(h.TaxRate2), StoredReal(h.TaxRate3), notes,      StoredReal(h.PaidAmount),
        StoredReal(h.DepositAmount), h.InvTotal,
    };
}

const QString kInsertHeader = QStringLiteral(
    "INSERT INTO tblInvHeader(strInvName,intInvNumber,strInvDate,strFromInvNameNumber,"
    "strRecurring,strPaidInFull,intInvFootNotes,strCustCmpnyName,strCustFullName,"
    "strCustAddress,strCustCtyStZp,strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,"
    "strCustTaxExemptNum,strCustPONumber,strCustPymntTerms,strCustNotes,"
    "intCustDiscountPercent,strCustTaxExempt,strUseTax1,strUseTax2 ,strUseTax3,dbTaxRate1,"
    "dbTaxRate2,dbTaxRate3,strInvNotes,dbPaidAmount,dbDepositAmount,strInvTotal)"
    "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);");

const QString kUpdateHeader = QStringLiteral(
    "UPDATE tblInvHeader SET strInvName = ?,intInvNumber = ?,strInvDate = ?,"
    "strFromInvNameNumber = ?,strRecurring = ?,strPaidInFull = ?,intInvFootNotes = ?,"
    "strCustCmpnyName = ?,strCustFullName = ?,strCustAddress = ?,strCustCtyStZp = ?,"
    "strCustMainPhone = ?,strCustExtraPhone1 = ?,strCustExtraPhone2 = ?,"
    "strCustTaxExemptNum = ?,strCustPONumber = ?,strCustPymntTerms = ?,strCustNotes = ?,"
    "intCustDiscountPercent = ?,strCustTaxExempt = ?,strUseTax1 = ?,strUseTax2 = ?,"
    "strUseTax3 = ?,dbTaxRate1 = ?,dbTaxRate2 = ?,dbTaxRate3 = ?,strInvNotes = ?,"
    "dbPaidAmount = ?,dbDepositAmount = ?,strInvTotal = ? WHERE intInvNumber = ?;");

const QString kInsertSheet = QStringLiteral(
    "INSERT INTO tblInvData(intInvNumber,strWorkSheetName,intIntExt,intAreaWorkOn,"
    "intPaintsCoats,intTrimCoats,intAreaLength,intAreaWidth,intAreaHeight,intAreaMultiplier,"
    "intPrime,intWash,intSand,intCaulk,intMask,intNumOfDoors,intNumOfDoorFrmTrm,"
    "intNumOfWindowFrmTrm,intNumOfClosets,intHngWallpaper,intRmvWallpaper,intHngBoarder,"
    "intRmvBorder,strExtraChargesName,strExtraChargesLabor,strExtraChargesMaterial,strAraNotes)"
    "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);");

const QString kSelectHeader = QStringLiteral(
    "SELECT strInvName,intInvNumber,strInvDate,strFromInvNameNumber,strRecurring,"
    "strPaidInFull,intInvFootNotes,strCustCmpnyName,strCustFullName,strCustAddress,"
    "strCustCtyStZp,strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,"
    "strCustTaxExemptNum,strCustPONumber,strCustPymntTerms,strCustNotes,"
    "intCustDiscountPercent,strCustTaxExempt,strUseTax1,strUseTax2,strUseTax3,dbTaxRate1,"
    "dbTaxRate2,dbTaxRate3,strInvNotes,dbPaidAmount,dbDepositAmount,strInvTotal "
    "FROM tblInvHeader WHERE intInvNumber = ?;");

const QString kSelectSheets = QStringLiteral(
    "SELECT strWorkSheetName,intIntExt,intAreaWorkOn,intPaintsCoats,intTrimCoats,"
    "intAreaLength,intAreaWidth,intAreaHeight,intAreaMultiplier,intPrime,intWash,intSand,"
    "intCaulk,intMask,intNumOfDoors,intNumOfDoorFrmTrm,intNumOfWindowFrmTrm,intNumOfClosets,"
    "intHngWallpaper,intRmvWallpaper,intHngBoarder,intRmvBorder,strExtraChargesName,"
    "strExtraChargesLabor,strExtraChargesMaterial,strAraNotes FROM tblInvData "
    "WHERE intInvNumber = ?;");

void ReadPrices(Connection& db, PriceTable& prices, bool isNew, int invNumber)
{
    Statement& rows = isNew
        ? db.prepare(QStringLiteral("SELECT intPrcItemNumID, dbLbrPrc, dbMatPrc FROM tblPrices;"))
        : db.prepare(QStringLiteral("SELECT intPrcItemNumID, dbLbrPrc, dbMatPrc FROM tblSavedPrices "
                                    "WHERE intPrcItemInvNum = ?;"));
    if (!isNew)
        rows.bind(1, invNumber);
    while (rows.next()) {
        const qint64 item = rows.columnInt(0);
        if (item < 1 || item > PriceTable::ItemCount)
            continue;
        prices.set(int(item), rows.columnReal(1), rows.columnReal(2));
    }
}

} // namespace

int ReadDocumentCounter()
{
    Connection db = OpenDatabase();
    return ReadCounter(db);
}

void AdvanceDocumentCounter()
{
    Connection db = OpenDatabase();
    AdvanceCounter(db);
}

void LoadPriceTable(PriceTable& prices, bool isNew, int invNumber)
{
    Connection db = OpenDatabase();
    ReadPrices(db, prices, isNew, invNumber);
}

void LoadPriceTable(CurrentDocument& document)
{
    LoadPriceTable(document.Prices, document.Header.IsNew, document.Header.InvNumber);
}

void SavePriceTable(const PriceTable& prices, int invNumber)
{
    if (invNumber <= 0)
        return;
    Connection db = OpenDatabase();
    Transaction transaction(db);
    const bool removed = WritePriceTable(db, prices, invNumber);
    transaction.commit();
    if (removed)
        CompactAfterCommit(db);
}

void SavePriceTable(const CurrentDocument& document)
{
    SavePriceTable(document.Prices, document.Header.InvNumber);
}

void LoadDocument(CurrentDocument& document, const CompanySettings& settings)
{
    // Built aside and moved in at the end, so a load that fails leaves the document as
    // it was. The price table starts from the current one: items without a row keep
    // their values.
    CurrentDocument loaded;
    loaded.Prices = document.Prices;
    const bool isNew = document.Header.IsNew;
    const int number = document.Header.InvNumber;

    Connection db = OpenDatabase();
    ReadPrices(db, loaded.Prices, isNew, number); // 1.

    TrecInvHeader& h = loaded.Header;
    if (isNew) { // 2.
        h = TrecInvHeader();
        h.IsNew = true;
        h.InvNumber = ReadCounter(db);
        h.TaxRate1 = settings.InvData.TaxRates[0];
        h.TaxRate2 = settings.InvData.TaxRates[1];
        h.TaxRate3 = settings.InvData.TaxRates[2];
        document = std::move(loaded);
        return;
    }

    // 3.
    Statement& row = db.exec(kSelectHeader, {number});
    h.IsNew = false;
    // A saved document is never a blank form: the runs that load one save with progress
    // and print its amounts, whatever the blank forms left behind.
    h.BlankForm = false;
    h.InvNumber = number;
    h.InvName = row.columnText(0);
    h.InvDate = row.columnText(2);
    h.FromInvNameNumber = row.columnText(3);
    h.Recurring = row.columnFlag(4);
    h.PaidInFull = row.columnFlag(5);
    h.InvFootNotes = int(row.columnInt(6));
    h.CustCmpnyName = row.columnText(7);
    h.CustFullName = row.columnText(8);
    h.CustAddress = row.columnText(9);
    h.CustCtyStZp = row.columnText(10);
    h.CustMainPhone = row.columnText(11);
    h.CustExtraPhone1 = row.columnText(12);
    h.CustExtraPhone2 = row.columnText(13);
    h.CustTaxExemptNum = row.columnText(14);
    h.CustPONumber = row.columnText(15);
    h.CustPymntTerms = row.columnText(16);
    h.CustNotes = row.columnText(17);
    h.CustDiscountPercent = int(row.columnInt(18));
    h.CustTaxExempt = row.columnFlag(19);
    h.UseTax1 = row.columnFlag(20);
    h.UseTax2 = row.columnFlag(21);
    h.UseTax3 = row.columnFlag(22);
    h.TaxRate1 = row.columnReal(23);
    h.TaxRate2 = row.columnReal(24);
    h.TaxRate3 = row.columnReal(25);
    loaded.Notes = row.columnText(26);
    h.PaidAmount = row.columnReal(27);
    h.DepositAmount = row.columnReal(28);
    h.InvTotal = row.columnText(29);
    h.AddSignatureLine = false;
    h.PrintContract = false;
    h.PrintWarranty = false;
    row.reset();

    // 4.
    Statement& sheets = db.prepare(kSelectSheets);
    sheets.bind(1, number);
    while (sheets.next()) {
        WorkSheet s;
        s.WorkSheetName = sheets.columnText(0);
        s.IntExt = ReadWholeNumber(sheets, 1);
        s.AreaWorkOn = ReadWholeNumber(sheets, 2);
        s.PaintsCoats = ReadWholeNumber(sheets, 3);
        s.TrimCoats = ReadWholeNumber(sheets, 4);
        s.AreaLength = ReadWholeNumber(sheets, 5);
        s.AreaWidth = ReadWholeNumber(sheets, 6);
        s.AreaHeight = ReadWholeNumber(sheets, 7);
        s.AreaMultiplier = ReadWholeNumber(sheets, 8);
        s.Prime = ReadWholeNumber(sheets, 9);
        s.Wash = ReadWholeNumber(sheets, 10);
        s.Sand = ReadWholeNumber(sheets, 11);
        s.Caulk = ReadWholeNumber(sheets, 12);
        s.Mask = ReadWholeNumber(sheets, 13);
        s.NumOfDoors = ReadWholeNumber(sheets, 14);
        s.NumOfDoorFrmTrm = ReadWholeNumber(sheets, 15);
        s.NumOfWindowFrmTrm = ReadWholeNumber(sheets, 16);
        s.NumOfClosets = ReadWholeNumber(sheets, 17);
        s.HngWallpaper = ReadWholeNumber(sheets, 18);
        s.RmvWallpaper = ReadWholeNumber(sheets, 19);
        s.HngBoarder = ReadWholeNumber(sheets, 20);
        s.RmvBorder = ReadWholeNumber(sheets, 21);
        s.ExtraChargesName = sheets.columnText(22);
        s.ExtraChargesLabor = sheets.columnText(23);
        s.ExtraChargesMaterial = sheets.columnText(24);
        s.AraNotes = sheets.columnText(25);
        loaded.WorkSheets.push_back(std::move(s));
    }
    db.close();

    ComputeTotals(loaded, settings); // 5.
    TakeSnapshot(loaded);            // 6.
    document = std::move(loaded);
}

QString SavingCaption(const TrecInvHeader& header)
{
    return QStringLiteral("Saving ") + header.InvName + QLatin1Char(' ')
        + QString::number(header.InvNumber) + QStringLiteral("...");
}

void SaveDocument(CurrentDocument& document, const SaveHooks& hooks)
{
    TrecInvHeader& header = document.Header;
    const bool paidInFullBefore = header.PaidInFull;
    bool removed = false;
    Connection db = OpenDatabase();
    try {
        Transaction transaction(db);
        FoldIntoMonthlyTotals(db, document); // 1.
        if (!header.BlankForm && hooks.showProgress) // 2.
            hooks.showProgress(SavingCaption(header));

        const int number = header.InvNumber;
        if (header.IsNew) { // 3.
            // A saved number is never given to a second document, whatever the counter says.
            if (db.exec(QStringLiteral("SELECT count(*) FROM tblInvHeader WHERE intInvNumber = ?;"),
                        {number})
                    .columnInt(0)
                > 0)
                throw VelmarError(QStringLiteral("Document number %1 is already used by a saved "
                                                 "document; this document was not saved")
                                      .arg(number));
            db.exec(kInsertHeader, HeaderValues(header, document.Notes));
            AdvanceCounter(db);
        } else { // 4.
            std::vector<QVariant> values = HeaderValues(header, document.Notes);
            values.push_back(number);
            db.exec(kUpdateHeader, values);
            db.exec(QStringLiteral("DELETE FROM tblInvData WHERE intInvNumber = ?"), {number});
            removed = sqlite3_changes(db.handle()) > 0;
        }

        // 5.
        Statement& insert = db.prepare(kInsertSheet);
        for (const WorkSheet& s : document.WorkSheets) {
            insert.reset();
            insert.bindAll({number, s.WorkSheetName, s.IntExt, s.AreaWorkOn, s.PaintsCoats,
                            s.TrimCoats, s.AreaLength, s.AreaWidth, s.AreaHeight,
                            s.AreaMultiplier, s.Prime, s.Wash, s.Sand, s.Caulk, s.Mask,
                            s.NumOfDoors, s.NumOfDoorFrmTrm, s.NumOfWindowFrmTrm,
                            s.NumOfClosets, s.HngWallpaper, s.RmvWallpaper, s.HngBoarder,
                            s.RmvBorder, s.ExtraChargesName, s.ExtraChargesLabor,
                            s.ExtraChargesMaterial, s.AraNotes});
            insert.step();
        }

        // 6.
        if (!document.WorkSheets.empty() && number > 0)
            removed = WritePriceTable(db, document.Prices, number) || removed;

        transaction.commit();
    } catch (...) {
        header.PaidInFull = paidInFullBefore;
        throw;
    }
    header.IsNew = false;
    if (removed)
        CompactAfterCommit(db);
}

void DeleteDocument(int invNumber)
{
    if (invNumber <= 0)
        return;
    Connection db = OpenDatabase();
    Transaction transaction(db);
    db.exec(QStringLiteral("DELETE FROM tblInvHeader WHERE intInvNumber = ?"), {invNumber});
    db.exec(QStringLiteral("DELETE FROM tblInvData WHERE intInvNumber = ?"), {invNumber});
    transaction.commit();
    CompactAfterCommit(db);
}

void DeleteDocument(const CurrentDocument& document)
{
    DeleteDocument(document.Header.InvNumber);
}

const char* const kDocumentSummaryColumns =
    "intInvNumber,strInvName,strCustFullName,strCustCmpnyName,strInvDate,strInvTotal";

DocumentSummary ReadDocumentSummary(const Statement& row)
{
    DocumentSummary summary;
    summary.InvNumber = int(row.columnInt(0));
    summary.InvName = row.columnText(1);
    summary.CustFullName = row.columnText(2);
    summary.CustCmpnyName = row.columnText(3);
    summary.InvDate = row.columnText(4);
    summary.InvTotal = row.columnText(5);
    return summary;
}

std::vector<DocumentSummary> RecentlySavedDocuments(int count)
{
    std::vector<DocumentSummary> found;
    if (count <= 0)
        return found;
    Connection db = OpenDatabase();
    // Newest sheet rows first: the scan stops as soon as enough documents are named.
    Statement& sheets = db.prepare(QStringLiteral(
        "SELECT intInvNumber FROM tblInvData ORDER BY intInvDataID DESC;"));
    QSet<qint64> seen;
    bool moreSheets = true;
    while (int(found.size()) < count && moreSheets) {
        std::vector<qint64> batch;
        while (int(batch.size()) < count - int(found.size())) {
            moreSheets = sheets.next();
            if (!moreSheets)
                break;
            const qint64 number = sheets.columnInt(0);
            if (!seen.contains(number)) {
                seen.insert(number);
                batch.push_back(number);
            }
        }
        if (batch.empty())
            break;

        // The headers of the whole batch in one pass; sheets left behind by a header
        // that is gone name no document, and the next batch makes up for them.
        QString sql = QStringLiteral("SELECT ") + QLatin1String(kDocumentSummaryColumns)
                      + QStringLiteral(" FROM tblInvHeader WHERE intInvNumber IN (");
        std::vector<QVariant> values;
        for (const qint64 number : batch) {
            sql += values.empty() ? QStringLiteral("?") : QStringLiteral(",?");
            values.emplace_back(number);
        }
        sql += QStringLiteral(");");
        Statement& headers = db.prepare(sql);
        headers.bindAll(values);
        QHash<qint64, DocumentSummary> byNumber;
        while (headers.next()) {
            const qint64 number = headers.columnInt(0);
            if (byNumber.contains(number))
                continue;
            byNumber.insert(number, ReadDocumentSummary(headers));
        }
        headers.reset();
        for (const qint64 number : batch) {
            const auto it = byNumber.constFind(number);
            if (it != byNumber.constEnd())
                found.push_back(*it);
        }
    }
    return found;
}
