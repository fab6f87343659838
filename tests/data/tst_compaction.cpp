#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/PlannerCleanUp.h"
#include "app/Startup.h"
#include "catalogs/CustomerStore.h"
#include "data/Compaction.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"
#include "support/TestEnvironment.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

qint64 Pragma(const char* name)
{
    Connection db = OpenDatabase();
    return db.exec(QStringLiteral("PRAGMA %1;").arg(QLatin1String(name))).columnInt(0);
}

QStringList SchemaTexts()
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name;"));
    QStringList texts;
    while (rows.next())
        texts << rows.columnText(0) + QLatin1Char('|') + rows.columnText(1) + QLatin1Char('|') + rows.columnText(2);
    return texts;
}

// Compaction refused on every connection opened while it is installed, as a full disk
// or a busy file would refuse it after the commit.
int DenyCompaction(void*, int action, const char* name, const char*, const char*, const char*)
{
    return action == SQLITE_PRAGMA && name && qstricmp(name, "incremental_vacuum") == 0 ? SQLITE_DENY
                                                                                        : SQLITE_OK;
}
int InstallDenial(sqlite3* db, char**, const sqlite3_api_routines*)
{
    sqlite3_set_authorizer(db, DenyCompaction, nullptr);
    return SQLITE_OK;
}
using Entry = void (*)();
struct CompactionRefused {
    CompactionRefused() { sqlite3_auto_extension(reinterpret_cast<Entry>(InstallDenial)); }
    ~CompactionRefused() { sqlite3_cancel_auto_extension(reinterpret_cast<Entry>(InstallDenial)); }
};

WorkSheet Room(int n)
{
    WorkSheet sheet = NewWorkSheet(n);
    sheet.AreaLength = 12;
    sheet.AreaWidth = 10;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = 2;
    sheet.AraNotes = QString(400, QLatin1Char('n'));
    return sheet;
}

