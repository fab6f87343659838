#include "app/AppPaths.h"
#include "data/Database.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <sqlite3.h>

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void errorTexts()
    {
        Connection db = OpenDatabase();
        try {
            db.prepare(QStringLiteral("SELEC strCustCity FROM tblCustomers;"));
            QFAIL("a statement that does not parse must fail");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.code(), SQLITE_ERROR);
            QCOMPARE(error.text(), QStringLiteral("SQLite Error 1 - near \"SELEC\": syntax error"));
        }
        for (const QString& empty : {QString(), QStringLiteral("   "), QStringLiteral("-- nothing")}) {
            try {
                db.prepare(empty);
                QFAIL("an empty statement must fail");
            } catch (const DatabaseError& error) {
                QCOMPARE(error.text(), QStringLiteral("Empty SQL Statement"));
            }
        }
    }

    void missingFileIsNotCreated()
    {
        const QString path = DataFolder() + QStringLiteral("/missing.db");
        Connection db = OpenDatabase(path);
        try {
            db.prepare(QStringLiteral("SELECT 1;"));
            QFAIL("a missing file must not be opened");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.text(), QStringLiteral("Cannot open file %1").arg(path));
        }
        QVERIFY(!QFile::exists(path));
    }

    void stepFailureCarriesTheEngineMessage()
    {
        Connection db = OpenDatabase();
        try {
            db.exec(QStringLiteral("INSERT INTO tblNoSuchTable VALUES (1);"));
            QFAIL("unknown table must fail");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.text(), QStringLiteral("SQLite Error 1 - no such table: tblNoSuchTable"));
        }
    }

    void busyRetryGivesUpWhileAnotherConnectionWrites()
    {
        Connection holder = OpenDatabase();
        holder.exec(QStringLiteral("BEGIN EXCLUSIVE;"));
        holder.exec(QStringLiteral("UPDATE tblRecurring SET strLastPrintedDate = ? WHERE intRecurringID = 1;"),
                    {QStringLiteral("1/1/2020")});

        QElapsedTimer waited;
        waited.start();
        Connection other = OpenDatabase();
        try {
            Statement& update = other.prepare(
                QStringLiteral("UPDATE tblCustomers SET strCustCity = ? WHERE intCustomerID = 1;"));
            update.bind(1, QStringLiteral("X"));
            update.step();
            QFAIL("a write while another connection holds the lock must fail");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.code() & 0xff, SQLITE_BUSY);
            QVERIFY(error.text().startsWith(QStringLiteral("SQLite Error 5 - ")));
        }
        // Eight attempts with 10 ms between them.
        QVERIFY2(waited.elapsed() >= 60, qPrintable(QString::number(waited.elapsed())));

        holder.exec(QStringLiteral("ROLLBACK;"));
        Statement& retry = other.prepare(
            QStringLiteral("UPDATE tblCustomers SET strCustCity = ? WHERE intCustomerID = 1;"));
        retry.bind(1, QStringLiteral("Y"));
        QCOMPARE(retry.step(), SQLITE_DONE);
    }

    void readFlag_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");  // 1 yes, 0 no, -1 conversion error
        QTest::newRow("minus one") << "-1" << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("other number") << "7" << 1;
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("false lower") << "false" << 0;
        QTest::newRow("TRUE upper") << "TRUE" << 1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("word") << "yes" << -1;
    }

    void readFlag()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        if (expected >= 0) {
            QCOMPARE(ReadFlag(text), expected == 1);
            return;
        }
        try {
            ReadFlag(text);
            QFAIL("conversion error expected");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'%1' is not a valid boolean value").arg(text));
        }
    }

    void userTextIsStoredAsTyped_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophe") << "O'Brien";
        QTest::newRow("double quote") << "The \"Big\" House";
        QTest::newRow("column name") << "strCustCity";
        QTest::newRow("sql") << "x\"; DROP TABLE tblCustomers; --";
        QTest::newRow("line breaks") << "first\r\nsecond";
        QTest::newRow("non-latin") << QStringLiteral(u"Ærøskøbing – Διονύσης 東京");
        QTest::newRow("long") << QString(20000, QLatin1Char('w'));
    }

    void userTextIsStoredAsTyped()
    {
        QFETCH(QString, value);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCustomers SET strCustLastName = ?, strCustCity = ? "
                                   "WHERE intCustomerID = 2;"),
                    {value, value});
        }
        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral(
            "SELECT strCustLastName,strCustCity FROM tblCustomers WHERE intCustomerID = 2;"));
        QCOMPARE(row.columnText(0), value);
        QCOMPARE(row.columnText(1), value);
        Statement& count = db.exec(QStringLiteral("SELECT COUNT(*) FROM tblCustomers;"));
        QCOMPARE(count.columnInt(0), 3);
    }

    void realsUnderACommaDecimalLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblPrices SET dbLbrPrc = ? WHERE intPrcItemNumID = 1;"), {0.1});
            Statement& row = db.exec(QStringLiteral(
                "SELECT dbLbrPrc, typeof(dbLbrPrc), CAST(dbLbrPrc AS TEXT) FROM tblPrices WHERE intPrcItemNumID = 1;"));
            QCOMPARE(row.columnReal(0), 0.1);
            QCOMPARE(row.columnText(1), QStringLiteral("real"));
            QCOMPARE(row.columnText(2), QStringLiteral("0.1"));
        }
        QLocale::setDefault(previous);
    }

    void flagsAreStoredAsText()
    {
        Connection db = OpenDatabase();
        db.exec(QStringLiteral("UPDATE tblCustomers SET strCustTaxExmpt = ? WHERE intCustomerID = 1;"),
                {FlagText(true)});
        Statement& row = db.exec(QStringLiteral(
            "SELECT strCustTaxExmpt, typeof(strCustTaxExmpt) FROM tblCustomers WHERE intCustomerID = 1;"));
        QCOMPARE(row.columnText(0), QStringLiteral("-1"));
        QCOMPARE(row.columnText(1), QStringLiteral("text"));
        QVERIFY(row.columnFlag(0));
    }

    void absentValuesReadAsZeroAndEmpty()
    {
        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral(
            "SELECT intCustDiscount, strCustCity, dbLbrPrc FROM tblCustomers, tblPrices WHERE intCustomerID = 99;"));
        QCOMPARE(row.columnInt(0), 0);
        QCOMPARE(row.columnText(1), QString());
        QCOMPARE(row.columnReal(2), 0.0);
    }

    void vacuumAfterDeleteWhileARowIsHeld()
    {
        Connection db = OpenDatabase();
        Statement& rows = db.prepare(QStringLiteral("SELECT intCustomerID FROM tblCustomers;"));
        QVERIFY(rows.next());
        db.exec(QStringLiteral("DELETE FROM tblCustomers WHERE intCustomerID = ?;"), {rows.columnInt(0)});
        db.vacuum();
        Statement& count = db.exec(QStringLiteral("SELECT COUNT(*) FROM tblCustomers;"));
        QCOMPARE(count.columnInt(0), 2);
    }

    void upperChangesEveryLetter()
    {
        Connection db = OpenDatabase();
        db.exec(QStringLiteral("UPDATE tblCustomers SET strCustLastName = ? WHERE intCustomerID = 1;"),
                {QStringLiteral(u"\u00e9lodie")});
        Statement& row = db.exec(QStringLiteral(
            "SELECT UPPER(strCustLastName), UPPER(intCustomerID), UPPER(NULL) IS NULL FROM tblCustomers "
            "WHERE UPPER(strCustLastName) LIKE ?;"),
            {QStringLiteral(u"%1%").arg(QStringLiteral(u"\u00e9").toUpper())});
        QCOMPARE(row.columnText(0), QStringLiteral(u"\u00c9LODIE"));
        QCOMPARE(row.columnText(1), QStringLiteral("1"));
        QCOMPARE(row.columnInt(2), 1);
    }

    void transactionRollsBackWhenNotCommitted()
    {
        try {
            Connection db = OpenDatabase();
            Transaction transaction(db);
            db.exec(QStringLiteral("DELETE FROM tblCustomers;"));
            db.exec(QStringLiteral("INSERT INTO tblNoSuchTable VALUES (1);"));
            transaction.commit();
            QFAIL("must fail");
        } catch (const DatabaseError&) {
        }
        Connection db = OpenDatabase();
        QCOMPARE(db.exec(QStringLiteral("SELECT COUNT(*) FROM tblCustomers;")).columnInt(0), 3);
    }
};

VELMAR_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
