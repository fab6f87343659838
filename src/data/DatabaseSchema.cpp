#include "data/DatabaseSchema.h"

// The table statements are stored verbatim in sqlite_master; keep them byte for byte.
const std::vector<TableDefinition>& DatabaseTables()
{
    static const std::vector<TableDefinition> tables = {
        {QStringLiteral("tblAppPreferences"),
         QStringLiteral(R"sql(CREATE TABLE tblAppPreferences (intAppPreferencesIdNumber INTEGER,strFrmMainMaximized TEXT,strFrmInvoiceMaximized TEXT,strPlannerShow TEXT,strFrmPrintPreviewMaximized TEXT,strFrmMainRibbonMinimized TEXT,strFrmCompanyInfoRibbonMinimized TEXT,strFrmCustomerRibbonMinimized TEXT,strFrmPriceRibbonMinimized TEXT,strFrmInvoiceRibbonMinimized TEXT,strFrmInvMaintRibbonMinimized TEXT,strFrmReportRibbonMinimized TEXT,strFrmTextWriterRibbonMinimized TEXT,strFrmPrntPreviewRibbonMinimized TEXT);)sql")},
        {QStringLiteral("tblCustomers"),
         QStringLiteral(R"sql(CREATE TABLE tblCustomers(intCustomerID INTEGER PRIMARY KEY,strCustFirstName TEXT,strCustLastName TEXT,strCustCompany TEXT,strCustAddress TEXT,strCustCity TEXT,strCustState TEXT,strCustZipCode TEXT,strCustMainPhone TEXT,strCustExtraPhone1 TEXT,strCustExtraPhone2 TEXT,strCustExtraPhone1Name TEXT,strCustExtraPhone2Name TEXT,intCustDiscount INTEGER,strCustTaxExmpt TEXT,strCustTaxExmpNmbr TEXT,strCustPmtTerms TEXT,strCustNotes TEXT);)sql")},
        {QStringLiteral("tblCompanyInfo"),
         QStringLiteral(R"sql(CREATE TABLE tblCompanyInfo(intCompInfoID INTEGER,strCompName TEXT,strCompAddress TEXT,strCompCity TEXT,strCompState TEXT,strCompZip TEXT,strCompMainPhone TEXT,strCompExtraPhone1 TEXT,strCompExtraPhone2 TEXT,strCompExtraPhone1Name TEXT,strCompExtraPhone2Name TEXT,strCompEmail TEXT,strCompWebSite TEXT,strCompLicNum1 TEXT,strCompLicName1 TEXT,strCompLicNum2 TEXT,strCompLicName2 TEXT,strCompLicNum3 TEXT,strCompLicName3 TEXT);)sql")},
        {QStringLiteral("tblCompanyInvData"),
         QStringLiteral(R"sql(CREATE TABLE tblCompanyInvData(intCompInvDataID INTEGER,dbTaxRate1 REAL,dbTaxRate2 REAL,dbTaxRate3 REAL,strTaxName1 TEXT,strTaxName2 TEXT,strTaxName3 TEXT,intTaxOn INTEGER,intInvNumber INTEGER,strInvTerms1 TEXT,strInvTerms2 TEXT,strInvTerms3 TEXT,strInvTerms4 TEXT,strInvTerms5 TEXT,strInvTerms6 TEXT,strInvTerms7 TEXT,strInvTerms8 TEXT,strInvTerms9 TEXT,strInvTerms10 TEXT,intNumEstDays INTEGER,strInvFootNote1 TEXT,strInvFootNote2 TEXT,strInvFootNote3 TEXT,strAcceptanceInfo TEXT,intAccptColorRed INTEGER,intAccptColorGreen INTEGER,intAccptColorBlue INTEGER,intDepPercent INTEGER,strLargeLogo TEXT,strShowQuantity TEXT,strShowPrcEach TEXT,strShowTotal TEXT,strShowTotalonWO TEXT,strShowWorkSheetInfo TEXT,strShowSurfacePrep TEXT,strShowWorkSheetAddons TEXT,strShowWallpaper TEXT,strShowExtraCharges TEXT);)sql")},
        {QStringLiteral("tblContractWarranty"),
         QStringLiteral(R"sql(CREATE TABLE tblContractWarranty(intContractWarrantyID INTEGER,strContractName TEXT,strWarrantyName TEXT,strContract BLOB,strWarranty BLOB);)sql")},
        {QStringLiteral("tblCompColorData"),
         QStringLiteral(R"sql(CREATE TABLE tblCompColorData(intColorID INTEGER,intEstColorRed INTEGER,intEstColorGreen INTEGER,intEstColorBlue INTEGER,intWrkOrderColorRed INTEGER,intWrkOrderColorGreen INTEGER,intWrkOrderColorBlue INTEGER,intChngOrderColorRed INTEGER,intChngOrderColorGreen INTEGER,intChngOrderColorBlue INTEGER,intInvColorRed INTEGER,intInvColorGreen INTEGER,intInvColorBlue INTEGER,intCrdtColorRed INTEGER,intCrdtColorGreen INTEGER,intCrdtColorBlue INTEGER,intPstDueColorRed INTEGER,intPstDueColorGreen INTEGER,intPstDueColorBlue INTEGER);)sql")},
        {QStringLiteral("tblInvHeader"),
         QStringLiteral(R"sql(CREATE TABLE tblInvHeader(intInvDataHeaderID INTEGER PRIMARY KEY,strInvName TEXT,intInvNumber INTEGER,strInvDate TEXT,strFromInvNameNumber TEXT,strRecurring TEXT,strPaidInFull TEXT,intInvFootNotes INTEGER,strCustCmpnyName TEXT,strCustFullName TEXT,strCustAddress TEXT,strCustCtyStZp TEXT,strCustMainPhone TEXT,strCustExtraPhone1 TEXT,strCustExtraPhone2 TEXT,strCustTaxExemptNum TEXT,strCustPONumber TEXT,strCustPymntTerms TEXT,strCustNotes TEXT,intCustDiscountPercent INTEGER,strCustTaxExempt TEXT,strUseTax1 TEXT,strUseTax2 TEXT,strUseTax3 TEXT,dbTaxRate1 REAL,dbTaxRate2 REAL,dbTaxRate3 REAL,strInvNotes BLOB,dbPaidAmount REAL,dbDepositAmount REAL,strInvTotal TEXT);)sql")},
        {QStringLiteral("tblInvData"),
         QStringLiteral(R"sql(CREATE TABLE tblInvData(intInvDataID INTEGER PRIMARY KEY,intInvNumber INTEGER,strWorkSheetName TEXT,intIntExt INTEGER,intAreaWorkOn INTEGER,intPaintsCoats INTEGER,intTrimCoats INTEGER,intAreaLength INTEGER,intAreaWidth INTEGER,intAreaHeight INTEGER,intAreaMultiplier INTEGER,intPrime INTEGER,intWash INTEGER,intSand INTEGER,intCaulk INTEGER,intMask INTEGER,intNumOfDoors INTEGER,intNumOfDoorFrmTrm INTEGER,intNumOfWindowFrmTrm INTEGER,intNumOfClosets INTEGER,intHngWallpaper INTEGER,intRmvWallpaper INTEGER,intHngBoarder INTEGER,intRmvBorder INTEGER,strExtraChargesName TEXT,strExtraChargesLabor TEXT,strExtraChargesMaterial TEXT,strAraNotes TEXT);)sql")},
        {QStringLiteral("tblReport"),
         QStringLiteral(R"sql(CREATE TABLE tblReport(intReportID INTEGER PRIMARY KEY,intReportYear INTEGER,intReportMonth INTEGER,dbLbrTax1Total REAL,dbLbrTax2Total REAL,dbLbrTax3Total REAL,dbMatTax1Total REAL,dbMatTax2Total REAL,dbMatTax3Total REAL,dbLbrTotal REAL,dbMatTotal REAL);)sql")},
        {QStringLiteral("tblRecurring"),
         QStringLiteral(R"sql(CREATE TABLE tblRecurring(intRecurringID INTEGER,strLastPrintedDate TEXT);)sql")},
        {QStringLiteral("tblSavedPrices"),
         QStringLiteral(R"sql(CREATE TABLE tblSavedPrices(intPrcItemNumID INTEGER,intPrcItemInvNum INTEGER,dbLbrPrc REAL,dbMatPrc REAL);)sql")},
        {QStringLiteral("tblPrices"),
         QStringLiteral(R"sql(CREATE TABLE tblPrices(intPrcItemNumID INTEGER,strPrcItemName TEXT,dbLbrPrc REAL,dbMatPrc REAL);)sql")},
        {QStringLiteral("tblPlannerSettings"),
         QStringLiteral(R"sql(CREATE TABLE tblPlannerSettings(intPlannerSettingsID INTEGER PRIMARY KEY,intActColorRed INTEGER,intActColorGreen INTEGER,intActColorBlue INTEGER,intWkndColorRed INTEGER,intWkndColorGreen INTEGER,intWkndColorBlue INTEGER,intPriorityColorRed INTEGER,intPriorityColorGreen INTEGER,intPriorityColorBlue INTEGER,intRemoveActivity INTEGER,intDefaultPlanner INTEGER);)sql")},
        {QStringLiteral("tblPlanner"),
         QStringLiteral(R"sql(CREATE TABLE tblPlanner(intActID INTEGER PRIMARY KEY,intActMasterID INTEGER,intActYear INTEGER,intActDayOfYear INTEGER,strActStartDateTime TEXT,strActEndDateTime TEXT,strActivity TEXT,strActPriority TEXT,strActNote TEXT);)sql")},
    };
    return tables;
}
