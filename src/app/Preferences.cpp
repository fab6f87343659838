#include "app/Preferences.h"

#include "app/AppPaths.h"
#include "data/Database.h"

#include <QStringList>

namespace {

// The select lists the company-information flag last although it sits at position 5.
constexpr PreferenceIndex kSelectOrder[] = {
    PrefFrmMainMaximized,           PrefFrmInvoiceMaximized,
    PrefPlannerShow,                PrefFrmPrintPreviewMaximized,
    PrefFrmMainRibbonMinimized,     PrefFrmCustomerRibbonMinimized,
    PrefFrmPriceRibbonMinimized,    PrefFrmInvoiceRibbonMinimized,
    PrefFrmInvMaintRibbonMinimized, PrefFrmReportRibbonMinimized,
    PrefFrmTextWriterRibbonMinimized, PrefFrmPrntPreviewRibbonMinimized,
    PrefFrmCompanyInfoRibbonMinimized,
};

const char* columnName(PreferenceIndex index)
{
    static const char* const names[PreferenceCount] = {
        "strFrmMainMaximized",          "strFrmInvoiceMaximized",
        "strPlannerShow",               "strFrmPrintPreviewMaximized",
        "strFrmMainRibbonMinimized",    "strFrmCompanyInfoRibbonMinimized",
        "strFrmCustomerRibbonMinimized", "strFrmPriceRibbonMinimized",
        "strFrmInvoiceRibbonMinimized", "strFrmInvMaintRibbonMinimized",
        "strFrmReportRibbonMinimized",  "strFrmTextWriterRibbonMinimized",
        "strFrmPrntPreviewRibbonMinimized",
    };
    return names[index];
}

} // namespace

void LoadPreferences(Preferences& preferences)
{
    LoadPreferences(preferences, DatabasePath());
}

void LoadPreferences(Preferences& preferences, const QString& databasePath)
{
    QStringList columns;
    for (PreferenceIndex index : kSelectOrder)
        columns << QLatin1String(columnName(index));
    Connection db = OpenDatabase(databasePath);
    Statement& row = db.prepare(QStringLiteral("SELECT %1 FROM tblAppPreferences WHERE "
                                               "intAppPreferencesIdNumber = 1;")
                                    .arg(columns.join(QLatin1Char(','))));
    row.step();
    int column = 0;
    for (PreferenceIndex index : kSelectOrder)
        preferences[index] = row.columnFlag(column++);
}

void SavePreferences(const Preferences& preferences)
{
    QStringList assignments;
    std::vector<QVariant> values;
    for (PreferenceIndex index : kSelectOrder) {
        assignments << QStringLiteral("%1 = ?").arg(QLatin1String(columnName(index)));
        values.emplace_back(FlagText(preferences[index]));
    }
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("UPDATE tblAppPreferences SET %1 WHERE intAppPreferencesIdNumber = 1;")
                .arg(assignments.join(QLatin1Char(','))),
            values);
}
