#include "app/Guard.h"
#include "app/PromptService.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

class TestErrorBox : public QObject {
    Q_OBJECT

private slots:
    void errorsReachTheGeneralErrorBox_data()
    {
        QTest::addColumn<QString>("thrown");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full stop appended") << "SQLite Error 1 - no such table: tblX" << "SQLite Error 1 - no such table: tblX.";
        QTest::newRow("full stop kept") << "Cannot open file /x." << "Cannot open file /x.";
    }

    void errorsReachTheGeneralErrorBox()
    {
        QFETCH(QString, thrown);
        QFETCH(QString, shown);
        ScopedPrompts prompts;
        bool after = false;
        const bool ok = Guarded([&] {
            throw DatabaseError(1, thrown);
            after = true;
        });
        QVERIFY(!ok);
        QVERIFY(!after);
        QCOMPARE(prompts->texts(QStringLiteral("error")), QStringList{shown});
    }

    void aRealDatabaseFailureIsShownAndTheProgramGoesOn()
    {
        TestEnvironment::freshDatabase();
        ScopedPrompts prompts;
        QVERIFY(!Guarded([] {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCustomers SET strNoSuchColumn = ?;"), {1});
        }));
        QCOMPARE(prompts->texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("SQLite Error 1 - no such column: strNoSuchColumn.")});
        QVERIFY(Guarded([] { Connection db = OpenDatabase(); db.exec(QStringLiteral("SELECT 1;")); }));
        QCOMPARE(prompts->shown.size(), size_t(1));
    }
};

VELMAR_TEST_MAIN(TestErrorBox)
#include "tst_errorbox.moc"