// The operations that delete rows and then return the freed pages.
enum class Operation { Resave, DeleteDocument, DeleteCustomer, PlannerCleanUp };

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestCompaction : public QObject {
    Q_OBJECT

    AppState state;

    // A saved invoice of 70 sheets, number 500, and 300 old planner activities: enough
    // rows that deleting them frees whole pages.
    void FillDatabase()
    {
        CurrentDocument& document = state.currentDocument;
        document.Header.IsNew = true;
        LoadDocument(document, state.companySettings);
        document.Header.InvName = QStringLiteral("Invoice");
        document.Header.InvDate = QStringLiteral("3/14/2011");
        for (int n = 1; n <= MaxWorkSheets; ++n)
            document.WorkSheets.push_back(Room(n));
        ComputeTotals(document, state.companySettings);
        SaveDocument(document);
        TakeSnapshot(document);

        Connection db = OpenDatabase();
        Transaction transaction(db);
        db.exec(QStringLiteral("UPDATE tblCustomers SET strCustNotes = ? WHERE intCustomerID = 1;"),
                {QString(10000, QLatin1Char('c'))});
        for (int i = 0; i < 300; ++i)
            db.exec(QStringLiteral("INSERT INTO tblPlanner(intActMasterID,intActYear,intActDayOfYear,"
                                   "strActStartDateTime,strActEndDateTime,strActivity,strActPriority,strActNote)"
                                   "VALUES(0,2010,1,'1/1/2010','1/1/2010',?,'0',?);"),
                    {QStringLiteral("Old job"), QString(300, QLatin1Char('p'))});
        db.exec(QStringLiteral("UPDATE tblPlannerSettings SET intRemoveActivity = 1 WHERE intPlannerSettingsID = 1;"));
        transaction.commit();
    }

    void Run(Operation operation)
    {
        switch (operation) {
        case Operation::Resave:
            state.currentDocument.WorkSheets.resize(1);
            ComputeTotals(state.currentDocument, state.companySettings);
            SaveDocument(state.currentDocument);
            break;
        case Operation::DeleteDocument: DeleteDocument(500); break;
        case Operation::DeleteCustomer: DeleteCustomer(1); break;
        case Operation::PlannerCleanUp: CleanUpPlanner(); break;
        }
    }

    // What the operation committed, read back.
    bool Committed(Operation operation)
    {
        Connection db = OpenDatabase();
        switch (operation) {
        case Operation::Resave:
            return db.exec(QStringLiteral("SELECT COUNT(*) FROM tblInvData WHERE intInvNumber = 500;")).columnInt(0) == 1;
        case Operation::DeleteDocument:
            return db.exec(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader WHERE intInvNumber = 500;")).columnInt(0) == 0;
        case Operation::DeleteCustomer:
            return db.exec(QStringLiteral("SELECT COUNT(*) FROM tblCustomers WHERE intCustomerID = 1;")).columnInt(0) == 0;
        case Operation::PlannerCleanUp:
            return db.exec(QStringLiteral("SELECT COUNT(*) FROM tblPlanner WHERE strActivity = 'Old job';")).columnInt(0) == 0;
        }
        return false;
    }

private slots:
    void init()
    {
        state = AppState();
        TestEnvironment::freshDatabase(state);
        SetClockForTesting(QDateTime(QDate(2011, 3, 14), QTime(10, 30)));
    }
    void cleanup() { SetClockForTesting(QDateTime()); }

    void aNewDatabaseReturnsFreedPagesItself()
    {
        QCOMPARE(Pragma("auto_vacuum"), qint64(2)); // incremental
        // Nothing but the fourteen tables: the mode lives in the file header.
        const QStringList schema = SchemaTexts();
        QCOMPARE(schema.size(), 14);
        for (const QString& entry : schema)
            QVERIFY2(entry.startsWith(QStringLiteral("table|tbl")), qPrintable(entry));
    }

    void deletesGiveTheirPagesBack_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("re-save with fewer sheets") << Operation::Resave;
        QTest::newRow("document deleted") << Operation::DeleteDocument;
        QTest::newRow("customer deleted") << Operation::DeleteCustomer;
        QTest::newRow("planner cleaned up") << Operation::PlannerCleanUp;
    }

    void deletesGiveTheirPagesBack()
    {
        QFETCH(Operation, operation);
        FillDatabase();
        const qint64 pagesBefore = Pragma("page_count");
        const qint64 sizeBefore = QFileInfo(DatabasePath()).size();
        Run(operation);
        QVERIFY(Committed(operation));
        QCOMPARE(Pragma("freelist_count"), qint64(0));
        QVERIFY(Pragma("page_count") < pagesBefore);
        QVERIFY(QFileInfo(DatabasePath()).size() < sizeBefore);
    }

    void aFailedCompactionIsNotAFailedOperation_data() { deletesGiveTheirPagesBack_data(); }

    void aFailedCompactionIsNotAFailedOperation()
    {
        QFETCH(Operation, operation);
        FillDatabase();
        {
            CompactionRefused refused;
            try {
                Run(operation);
            } catch (const std::exception& error) {
                QFAIL(qPrintable(QStringLiteral("reported as failed: ") + QString::fromUtf8(error.what())));
            }
        }
        QVERIFY(Committed(operation));
        // The compaction was tried and refused: the freed pages are still in the file.
        QVERIFY(Pragma("freelist_count") > 0);
        // The next one that runs returns them.
        Connection db = OpenDatabase();
        CompactAfterCommit(db);
        db.close();
        QCOMPARE(Pragma("freelist_count"), qint64(0));
    }

    void aSaveWhoseCompactionFailsCountsItsAmountsOnce()
    {
        FillDatabase();
        CurrentDocument& document = state.currentDocument;
        document.Header.PaidInFull = true;
        ComputeTotals(document, state.companySettings);
        const double labour = MonthlyAmounts::From(document.Totals).LaborTotal;
        QVERIFY(labour > 0);
        CompactionRefused refused;
        // Each save succeeds, so the editor takes its snapshot; a retry never folds the
        // amounts in again.
        for (int save = 0; save < 3; ++save) {
            SaveDocument(document);
            TakeSnapshot(document);
        }
        Connection db = OpenDatabase();
        QCOMPARE(db.exec(QStringLiteral("SELECT dbLbrTotal FROM tblReport WHERE intReportYear = 2011 "
                                        "AND intReportMonth = 3;")).columnReal(0),
                 labour);
    }

    void anOlderDatabaseIsConvertedOnceAtStartUp()
    {
        FillDatabase();
        {
            // As a database made before: no auto-vacuum at all.
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("PRAGMA auto_vacuum = NONE;"));
            db.vacuum();
        }
        QCOMPARE(Pragma("auto_vacuum"), qint64(0));
        const QStringList schema = SchemaTexts();
        AppState restarted;
        QVERIFY(!PrepareApplicationData(restarted));
        QCOMPARE(Pragma("auto_vacuum"), qint64(2));
        QCOMPARE(SchemaTexts(), schema);
        QCOMPARE(restarted.companySettings.CompanyData.CompName, state.companySettings.CompanyData.CompName);
        Connection db = OpenDatabase();
        QCOMPARE(db.exec(QStringLiteral("SELECT COUNT(*) FROM tblInvData WHERE intInvNumber = 500;")).columnInt(0),
                 qint64(MaxWorkSheets));
        db.close();
        // Converted files stay as they are: a second start rewrites nothing.
        const QDateTime written = QFileInfo(DatabasePath()).lastModified();
        QVERIFY(EnableIncrementalCompaction(DatabasePath()));
        QCOMPARE(QFileInfo(DatabasePath()).lastModified(), written);
    }

    void aFileThatCannotBeConvertedIsLeftToTheLoad()
    {
        QFile file(DatabasePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("not a database at all");
        file.close();
        QVERIFY(!EnableIncrementalCompaction(DatabasePath()));
        QCOMPARE(QFileInfo(DatabasePath()).size(), qint64(21));
    }
};

VELMAR_TEST_MAIN(TestCompaction)
#include "tst_compaction.moc"
