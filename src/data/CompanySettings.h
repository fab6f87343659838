#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

// A colour as one 32-bit value: red in the low byte, green next, blue in the third.
using ColorValue = std::uint32_t;
// The system button-face colour, marked by its fourth byte as a system colour.
inline constexpr ColorValue kSystemButtonFace = 0xFF00000F;

// Keeps only the lowest 8 bits of each component.
ColorValue CombineColor(qint64 red, qint64 green, qint64 blue);
int ColorRed(ColorValue color);
int ColorGreen(ColorValue color);
int ColorBlue(ColorValue color);
// System colours resolve through the application palette.
QColor ToQColor(ColorValue color);
ColorValue FromQColor(const QColor& color);

struct TrecCompanyData {
    QString CompName;
    QString CompAddress;
    QString CompCity;
    QString CompState;
    QString CompZip;
    QString CompMainPhone;
    QString CompExtraPhone1;
    QString CompExtraPhone2;
    QString CompExtraPhone1Name;
    QString CompExtraPhone2Name;
    QString CompLicName1;
    QString CompLicNum1;
    QString CompLicName2;
    QString CompLicNum2;
    QString CompLicName3;
    QString CompLicNum3;
    QString CompWebSite;
    QString CompEmail;
};

struct TrecCmpnyInvData {
    std::array<double, 3> TaxRates{};
    std::array<QString, 3> TaxNames;
    int TaxOn = 0;
    std::array<QString, 10> PaymentTerms;
    // Index 0 is "no foot note" and stays empty.
    std::array<QString, 4> FootNotes;
    QString AcceptanceText;
    ColorValue AcceptanceColor = 0;
    int EstimateValidDays = 0;
    int DepositPercent = 0;
    bool LargeLogo = false;
    bool ShowQuantity = false;
    bool ShowPriceEach = false;
    bool ShowTotal = false;
    bool ShowTotalOnWorkOrder = false;
    bool ShowWorkSheetInfo = false;
    bool ShowSurfacePrep = false;
    bool ShowWorkSheetAddons = false;
    bool ShowWallpaper = false;
    bool ShowExtraCharges = false;
};

struct CompanySettings {
    TrecCompanyData CompanyData;
    TrecCmpnyInvData InvData;
    // One per document kind: estimate, work order, change order, invoice, credit, past due.
    std::array<ColorValue, 6> DocumentColors{};
    ColorValue PlannerHeaderColor = 0;
    ColorValue PlannerWeekendColor = 0;
    ColorValue PlannerActivityColor = 0;
    ColorValue PlannerPriorityColor = 0;
    int PlannerRemoveActivity = 0;
    int PlannerDefaultView = 0;
};

// Fills `settings` from the database at DatabasePath(). A load that fails part-way
// leaves the fields read so far replaced.
void LoadCompanySettings(CompanySettings& settings);
// The same from another database file (a restore proves its candidate loads).
void LoadCompanySettings(CompanySettings& settings, const QString& databasePath);
