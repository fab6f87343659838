#include "data/CompanySettings.h"

#include "app/AppPaths.h"
#include "data/Database.h"

#include <QGuiApplication>
#include <QPalette>

ColorValue CombineColor(qint64 red, qint64 green, qint64 blue)
{
    return ColorValue(red & 0xff) + ColorValue(green & 0xff) * 256u + ColorValue(blue & 0xff) * 65536u;
}

int ColorRed(ColorValue color) { return int(color & 0xff); }
int ColorGreen(ColorValue color) { return int((color >> 8) & 0xff); }
int ColorBlue(ColorValue color) { return int((color >> 16) & 0xff); }

QColor ToQColor(ColorValue color)
{
    if (color == kSystemButtonFace)
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

ColorValue FromQColor(const QColor& color)
{
    return CombineColor(color.red(), color.green(), color.blue());
}

namespace {

ColorValue colorAt(const Statement& row, int firstColumn)
{
    return CombineColor(row.columnInt(firstColumn), row.columnInt(firstColumn + 1),
                        row.columnInt(firstColumn + 2));
}

void loadCompanyData(Connection& db, TrecCompanyData& data)
{
    Statement& row = db.prepare(QStringLiteral(
        "SELECT strCompName,strCompAddress,strCompCity,strCompState,strCompZip,strCompMainPhone,"
        "strCompExtraPhone1,strCompExtraPhone2,strCompExtraPhone1Name,strCompExtraPhone2Name,"
        "strCompEmail,strCompWebSite,strCompLicNum1,strCompLicName1, strCompLicNum2,strCompLicName2, "
        "strCompLicNum3,strCompLicName3 FROM tblCompanyInfo WHERE intCompInfoID = 1;"));
    row.step();
    QString* const targets[] = {
        &data.CompName, &data.CompAddress, &data.CompCity, &data.CompState, &data.CompZip,
        &data.CompMainPhone, &data.CompExtraPhone1, &data.CompExtraPhone2,
        &data.CompExtraPhone1Name, &data.CompExtraPhone2Name, &data.CompEmail, &data.CompWebSite,
        &data.CompLicNum1, &data.CompLicName1, &data.CompLicNum2, &data.CompLicName2,
        &data.CompLicNum3, &data.CompLicName3,
    };
    int column = 0;
    for (QString* target : targets)
        *target = row.columnText(column++);
}

void loadInvData(Connection& db, TrecCmpnyInvData& data)
{
    Statement& row = db.prepare(QStringLiteral(
        "SELECT dbTaxRate1,dbTaxRate2,dbTaxRate3,strTaxName1,strTaxName2,strTaxName3,strInvTerms1,"
        "strInvTerms2,strInvTerms3,strInvTerms4,strInvTerms5,strInvTerms6,strInvTerms7,strInvTerms8,"
        "strInvTerms9,strInvTerms10,strInvFootNote1,strInvFootNote2,strInvFootNote3,"
        "strAcceptanceInfo,intAccptColorRed,intAccptColorGreen,intAccptColorBlue,intNumEstDays,"
        "intDepPercent,strLargeLogo,strShowQuantity,strShowPrcEach,strShowTotal,strShowTotalonWO,"
        "intTaxOn,strShowWorkSheetInfo,strShowSurfacePrep,strShowWorkSheetAddons,strShowWallpaper,"
        "strShowExtraCharges FROM tblCompanyInvData WHERE intCompInvDataID = 1;"));
    row.step();
    for (int i = 0; i < 3; ++i)
        data.TaxRates[i] = row.columnReal(i);
    for (int i = 0; i < 3; ++i)
        data.TaxNames[i] = row.columnText(3 + i);
    for (int i = 0; i < 10; ++i)
        data.PaymentTerms[i] = row.columnText(6 + i);
    for (int i = 0; i < 3; ++i)
        data.FootNotes[i + 1] = row.columnText(16 + i);
    data.AcceptanceText = row.columnText(19);
    data.AcceptanceColor = colorAt(row, 20);
    data.EstimateValidDays = int(row.columnInt(23));
    data.DepositPercent = int(row.columnInt(24));
    data.LargeLogo = row.columnFlag(25);
    data.ShowQuantity = row.columnFlag(26);
    data.ShowPriceEach = row.columnFlag(27);
    data.ShowTotal = row.columnFlag(28);
    data.ShowTotalOnWorkOrder = row.columnFlag(29);
    data.TaxOn = int(row.columnInt(30));
    data.ShowWorkSheetInfo = row.columnFlag(31);
    data.ShowSurfacePrep = row.columnFlag(32);
    data.ShowWorkSheetAddons = row.columnFlag(33);
    data.ShowWallpaper = row.columnFlag(34);
    data.ShowExtraCharges = row.columnFlag(35);
}

void loadDocumentColors(Connection& db, std::array<ColorValue, 6>& colors)
{
    Statement& row = db.prepare(QStringLiteral(
        "SELECT intEstColorRed,intEstColorGreen,intEstColorBlue,intWrkOrderColorRed,"
        "intWrkOrderColorGreen,intWrkOrderColorBlue,intChngOrderColorRed,intChngOrderColorGreen,"
        "intChngOrderColorBlue,intInvColorRed,intInvColorGreen,intInvColorBlue,intCrdtColorRed,"
        "intCrdtColorGreen,intCrdtColorBlue,intPstDueColorRed,intPstDueColorGreen,"
        "intPstDueColorBlue FROM tblCompColorData WHERE intColorID = 1;"));
    row.step();
    for (int kind = 0; kind < 6; ++kind)
        colors[kind] = colorAt(row, kind * 3);
}

void loadPlannerSettings(Connection& db, CompanySettings& settings)
{
    settings.PlannerHeaderColor = kSystemButtonFace;
    Statement& row = db.prepare(QStringLiteral(
        "SELECT intActColorRed,intActColorGreen,intActColorBlue,intWkndColorRed,intWkndColorGreen,"
        "intWkndColorBlue,intPriorityColorRed,intPriorityColorGreen,intPriorityColorBlue,"
        "intRemoveActivity,intDefaultPlanner FROM tblPlannerSettings WHERE intPlannerSettingsID = 1;"));
    row.step();
    settings.PlannerActivityColor = colorAt(row, 0);
    settings.PlannerWeekendColor = colorAt(row, 3);
    settings.PlannerPriorityColor = colorAt(row, 6);
    settings.PlannerRemoveActivity = int(row.columnInt(9));
    settings.PlannerDefaultView = int(row.columnInt(10));
}

} // namespace

void LoadCompanySettings(CompanySettings& settings)
{
    LoadCompanySettings(settings, DatabasePath());
}

void LoadCompanySettings(CompanySettings& settings, const QString& databasePath)
{
    Connection db = OpenDatabase(databasePath);
    loadCompanyData(db, settings.CompanyData);
    loadInvData(db, settings.InvData);
    loadDocumentColors(db, settings.DocumentColors);
    loadPlannerSettings(db, settings);
}
