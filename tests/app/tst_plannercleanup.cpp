#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/PlannerCleanUp.h"
#include "data/Database.h"
#include "support/TestEnvironment.h"

namespace {

// Today is 14 March 2011, late in the morning.
const QDateTime kNow(QDate(2011, 3, 14), QTime(10, 30));

void setRemovalCode(qint64 code)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("UPDATE tblPlannerSettings SET intRemoveActivity = ? WHERE intPlannerSettingsID = 1;"),
            {code});
}

// One row per calendar day of the activity, all carrying its end.
void addActivity(const QString& endText, int days = 1)
{
    Connection db = OpenDatabase();
    for (int day = 0; day < days; ++day)
        db.exec(QStringLiteral("INSERT INTO tblPlanner(intActMasterID,intActYear,intActDayOfYear,"
                               "strActStartDateTime,strActEndDateTime,strActivity,strActPriority,strActNote)"
                               "VALUES(0,2011,1,?,?,?,'0','');"),
                {endText, endText, QStringLiteral("Job ending %1").arg(endText)});
}

QStringList remainingEnds()
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral("SELECT strActEndDateTime FROM tblPlanner;"));
    QStringList ends;
    while (rows.next())
        ends << rows.columnText(0);
    return ends;
}

qint64 freePages()
{
    Connection db = OpenDatabase();
    return db.exec(QStringLiteral("PRAGMA freelist_count;")).columnInt(0);
}

// Leaves free pages in the file, so a compaction shows.
void makeFreePages()
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("CREATE TABLE tblScratch(x TEXT);"));
    for (int i = 0; i < 200; ++i)
        db.exec(QStringLiteral("INSERT INTO tblScratch VALUES (?);"), {QString(500, QLatin1Char('x'))});
    db.exec(QStringLiteral("DROP TABLE tblScratch;"));
}

struct ProgressLog {
    QStringList events;
    CleanUpProgress callbacks()
    {
        return {[this](const QString& caption) { events << QStringLiteral("show ") + caption; },
                [this] { events << QStringLiteral("hide"); }};
    }
};

} // namespace

class TestPlannerCleanUp : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::freshDatabase();
        SetClockForTesting(kNow);
        // The sample activities are dated around the real today.
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblPlanner;"));
    }
    void cleanup() { SetClockForTesting(QDateTime()); }

    void removalAges_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<int>("days");
        QTest::newRow("keep") << qint64(0) << 0;
        QTest::newRow("one day") << qint64(1) << 1;
        QTest::newRow("thirty days") << qint64(2) << 30;
        QTest::newRow("a year is 360 days") << qint64(3) << 360;
        QTest::newRow("unknown code keeps") << qint64(4) << 0;
        QTest::newRow("negative code keeps") << qint64(-1) << 0;
    }
    void removalAges()
    {
        QFETCH(qint64, code);
        QFETCH(int, days);
        QCOMPARE(RemovalAgeInDays(code), days);
    }

    // The cut-off is today at midnight minus the age: an activity that ended exactly
    // then goes, one that ended a second later stays.
    void cutOffBoundary_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("goes");
        QTest::addColumn<QString>("stays");
        QTest::newRow("one day") << qint64(1) << QStringLiteral("3/13/2011") << QStringLiteral("3/13/2011 12:00:01 AM");
        QTest::newRow("thirty days") << qint64(2) << QStringLiteral("2/12/2011") << QStringLiteral("2/12/2011 8:00:00 AM");
        QTest::newRow("a year") << qint64(3) << QStringLiteral("3/19/2010") << QStringLiteral("3/19/2010 11:59:59 PM");
        QTest::newRow("thirty days, long before") << qint64(2) << QStringLiteral("1/2/2009 5:00:00 PM") << QStringLiteral("3/14/2011");
    }
    void cutOffBoundary()
    {
        QFETCH(qint64, code);
        QFETCH(QString, goes);
        QFETCH(QString, stays);
        setRemovalCode(code);
        addActivity(goes, 3);
        addActivity(stays, 2);
        makeFreePages();
        QVERIFY(freePages() > 0);

        ProgressLog progress;
        CleanUpPlanner(progress.callbacks());

        QCOMPARE(remainingEnds(), (QStringList{stays, stays}));
        QCOMPARE(progress.events, (QStringList{QStringLiteral("show Cleaning Database..."), QStringLiteral("hide")}));
        QCOMPARE(freePages(), 0);
    }

    void keepingEverythingReadsNoActivityAndDoesNotCompact()
    {
        setRemovalCode(0);
        addActivity(QStringLiteral("1/1/2001"));
        // An end no regional format reads: reading the activities would raise.
        addActivity(QStringLiteral("not a date"));
        makeFreePages();
        const qint64 before = freePages();
        QVERIFY(before > 0);

        ProgressLog progress;
        CleanUpPlanner(progress.callbacks());

        QCOMPARE(remainingEnds().size(), 2);
        QVERIFY(progress.events.isEmpty());
        QCOMPARE(freePages(), before);
    }

    void unreadableEndRemovesNothing()
    {
        setRemovalCode(2);
        addActivity(QStringLiteral("1/1/2001"));
        addActivity(QStringLiteral("2011-01-01 17:00"));
        ProgressLog progress;
        try {
            CleanUpPlanner(progress.callbacks());
            QFAIL("an unreadable end must raise");
        } catch (const ConversionError& error) {
            QCOMPARE(error.text(), QStringLiteral("'2011-01-01 17:00' is not a valid date and time"));
        }
        QCOMPARE(remainingEnds().size(), 2);
        // The busy window does not stay up after the error.
        QCOMPARE(progress.events.last(), QStringLiteral("hide"));
    }
};

VELMAR_TEST_MAIN(TestPlannerCleanUp)
#include "tst_plannercleanup.moc"
