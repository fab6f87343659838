#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/Regional.h"
#include "app/Startup.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseSchema.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace {

struct PlannerRow {
    qint64 master, year, dayOfYear;
    QString start, end, activity, priority, note;
};

std::vector<PlannerRow> plannerRows()
{
    std::vector<PlannerRow> rows;
    Connection db = OpenDatabase();
    Statement& s = db.prepare(QStringLiteral(
        "SELECT intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,strActEndDateTime,"
        "strActivity,strActPriority,strActNote FROM tblPlanner;"));
    while (s.next())
        rows.push_back({s.columnInt(0), s.columnInt(1), s.columnInt(2), s.columnText(3), s.columnText(4),
                        s.columnText(5), s.columnText(6), s.columnText(7)});
    return rows;
}

void createOn(const QDate& day)
{
    TestEnvironment::removeAllData();
    EnsureDataFolders();
    CreateDatabase(DatabasePath(), day);
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void tablesAreStoredVerbatim()
    {
        Connection db = OpenDatabase();
        Statement& s = db.prepare(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table';"));
        QStringList names;
        int index = 0;
        while (s.next()) {
            const TableDefinition& expected = DatabaseTables().at(index++);
            names << s.columnText(0);
            QCOMPARE(s.columnText(0), expected.name);
            QString statement = expected.createStatement;
            statement.chop(1);  // the engine keeps the text without its semicolon
            QCOMPARE(s.columnText(1), statement);
        }
        QCOMPARE(names.size(), 14);
        Statement& other = db.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type <> 'table';"));
        other.step();
        QCOMPARE(other.columnInt(0), 0);  // no indexes, no triggers
        QCOMPARE(DatabaseTables().at(9).createStatement,
                 QStringLiteral("CREATE TABLE tblRecurring(intRecurringID INTEGER,strLastPrintedDate TEXT);"));
    }

    void seedValuesThatAreEasyToGetWrong()
    {
        Connection db = OpenDatabase();
        Statement& notes = db.exec(QStringLiteral(
            "SELECT strInvFootNote2, intInvNumber, dbTaxRate1, typeof(dbTaxRate3), dbTaxRate3, intNumEstDays "
            "FROM tblCompanyInvData WHERE intCompInvDataID = 1;"));
        QCOMPARE(notes.columnText(0),
                 QStringLiteral(u"Thank you for your interest in our Estimate. If you have any questions "
                                u"please don\u2019t hesitate to contact us!"));
        QCOMPARE(notes.columnInt(1), 500);
        QCOMPARE(notes.columnReal(2), 0.0123);
        QCOMPARE(notes.columnText(3), QStringLiteral("real"));
        QCOMPARE(notes.columnReal(4), 0.0);
        QCOMPARE(notes.columnInt(5), 30);

        Statement& texts = db.exec(QStringLiteral(
            "SELECT strContractName, strWarrantyName, strContract, strWarranty FROM tblContractWarranty "
            "WHERE intContractWarrantyID = 1;"));
        QCOMPARE(texts.columnText(0), QStringLiteral("SAMPLE CONTRACT"));
        QCOMPARE(texts.columnText(1), QStringLiteral("SAMPLE WARRANTY"));
        QVERIFY(texts.columnText(2).startsWith(
            QStringLiteral(u"SAMPLE CONTRACT ONLY \u2013 Replace with your CONTRACT!\r\n\r\nADDITIONAL WORK OR CHARGES\r\n")));
        QVERIFY(texts.columnText(3).startsWith(
            QStringLiteral(u"SAMPLE WARRANTY ONLY \u2013 Replace with your WARRANTY!\r\n\r\n  ")));
        const QStringList contractLines = texts.columnText(2).split(QStringLiteral("\r\n"));
        for (const char* heading : {"CANCELLATION", "TREES AND SHRUBS", "CUSTOMER SUPPLIED MATERIALS", "WEATHER",
                                    "WARRANTY", "ELECTRICAL FIXTURES", "MOLD", "GUTTERS AND DOWNSPOUTS",
                                    "FURNISHINGS", "UNUSED PAINT", "TRASH", "COMPANY PAYMENT ARRANGEMENTS",
                                    "WALLPAPER REMOVAL", "CONTRACT AGREEMENT"})
            QVERIFY2(contractLines.contains(QLatin1String(heading)), heading);
        QVERIFY(contractLines.filter(QRegularExpression(QStringLiteral("^FOUNDATIONS \\S"))).size() == 1);

        Statement& recurring = db.exec(QStringLiteral(
            "SELECT strLastPrintedDate, typeof(strLastPrintedDate) FROM tblRecurring WHERE intRecurringID = 1;"));
        QCOMPARE(recurring.columnText(0), QString());
        QCOMPARE(recurring.columnText(1), QStringLiteral("text"));
    }

    // Every seeded row, column by column, as the engine gives it back as text. The sample
    // e-mail address and web site are left out: they are ours to choose.
    void everySeedRow_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("preferences") << QStringLiteral("SELECT * FROM tblAppPreferences;")
            << QList<QStringList>{{"1", "-1", "-1", "-1", "-1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}};
        QTest::newRow("customers") << QStringLiteral("SELECT * FROM tblCustomers;") << QList<QStringList>{
            {"1", "Joe", "Blow", "Joes Bar and Grill", "123 Joes Street", "Joe City", "Joe State", "12345",
             "225-123-4567", "225-123-4568", "225-123-4569", "Fax", "Cell", "0", "0", "", "Due upon receipt",
             "Customer notes for office use only. These notes do not show or print on Invoices."},
            {"2", "John", "Doe", "", "234 2nd Street", "John City", "John State", "88888", "111-222-2323",
             "111-222-4545", "", "Cell", "", "10", "0", "", "", ""},
            {"3", "Jane", "Doe", "Janes Place", "55555 Street Place", "Jane City", "Jane State", "88888",
             "220-444-9874 ext 1234", "220-444-9875", "220-444-9876", "2nd Line", "Fax", "5", "-1", "1414141",
             "Due by the 15th", "Fast Pay"}};
        QTest::newRow("company") << QStringLiteral(
            "SELECT intCompInfoID,strCompName,strCompAddress,strCompCity,strCompState,strCompZip,strCompMainPhone,"
            "strCompExtraPhone1,strCompExtraPhone2,strCompExtraPhone1Name,strCompExtraPhone2Name,strCompLicNum1,"
            "strCompLicName1,strCompLicNum2,strCompLicName2,strCompLicNum3,strCompLicName3 FROM tblCompanyInfo;")
            << QList<QStringList>{{"1", "My Company Name", "123 My Street Address", "My City", "My State",
                                   "Zip 123456", "222-123-4567", "222-123-4568", "222-123-4569", "Cell", "Fax",
                                   "123 My State License", "My State License Name", "456 My City License",
                                   "My City License Name", "", ""}};
        QTest::newRow("invoice settings") << QStringLiteral("SELECT * FROM tblCompanyInvData;")
            << QList<QStringList>{{"1", "0.0123", "0.05", "0.0", "Local Tax", "State Tax", "", "0", "500",
                                   "Due on day of completion", "Due on the 10th", "Due on the 20th",
                                   "Net Due on the 20th", "", "", "", "", "", "", "30",
                                   "Thank you for choosing our product. We appreciate your business, so please "
                                   "contact us if you ever need any help.",
                                   QStringLiteral(u"Thank you for your interest in our Estimate. If you have any "
                                                  u"questions please don\u2019t hesitate to contact us!"),
                                   "Foot Note 3 Here!!",
                                   "Acceptance of proposal. The prices, specification and conditions are "
                                   "satisfactory and hereby accepted. You are authorized to do the work as "
                                   "specified. Payment will be made as specified above.",
                                   "236", "255", "236", "25", "-1", "-1", "-1", "-1", "0", "-1", "-1", "-1", "-1",
                                   "-1"}};
        QTest::newRow("document colours") << QStringLiteral("SELECT * FROM tblCompColorData;")
            << QList<QStringList>{{"1", "0", "115", "225", "0", "115", "225", "0", "115", "225", "0", "115", "225",
                                   "0", "115", "225", "0", "115", "225"}};
        QTest::newRow("recurring") << QStringLiteral("SELECT * FROM tblRecurring;")
                                   << QList<QStringList>{{"1", ""}};
        QTest::newRow("planner settings") << QStringLiteral("SELECT * FROM tblPlannerSettings;")
            << QList<QStringList>{{"1", "255", "255", "0", "215", "228", "242", "255", "98", "98", "2", "0"}};
        QTest::newRow("prices") << QStringLiteral("SELECT * FROM tblPrices;") << QList<QStringList>{
            {"1", "Interior Painting - per SQFT", "0.21", "0.09"},
            {"2", "Exterior Painting - per SQFT", "0.22", "0.12"},
            {"3", "Interior Trim Painting - per LNFT", "0.95", "0.24"},
            {"4", "Exterior Trim Painting - per LNFT", "1.22", "0.22"},
            {"5", "Interior Prime - per SQFT", "0.17", "0.07"},
            {"6", "Exterior Prime - per SQFT", "0.18", "0.06"},
            {"7", "Interior Spot Prime - per SQFT", "0.09", "0.05"},
            {"8", "Exterior Spot Prime - per SQFT", "0.09", "0.04"},
            {"9", "Interior Wash - per SQFT", "0.11", "0.02"},
            {"10", "Exterior Wash - per SQFT", "0.09", "0.03"},
            {"11", "Interior Sand - per SQFT", "0.18", "0.03"},
            {"12", "Exterior Sand - per SQFT", "0.25", "0.06"},
            {"13", "Interior Caulk - per SQFT", "0.07", "0.03"},
            {"14", "Exterior Caulk - per SQFT", "0.08", "0.04"},
            {"15", "Interior Mask - per SQFT", "0.18", "0.04"},
            {"16", "Exterior Mask - per SQFT", "0.2", "0.03"},
            {"17", "Interior Paint Doors - each", "28.35", "6.55"},
            {"18", "Exterior Paint Doors - each", "32.85", "8.25"},
            {"19", "Interior Paint Door Frame/Trim - each", "26.4", "4.22"},
            {"20", "Exterior Paint Door Frame/Trim - each", "18.85", "4.25"},
            {"21", "Interior Paint Window Frame/Trim - each", "28.95", "6.95"},
            {"22", "Exterior Paint Window Frame/Trim - each", "27.8", "6.88"},
            {"23", "Paint Closets - each", "85.6", "23.55"},
            {"24", "Hang Wallpaper - per SQFT", "1.25", "1.66"},
            {"25", "Remove Wallpaper - per SQFT", "3.25", "1.21"},
            {"26", "Hang Wallpaper Border - per LNFT", "4.63", "2.25"},
            {"27", "Remove Wallpaper Border - per LNFT", "6.68", "1.33"}};
    }
    void everySeedRow()
    {
        QFETCH(QString, select);
        QFETCH(QList<QStringList>, rows);
        Connection db = OpenDatabase();
        Statement& s = db.prepare(select);
        for (const QStringList& row : rows) {
            QVERIFY(s.next());
            for (int column = 0; column < row.size(); ++column)
                QCOMPARE(s.columnText(column), row.at(column));
        }
        QVERIFY(!s.next());
    }

    void customersAndPrices()
    {
        Connection db = OpenDatabase();
        Statement& customers = db.prepare(QStringLiteral(
            "SELECT intCustomerID, strCustFirstName, intCustDiscount, strCustTaxExmpt, strCustExtraPhone1Name "
            "FROM tblCustomers;"));
        const QList<QStringList> expected = {
            {"1", "Joe", "0", "0", "Fax"}, {"2", "John", "10", "0", "Cell"}, {"3", "Jane", "5", "-1", "2nd Line"}};
        for (const QStringList& row : expected) {
            QVERIFY(customers.next());
            for (int column = 0; column < row.size(); ++column)
                QCOMPARE(customers.columnText(column), row.at(column));
        }
        QVERIFY(!customers.next());
        db.exec(QStringLiteral("INSERT INTO tblCustomers(strCustFirstName) VALUES (?);"), {QStringLiteral("Next")});
        QCOMPARE(db.lastInsertId(), 4);

        Statement& prices = db.prepare(QStringLiteral(
            "SELECT intPrcItemNumID, strPrcItemName, dbLbrPrc, dbMatPrc FROM tblPrices;"));
        int count = 0;
        while (prices.next()) {
            ++count;
            QCOMPARE(prices.columnInt(0), count);
            if (count == 16) {
                QCOMPARE(prices.columnText(1), QStringLiteral("Exterior Mask - per SQFT"));
                QCOMPARE(prices.columnReal(2), 0.20);
            }
            if (count == 19)
                QCOMPARE(prices.columnReal(2), 26.40);
            if (count == 27) {
                QCOMPARE(prices.columnText(1), QStringLiteral("Remove Wallpaper Border - per LNFT"));
                QCOMPARE(prices.columnReal(3), 1.33);
            }
        }
        QCOMPARE(count, 27);
    }

    void recurringFlagComparesAsText()
    {
        Connection db = OpenDatabase();
        const QString insert = QStringLiteral("INSERT INTO tblInvHeader(intInvNumber, strRecurring) VALUES (?, ?);");
        db.exec(insert, {500, FlagText(true)});
        db.exec(insert, {501, FlagText(false)});
        Statement& s = db.prepare(QStringLiteral("SELECT intInvNumber FROM tblInvHeader WHERE strRecurring <> 0;"));
        QVERIFY(s.next());
        QCOMPARE(s.columnInt(0), 500);
        QVERIFY(!s.next());
    }

    void plannerRowsFromToday()
    {
        createOn(QDate(2026, 6, 15));
        const auto rows = plannerRows();
        QCOMPARE(rows.size(), size_t(5));
        QCOMPARE(rows[0].start, QStringLiteral("6/15/2026 8:00:00 AM"));
        QCOMPARE(rows[0].end, QStringLiteral("6/15/2026 8:30:00 AM"));
        QCOMPARE(rows[0].note, QStringLiteral("Activity Notes Here! SAMPLE "));
        QCOMPARE(rows[0].priority, QStringLiteral("-1"));
        QCOMPARE(rows[1].start, rows[1].end);
        QCOMPARE(rows[1].start, QStringLiteral("6/20/2026 8:00:00 AM"));
        for (size_t i = 2; i < 5; ++i) {
            QCOMPARE(rows[i].master, 3);
            QCOMPARE(rows[i].start, QStringLiteral("6/5/2026"));
            QCOMPARE(rows[i].end, QStringLiteral("6/7/2026"));
            QCOMPARE(rows[i].priority, QStringLiteral("0"));
        }
        QCOMPARE(rows[2].note, QStringLiteral("Job must be done in 3 Days!!! SAMPLE"));
        QCOMPARE(rows[3].note, QStringLiteral("Job must be done in 3 Days!!! SAMPLE "));
        QCOMPARE(rows[4].note, rows[3].note);
    }

    void plannerRowsAcrossTheYear_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<qint64>>("years");
        QTest::addColumn<QList<qint64>>("days");
        // Rows: today, +5, -10, -9, -8.
        QTest::newRow("5 January") << QDate(2027, 1, 5) << QList<qint64>{2027, 2027, 2026, 2026, 2026}
                                   << QList<qint64>{5, 10, 360, 361, 362};
        QTest::newRow("5 January after a leap year") << QDate(2025, 1, 5)
                                                     << QList<qint64>{2025, 2025, 2024, 2024, 2024}
                                                     << QList<qint64>{5, 10, 361, 362, 363};
        QTest::newRow("28 December") << QDate(2026, 12, 28) << QList<qint64>{2026, 2027, 2026, 2026, 2026}
                                     << QList<qint64>{362, 2, 352, 353, 354};
    }

    void plannerRowsAcrossTheYear()
    {
        QFETCH(QDate, today);
        QFETCH(QList<qint64>, years);
        QFETCH(QList<qint64>, days);
        createOn(today);
        const auto rows = plannerRows();
        QCOMPARE(rows.size(), size_t(5));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(rows[i].year, years[i]);
            QCOMPARE(rows[i].dayOfYear, days[i]);
        }
    }

    void anExistingFileIsLeftAsItIs_data()
    {
        QTest::addColumn<int>("existsFrom");
        QTest::newRow("before the creation") << 0;
        QTest::newRow("made by another start meanwhile") << 5;
    }
    void anExistingFileIsLeftAsItIs()
    {
        QFETCH(int, existsFrom);
        TestEnvironment::removeAllData();
        EnsureDataFolders();
        const QByteArray content("a database another start made");
        auto writeIt = [&] {
            QFile file(DatabasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        if (existsFrom == 0)
            writeIt();
        int statements = 0;
        CreateDatabase(DatabasePath(), Today(), [&](int statement) {
            statements = statement;
            if (statement == existsFrom)
                writeIt();
        });
        QCOMPARE(statements > 0, existsFrom > 0);
        QFile file(DatabasePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        QCOMPARE(QDir(DataFolder()).entryList(QDir::Files), QStringList{QStringLiteral("velmar7.db")});
    }

    void failedCreationLeavesNoDatabase()
    {
        TestEnvironment::removeAllData();
        EnsureDataFolders();
        try {
            CreateDatabase(DatabasePath(), Today(), [](int statement) {
                if (statement == 20)
                    throw DatabaseError(13, QStringLiteral("SQLite Error 13 - database or disk is full"));
            });
            QFAIL("the creation must fail");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.text(), QStringLiteral("SQLite Error 13 - database or disk is full"));
        }
        QVERIFY(!QFile::exists(DatabasePath()));
        QCOMPARE(QDir(DataFolder()).entryList(QDir::Files), QStringList());

        // The next start builds a complete database.
        AppState state;
        QVERIFY(PrepareApplicationData(state));
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("My Company Name"));
    }
};

VELMAR_TEST_MAIN(TestSchema)
#include "tst_schema.moc"
