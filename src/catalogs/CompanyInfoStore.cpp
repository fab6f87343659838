#include "catalogs/CompanyInfoStore.h"

#include "data/CompanySettings.h"
#include "data/Database.h"

namespace {

void appendColor(std::vector<QVariant>& values, ColorValue color)
{
    values.emplace_back(ColorRed(color));
    values.emplace_back(ColorGreen(color));
    values.emplace_back(ColorBlue(color));
}

void saveCompanyData(Connection& db, const TrecCompanyData& d)
{
    db.exec(QStringLiteral(
                "UPDATE tblCompanyInfo SET strCompName = ?,strCompAddress = ?,strCompCity = ?,"
                "strCompState = ?,strCompZip = ?,strCompMainPhone = ?,strCompExtraPhone1 = ?,"
                "strCompExtraPhone2 = ?,strCompExtraPhone1Name = ?,strCompExtraPhone2Name = ?,"
                "strCompEmail = ?,strCompWebSite = ?,strCompLicNum1 = ?,strCompLicName1 = ?,"
                "strCompLicNum2 = ?,strCompLicName2 = ?,strCompLicNum3 = ?,strCompLicName3 = ? "
                "WHERE intCompInfoID = 1;"),
            {d.CompName, d.CompAddress, d.CompCity, d.CompState, d.CompZip, d.CompMainPhone,
             d.CompExtraPhone1, d.CompExtraPhone2, d.CompExtraPhone1Name, d.CompExtraPhone2Name,
             d.CompEmail, d.CompWebSite, d.CompLicNum1, d.CompLicName1, d.CompLicNum2,
             d.CompLicName2, d.CompLicNum3, d.CompLicName3});
}

void saveInvData(Connection& db, const TrecCmpnyInvData& d)
{
    QString sql = QStringLiteral(
        "UPDATE tblCompanyInvData SET dbTaxRate1 = ?,dbTaxRate2 = ?,dbTaxRate3 = ?,strTaxName1 = ?,"
        "strTaxName2 = ?,strTaxName3 = ?,intTaxOn = ?,strInvFootNote1 = ?,strInvFootNote2 = ?,"
        "strInvFootNote3 = ?,strAcceptanceInfo = ?,intAccptColorRed = ?,intAccptColorGreen = ?,"
        "intAccptColorBlue = ?,");
    for (int term = 1; term <= kMaxPaymentTerms; ++term)
        sql += QStringLiteral("strInvTerms%1 = ?,").arg(term);
    sql += QStringLiteral(
        "intNumEstDays = ?,intDepPercent = ?,strLargeLogo = ?,strShowQuantity = ?,strShowPrcEach = ?,"
        "strShowTotal = ?,strShowTotalonWO = ?,strShowWorkSheetInfo = ?,strShowSurfacePrep = ?,"
        "strShowWorkSheetAddons = ?,strShowWallpaper = ?,strShowExtraCharges = ? "
        "WHERE intCompInvDataID = 1;");

    std::vector<QVariant> values{d.TaxRates[0], d.TaxRates[1], d.TaxRates[2], d.TaxNames[0],
                                 d.TaxNames[1], d.TaxNames[2], d.TaxOn, d.FootNotes[1],
                                 d.FootNotes[2], d.FootNotes[3], d.AcceptanceText};
    appendColor(values, d.AcceptanceColor);
    for (const QString& term : d.PaymentTerms)
        values.emplace_back(term);
    values.emplace_back(d.EstimateValidDays);
    values.emplace_back(d.DepositPercent);
    for (bool flag : {d.LargeLogo, d.ShowQuantity, d.ShowPriceEach, d.ShowTotal,
                      d.ShowTotalOnWorkOrder, d.ShowWorkSheetInfo, d.ShowSurfacePrep,
                      d.ShowWorkSheetAddons, d.ShowWallpaper, d.ShowExtraCharges})
        values.emplace_back(FlagText(flag));
    db.exec(sql, values);
}

void saveDocumentColors(Connection& db, const std::array<ColorValue, 6>& colors)
{
    static const char* const kinds[] = {"Est", "WrkOrder", "ChngOrder", "Inv", "Crdt", "PstDue"};
    QStringList assignments;
    for (const char* kind : kinds)
        for (const char* part : {"Red", "Green", "Blue"})
            assignments << QStringLiteral("int%1Color%2 = ?").arg(QLatin1String(kind), QLatin1String(part));
    std::vector<QVariant> values;
    for (ColorValue color : colors)
        appendColor(values, color);
    db.exec(QStringLiteral("UPDATE tblCompColorData SET %1 WHERE intColorID = 1;")
                .arg(assignments.join(QLatin1Char(','))),
            values);
}

void savePlannerSettings(Connection& db, const CompanySettings& s)
{
    std::vector<QVariant> values;
    appendColor(values, s.PlannerActivityColor);
    appendColor(values, s.PlannerWeekendColor);
    appendColor(values, s.PlannerPriorityColor);
    values.emplace_back(s.PlannerRemoveActivity);
    values.emplace_back(s.PlannerDefaultView);
    db.exec(QStringLiteral(
                "UPDATE tblPlannerSettings SET intActColorRed = ?,intActColorGreen = ?,"
                "intActColorBlue = ?,intWkndColorRed = ?,intWkndColorGreen = ?,intWkndColorBlue = ?,"
                "intPriorityColorRed = ?,intPriorityColorGreen = ?,intPriorityColorBlue = ?,"
                "intRemoveActivity = ?,intDefaultPlanner = ? WHERE intPlannerSettingsID = 1;"),
            values);
}

} // namespace

void SaveCompanySettings(const CompanySettings& settings)
{
    Connection db = OpenDatabase();
    Transaction transaction(db);
    saveCompanyData(db, settings.CompanyData);
    saveInvData(db, settings.InvData);
    saveDocumentColors(db, settings.DocumentColors);
    savePlannerSettings(db, settings);
    transaction.commit();
}

QString TaxAmountText(double rate)
{
    return QString::number(rate, 'f', 4);
}

QString CompleteTaxAmount(const QString& text, QChar blank)
{
    QString result = text.left(6);
    while (result.size() < 6)
        result += blank;
    for (int i = 0; i < 6; ++i) {
        const QChar c = result.at(i);
        if (c != blank && c != QLatin1Char(' '))
            continue;
        result[i] = i == 1 ? QLatin1Char('.') : QLatin1Char('0');
    }
    return result;
}

double TaxRateFromText(const QString& text)
{
    bool ok = false;
    const double rate = CompleteTaxAmount(text).toDouble(&ok);
    return ok ? rate : 0.0;
}

QString PaymentTermsCountText(int termCount)
{
    if (termCount > kMaxPaymentTerms - 1)
        return QStringLiteral("Payment Terms are full");
    return QStringLiteral("You may add ") + QString::number(kMaxPaymentTerms - termCount)
           + QStringLiteral(" more Payment Terms");
}
