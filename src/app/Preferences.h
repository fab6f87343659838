#pragma once

#include <QString>
#include <array>

// Window states remembered from one run to the next; positions as stored.
enum PreferenceIndex {
    PrefFrmMainMaximized = 0,
    PrefFrmInvoiceMaximized = 1,
    PrefPlannerShow = 2,
    PrefFrmPrintPreviewMaximized = 3,
    PrefFrmMainRibbonMinimized = 4,
    PrefFrmCompanyInfoRibbonMinimized = 5,
    PrefFrmCustomerRibbonMinimized = 6,
    PrefFrmPriceRibbonMinimized = 7,
    PrefFrmInvoiceRibbonMinimized = 8,
    PrefFrmInvMaintRibbonMinimized = 9,
    PrefFrmReportRibbonMinimized = 10,
    PrefFrmTextWriterRibbonMinimized = 11,
    PrefFrmPrntPreviewRibbonMinimized = 12,
    PreferenceCount = 13
};

struct Preferences {
    std::array<bool, PreferenceCount> values{};
    bool& operator[](PreferenceIndex index) { return values[index]; }
    bool operator[](PreferenceIndex index) const { return values[index]; }
};

void LoadPreferences(Preferences& preferences);
// The same from another database file.
void LoadPreferences(Preferences& preferences, const QString& databasePath);
void SavePreferences(const Preferences& preferences);
