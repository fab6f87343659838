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
