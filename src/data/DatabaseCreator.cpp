#include "data/DatabaseCreator.h"

#include "app/Regional.h"
#include "data/Database.h"
#include "data/DatabaseSchema.h"
#include "data/SampleTexts.h"

#include <QFile>
#include <QStringList>
#include <vector>

namespace {

struct SeedStatement {
    QString sql;
    std::vector<QVariant> values;
};

QString insertInto(const QString& table, int columnCount)
{
    QStringList marks;
    for (int i = 0; i < columnCount; ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 VALUES (%2);").arg(table, marks.join(QLatin1Char(',')));
}

SeedStatement row(const QString& table, std::vector<QVariant> values)
{
    return {insertInto(table, int(values.size())), std::move(values)};
}

QString text(const char* value)
{
    return QString::fromUtf8(value);
}

std::vector<SeedStatement> preferenceRows()
{
    std::vector<QVariant> values{1};
    for (int i = 0; i < 4; ++i)
        values.emplace_back(text("-1"));
    for (int i = 0; i < 9; ++i)
        values.emplace_back(text("0"));
    return {row(QStringLiteral("tblAppPreferences"), values)};
}

std::vector<SeedStatement> customerRows()
{
    const QString sql = QStringLiteral(
        "INSERT INTO tblCustomers(strCustFirstName,strCustLastName,strCustCompany,strCustAddress,"
        "strCustCity,strCustState,strCustZipCode,strCustMainPhone,strCustExtraPhone1,"
        "strCustExtraPhone2,strCustExtraPhone1Name,strCustExtraPhone2Name,intCustDiscount,"
        "strCustTaxExmpt,strCustTaxExmpNmbr,strCustPmtTerms,strCustNotes) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);");
    return {
        {sql, {text("Joe"), text("Blow"), text("Joes Bar and Grill"), text("123 Joes Street"),
               text("Joe City"), text("Joe State"), text("12345"), text("225-123-4567"),
               text("225-123-4568"), text("225-123-4569"), text("Fax"), text("Cell"), 0, text("0"),
               text(""), text("Due upon receipt"),
               text("Customer notes for office use only. These notes do not show or print on Invoices.")}},
        {sql, {text("John"), text("Doe"), text(""), text("234 2nd Street"), text("John City"),
               text("John State"), text("88888"), text("111-222-2323"), text("111-222-4545"), text(""),
               text("Cell"), text(""), 10, text("0"), text(""), text(""), text("")}},
        {sql, {text("Jane"), text("Doe"), text("Janes Place"), text("55555 Street Place"),
               text("Jane City"), text("Jane State"), text("88888"), text("220-444-9874 ext 1234"),
               text("220-444-9875"), text("220-444-9876"), text("2nd Line"), text("Fax"), 5, text("-1"),
               text("1414141"), text("Due by the 15th"), text("Fast Pay")}},
    };
}

std::vector<SeedStatement> companyInfoRows()
{
    return {row(QStringLiteral("tblCompanyInfo"),
                {1, text("My Company Name"), text("123 My Street Address"), text("My City"),
                 text("My State"), text("Zip 123456"), text("222-123-4567"), text("222-123-4568"),
                 text("222-123-4569"), text("Cell"), text("Fax"), text("office@mycompanyname.example"),
                 text("www.mycompanyname.example"), text("123 My State License"),
                 text("My State License Name"), text("456 My City License"),
                 text("My City License Name"), text(""), text("")})};
}

std::vector<SeedStatement> companyInvDataRows()
{
    std::vector<QVariant> values{1, 0.0123, 0.05, 0.0, text("Local Tax"), text("State Tax"), text(""),
                                 0, 500, text("Due on day of completion"), text("Due on the 10th"),
                                 text("Due on the 20th"), text("Net Due on the 20th")};
    for (int i = 0; i < 6; ++i)
        values.emplace_back(text(""));
    values.emplace_back(30);
    values.emplace_back(text("Thank you for choosing our product. We appreciate your business, so "
                             "please contact us if you ever need any help."));
    values.emplace_back(QStringLiteral(u"Thank you for your interest in our Estimate. If you have any "
                                       u"questions please don\u2019t hesitate to contact us!"));
    values.emplace_back(text("Foot Note 3 Here!!"));
    values.emplace_back(text("Acceptance of proposal. The prices, specification and conditions are "
                             "satisfactory and hereby accepted. You are authorized to do the work as "
                             "specified. Payment will be made as specified above."));
    for (int component : {236, 255, 236})
        values.emplace_back(component);
    values.emplace_back(25);
    // strLargeLogo, then the nine print options; only "Show Total on Work Order" is off.
    for (const char* flag : {"-1", "-1", "-1", "-1", "0", "-1", "-1", "-1", "-1", "-1"})
        values.emplace_back(text(flag));
    return {row(QStringLiteral("tblCompanyInvData"), values)};
}

std::vector<SeedStatement> contractRows()
{
    return {row(QStringLiteral("tblContractWarranty"),
                {1, text("SAMPLE CONTRACT"), text("SAMPLE WARRANTY"), SampleContractText(),
                 SampleWarrantyText()})};
}

std::vector<SeedStatement> colorRows()
{
    std::vector<QVariant> values{1};
    for (int kind = 0; kind < 6; ++kind)
        for (int component : {0, 115, 225})
            values.emplace_back(component);
    return {row(QStringLiteral("tblCompColorData"), values)};
}

std::vector<SeedStatement> recurringRows()
{
    return {row(QStringLiteral("tblRecurring"), {1, text("")})};
}

std::vector<SeedStatement> priceRows()
{
    struct Item {
        const char* name;
        double labour;
        double material;
    };
    static const Item items[] = {
        {"Interior Painting - per SQFT", 0.21, 0.09},
        {"Exterior Painting - per SQFT", 0.22, 0.12},
        {"Interior Trim Painting - per LNFT", 0.95, 0.24},
        {"Exterior Trim Painting - per LNFT", 1.22, 0.22},
        {"Interior Prime - per SQFT", 0.17, 0.07},
        {"Exterior Prime - per SQFT", 0.18, 0.06},
        {"Interior Spot Prime - per SQFT", 0.09, 0.05},
        {"Exterior Spot Prime - per SQFT", 0.09, 0.04},
        {"Interior Wash - per SQFT", 0.11, 0.02},
        {"Exterior Wash - per SQFT", 0.09, 0.03},
        {"Interior Sand - per SQFT", 0.18, 0.03},
        {"Exterior Sand - per SQFT", 0.25, 0.06},
        {"Interior Caulk - per SQFT", 0.07, 0.03},
        {"Exterior Caulk - per SQFT", 0.08, 0.04},
        {"Interior Mask - per SQFT", 0.18, 0.04},
        {"Exterior Mask - per SQFT", 0.20, 0.03},
        {"Interior Paint Doors - each", 28.35, 6.55},
        {"Exterior Paint Doors - each", 32.85, 8.25},
        {"Interior Paint Door Frame/Trim - each", 26.40, 4.22},
        {"Exterior Paint Door Frame/Trim - each", 18.85, 4.25},
        {"Interior Paint Window Frame/Trim - each", 28.95, 6.95},
        {"Exterior Paint Window Frame/Trim - each", 27.80, 6.88},
        {"Paint Closets - each", 85.60, 23.55},
        {"Hang Wallpaper - per SQFT", 1.25, 1.66},
        {"Remove Wallpaper - per SQFT", 3.25, 1.21},
        {"Hang Wallpaper Border - per LNFT", 4.63, 2.25},
        {"Remove Wallpaper Border - per LNFT", 6.68, 1.33},
    };
    std::vector<SeedStatement> rows;
    int number = 1;
    for (const Item& item : items)
        rows.push_back(row(QStringLiteral("tblPrices"),
                           {number++, text(item.name), item.labour, item.material}));
    return rows;
}

std::vector<SeedStatement> plannerSettingsRows()
{
    return {row(QStringLiteral("tblPlannerSettings"),
                {1, 255, 255, 0, 215, 228, 242, 255, 98, 98, 2, 0})};
}

std::vector<SeedStatement> plannerRows(const QDate& today)
{
    const QString sql = QStringLiteral(
        "INSERT INTO tblPlanner(intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,"
        "strActEndDateTime,strActivity,strActPriority,strActNote) VALUES (?,?,?,?,?,?,?,?);");
    auto at = [&](int days, int hour, int minute) {
        return Regional::FormatActivityDateTime(Regional::WallClock(today.addDays(days), QTime(hour, minute)));
    };
    auto activity = [&](int master, int dayOffset, const QString& start, const QString& end,
                        const char* what, const char* priority, const char* note) {
        const QDate day = today.addDays(dayOffset);
        return SeedStatement{sql, {master, day.year(), day.dayOfYear(), start, end, text(what),
                                   text(priority), text(note)}};
    };
    const QString jobStart = at(-10, 0, 0);
    const QString jobEnd = at(-8, 0, 0);
    return {
        activity(1, 0, at(0, 8, 0), at(0, 8, 30), "Estimate for the jones", "-1",
                 "Activity Notes Here! SAMPLE "),
        activity(2, 5, at(5, 8, 0), at(5, 8, 0), "Start job at 123 Alley Street", "-1", "SAMPLE"),
        activity(3, -10, jobStart, jobEnd, "Work for John Jones", "0",
                 "Job must be done in 3 Days!!! SAMPLE"),
        activity(3, -9, jobStart, jobEnd, "Work for John Jones", "0",
                 "Job must be done in 3 Days!!! SAMPLE "),
        activity(3, -8, jobStart, jobEnd, "Work for John Jones", "0",
                 "Job must be done in 3 Days!!! SAMPLE "),
    };
}

std::vector<SeedStatement> seedRowsFor(const QString& table, const QDate& today)
{
    if (table == QLatin1String("tblAppPreferences")) return preferenceRows();
    if (table == QLatin1String("tblCustomers")) return customerRows();
    if (table == QLatin1String("tblCompanyInfo")) return companyInfoRows();
    if (table == QLatin1String("tblCompanyInvData")) return companyInvDataRows();
    if (table == QLatin1String("tblContractWarranty")) return contractRows();
    if (table == QLatin1String("tblCompColorData")) return colorRows();
    if (table == QLatin1String("tblRecurring")) return recurringRows();
    if (table == QLatin1String("tblPrices")) return priceRows();
    if (table == QLatin1String("tblPlannerSettings")) return plannerSettingsRows();
    if (table == QLatin1String("tblPlanner")) return plannerRows(today);
    return {};
}

void removeBuildFiles(const QString& buildPath)
{
    QFile::remove(buildPath);
    QFile::remove(buildPath + QStringLiteral("-journal"));
}

} // namespace

class DatabaseCreator {
public:
    static void create(const QString& path, const QDate& today,
                       const std::function<void(int)>& afterStatement)
    {
        // A file that exists counts as a complete database and is never touched.
        if (QFile::exists(path))
            return;
        const QString buildPath = path + QStringLiteral(".building");
        removeBuildFiles(buildPath);
        try {
            {
                Connection connection(buildPath);
                connection.connect(true);
                // Set before the first table: deletes then give their pages back
                // without a full VACUUM.
                connection.exec(QStringLiteral("PRAGMA auto_vacuum = INCREMENTAL;"));
                Transaction transaction(connection);
                int count = 0;
                auto run = [&](const QString& sql, const std::vector<QVariant>& values) {
                    connection.exec(sql, values);
                    if (afterStatement)
                        afterStatement(++count);
                };
                for (const TableDefinition& table : DatabaseTables()) {
                    run(table.createStatement, {});
                    for (const SeedStatement& seed : seedRowsFor(table.name, today))
                        run(seed.sql, seed.values);
                }
                transaction.commit();
            }
            // One made meanwhile by another start wins; ours is dropped.
            if (QFile::exists(path)) {
                removeBuildFiles(buildPath);
                return;
            }
            if (!QFile::rename(buildPath, path))
                throw DatabaseError(0, QStringLiteral("Cannot create file %1").arg(path));
        } catch (...) {
            removeBuildFiles(buildPath);
            throw;
        }
    }
};

void CreateDatabase(const QString& path, const QDate& today,
                    const std::function<void(int)>& afterStatement)
{
    DatabaseCreator::create(path, today, afterStatement);
}
