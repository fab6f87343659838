#include "app/Clock.h"
#include "app/PlannerCleanUp.h"
#include "app/Regional.h"
#include "data/Database.h"
#include "planner/ActivityStore.h"
#include "support/TestEnvironment.h"

#include <ctime>

namespace {

struct StoredRow {
    qint64 id;
    qint64 master;
    int year;
    int dayOfYear;
    QString start;
    QString end;
    QString activity;
    QString priority;
    QString note;
};

std::vector<StoredRow> storedRows()
{
    Connection db = OpenDatabase();
    Statement& s = db.prepare(QStringLiteral(
        "SELECT intActID,intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,strActEndDateTime,"
        "strActivity,strActPriority,strActNote FROM tblPlanner ORDER BY intActID;"));
    std::vector<StoredRow> rows;
    while (s.next())
        rows.push_back({s.columnInt(0), s.columnInt(1), int(s.columnInt(2)), int(s.columnInt(3)), s.columnText(4),
                        s.columnText(5), s.columnText(6), s.columnText(7), s.columnText(8)});
    return rows;
}

TrecActivityEdit activity(const QDateTime& start, const QDateTime& end, const QString& text = QStringLiteral("Paint"))
{
    TrecActivityEdit a;
    a.start = start;
    a.end = end;
    a.activity = text;
    return a;
}

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return Regional::WallClock(QDate(year, month, day), QTime(hour, minute));
}

QList<int> daysOf(const std::vector<StoredRow>& rows)
{
    QList<int> days;
    for (const StoredRow& row : rows)
        days << row.year * 1000 + row.dayOfYear;
    return days;
}

QStringList listed(const std::vector<ActivityRow>& rows)
{
    QStringList out;
    for (const ActivityRow& row : rows)
        out << row.activity + QLatin1Char('@') + Regional::FormatShortDate(row.listedDay);
    return out;
}

std::vector<ActivityRow> listMonth(const QDate& day, PlannerView view = PlannerView::Month)
{
    return ListActivities(ViewRange(day, view), SearchPlannerActivity(day.year()), view);
}

void setZone(const QByteArray& zone)
{
    if (zone.isEmpty())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}

} // namespace

class TestActivityStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        TestEnvironment::freshDatabase();
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblPlanner;"));
    }
    void cleanup()
    {
        setZone(QByteArray());
        SetClockForTesting(QDateTime());
    }

    void aMultiDayActivityIsOneRowPerDay()
    {
        const qint64 master = SaveActivity(activity(at(2011, 3, 14, 9), at(2011, 3, 16, 17)));
        const auto rows = storedRows();
        QCOMPARE(daysOf(rows), (QList<int>{2011073, 2011074, 2011075}));
        QCOMPARE(master, rows.front().id);
        for (const StoredRow& row : rows) {
            QCOMPARE(row.master, master);
            QCOMPARE(row.start, QStringLiteral("3/14/2011 9:00:00 AM"));
            QCOMPARE(row.end, QStringLiteral("3/16/2011 5:00:00 PM"));
            QCOMPARE(row.priority, QStringLiteral("0"));
        }
        // Marked on the three days and listed once for each.
        const DayMarks marks = SearchPlannerActivity(2011);
        QVERIFY(marks.activity[73] && marks.activity[74] && marks.activity[75]);
        QVERIFY(!marks.activity[72] && !marks.activity[76]);
        QVERIFY(!marks.priority[73]);
        QCOMPARE(listed(listMonth(QDate(2011, 3, 1))),
                 (QStringList{"Paint@3/14/2011", "Paint@3/15/2011", "Paint@3/16/2011"}));
    }

    // Calendar days from the start date to the end date, whatever the times of day.
    void dayRows_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QString>("startText");
        QTest::addColumn<QString>("endText");
        QTest::newRow("end earlier in the day") << at(2011, 3, 14, 9) << at(2011, 3, 16, 8)
                                                << QList<int>{2011073, 2011074, 2011075}
                                                << "3/14/2011 9:00:00 AM" << "3/16/2011 8:00:00 AM";
        QTest::newRow("one moment") << at(2011, 3, 15, 8) << at(2011, 3, 15, 8) << QList<int>{2011074}
                                    << "3/15/2011 8:00:00 AM" << "3/15/2011 8:00:00 AM";
        QTest::newRow("midnight has no time") << at(2011, 3, 15) << at(2011, 3, 16) << QList<int>{2011074, 2011075}
                                              << "3/15/2011" << "3/16/2011";
        QTest::newRow("across the year") << at(2011, 12, 31, 10) << at(2012, 1, 1, 10) << QList<int>{2011365, 2012001}
                                         << "12/31/2011 10:00:00 AM" << "1/1/2012 10:00:00 AM";
        QTest::newRow("leap year's last day") << at(2012, 12, 31, 10) << at(2013, 1, 1, 10)
                                              << QList<int>{2012366, 2013001}
                                              << "12/31/2012 10:00:00 AM" << "1/1/2013 10:00:00 AM";
    }
    void dayRows()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(QList<int>, days);
        QFETCH(QString, startText);
        QFETCH(QString, endText);
        SaveActivity(activity(start, end));
        const auto rows = storedRows();
        QCOMPARE(daysOf(rows), days);
        QCOMPARE(rows.front().start, startText);
        QCOMPARE(rows.back().end, endText);
    }

    void anEditedActivityReplacesItsRowsUnderANewMasterNumber()
    {
        const qint64 other = SaveActivity(activity(at(2011, 3, 1, 8), at(2011, 3, 1, 9), QStringLiteral("Other")));
        TrecActivityEdit edited = activity(at(2011, 3, 14, 9), at(2011, 3, 16, 17));
        edited.masterId = QString::number(SaveActivity(edited));
        edited.start = at(2011, 3, 20, 7);
        edited.end = at(2011, 3, 21, 7);
        edited.activity = QStringLiteral("Paint \"the\" O'Neil porch");
        edited.priority = true;
        edited.notes = QStringLiteral("Two coats\r\nsouth side");
        // SQLite may hand out the number of a row just deleted again; the master is the first new row's.
        const qint64 master = SaveActivity(edited);

        const auto rows = storedRows();
        QCOMPARE(daysOf(rows), (QList<int>{2011060, 2011079, 2011080}));
        QCOMPARE(rows[0].master, other);
        QCOMPARE(rows[1].id, master);
        QCOMPARE(rows[2].master, master);
        QCOMPARE(rows[2].activity, edited.activity);
        QCOMPARE(rows[2].note, edited.notes);
        QCOMPARE(rows[2].priority, QStringLiteral("-1"));
        QVERIFY(SearchPlannerActivity(2011).priority[80]);
    }

    // The old rows go only together with all new rows arriving.
    void aSaveThatFailsPartWayKeepsTheOldRows()
    {
        TrecActivityEdit edited = activity(at(2011, 3, 1, 8), at(2011, 3, 2, 8), QStringLiteral("Before"));
        edited.masterId = QString::number(SaveActivity(edited));
        const auto before = storedRows();
        OpenDatabase().exec(QStringLiteral(
            "CREATE TRIGGER tgrFull BEFORE INSERT ON tblPlanner WHEN NEW.intActDayOfYear = 75 "
            "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END;"));
        edited.activity = QStringLiteral("After");
        edited.start = at(2011, 3, 14, 9);
        edited.end = at(2011, 3, 16, 17);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SaveActivity(edited));
        const auto after = storedRows();
        QCOMPARE(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i) {
            QCOMPARE(after[i].id, before[i].id);
            QCOMPARE(after[i].activity, QStringLiteral("Before"));
        }
    }

    void deleteRemovesEveryRowOfTheActivity()
    {
        const qint64 kept = SaveActivity(activity(at(2011, 3, 1, 8), at(2011, 3, 1, 9)));
        const qint64 gone = SaveActivity(activity(at(2011, 3, 14, 9), at(2011, 3, 16, 17)));
        DeleteActivity(QString::number(gone));
        const auto rows = storedRows();
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].master, kept);
        QVERIFY_THROWS_EXCEPTION(ConversionError, DeleteActivity(QStringLiteral("1 OR 1=1")));
        QCOMPARE(storedRows().size(), size_t(1));
    }

    // A multi-day activity sorts at its own first day; the day view sorts by time too.
    void listOrder()
    {
        SaveActivity(activity(at(2011, 3, 15, 14), at(2011, 3, 15, 15), QStringLiteral("Afternoon")));
        SaveActivity(activity(at(2011, 3, 15, 7), at(2011, 3, 15, 8), QStringLiteral("Morning")));
        SaveActivity(activity(at(2011, 3, 14, 9), at(2011, 3, 16, 17), QStringLiteral("Long")));
        QCOMPARE(listed(listMonth(QDate(2011, 3, 15), PlannerView::Day)),
                 (QStringList{"Long@3/15/2011", "Morning@3/15/2011", "Afternoon@3/15/2011"}));
        QCOMPARE(listed(listMonth(QDate(2011, 3, 15), PlannerView::Week)),
                 (QStringList{"Long@3/14/2011", "Long@3/15/2011", "Long@3/16/2011", "Afternoon@3/15/2011",
                              "Morning@3/15/2011"}));
        // Another month's rows stay out.
        SaveActivity(activity(at(2011, 4, 1, 9), at(2011, 4, 1, 10), QStringLiteral("April")));
        QCOMPARE(listMonth(QDate(2011, 3, 1)).size(), size_t(5));
    }

    // The planner lists from a year read once; it must mark and list exactly as the queries do.
    void theYearReadOnceMarksAndListsAsTheQueries()
    {
        SaveActivity(activity(at(2011, 3, 15, 14), at(2011, 3, 15, 15), QStringLiteral("Afternoon")));
        SaveActivity(activity(at(2011, 3, 14, 9), at(2011, 3, 16, 17), QStringLiteral("Long")));
        TrecActivityEdit urgent = activity(at(2011, 3, 20, 8), at(2011, 3, 20, 9), QStringLiteral("Urgent"));
        urgent.priority = true;
        SaveActivity(urgent);
        SaveActivity(activity(at(2011, 12, 31, 9), at(2012, 1, 1, 9), QStringLiteral("New Year")));
        // Priority texts the program never writes: empty marks priority, NULL does not.
        OpenDatabase().exec(QStringLiteral(
            "INSERT INTO tblPlanner(intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,strActEndDateTime,"
            "strActivity,strActPriority,strActNote) VALUES (90,2011,80,'3/21/2011 8:00:00 AM','3/21/2011 9:00:00 AM',"
            "'Empty','',''),(91,2011,81,'3/22/2011 8:00:00 AM','3/22/2011 9:00:00 AM','Null',NULL,'');"));
        const YearActivities year = ReadYearActivities(2011);
        const DayMarks marks = SearchPlannerActivity(2011);
        for (int day = 1; day <= 366; ++day) {
            QCOMPARE(year.marks.activity[day], marks.activity[day]);
            QCOMPARE(year.marks.priority[day], marks.priority[day]);
        }
        QVERIFY(year.marks.priority[80] && !year.marks.priority[81]);
        for (const QDate& day : {QDate(2011, 3, 15), QDate(2011, 3, 22), QDate(2011, 12, 31)})
            for (PlannerView view : {PlannerView::Day, PlannerView::Week, PlannerView::Month})
                QCOMPARE(listed(ListActivities(ViewRange(day, view), year, view)), listed(listMonth(day, view)));
        QVERIFY(ListActivities(ViewRange(QDate(2012, 1, 1), PlannerView::Day), year, PlannerView::Day).empty());
    }

    void aListedRowOpensAsItsActivity()
    {
        TrecActivityEdit saved = activity(at(2011, 3, 14, 9), at(2011, 3, 16, 17));
        saved.priority = true;
        saved.notes = QStringLiteral("a\r\nb");
        const qint64 master = SaveActivity(saved);
        const auto rows = listMonth(QDate(2011, 3, 15), PlannerView::Day);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(ListDateTimeText(rows[0].startText), QStringLiteral("3/14/2011 9:00 AM"));
        const TrecActivityEdit opened = ActivityOfRow(rows[0]);
        QCOMPARE(opened.start, saved.start);
        QCOMPARE(opened.end, saved.end);
        QVERIFY(opened.priority);
        QCOMPARE(opened.notes, saved.notes);
        QCOMPARE(opened.masterId, QString::number(master));

        ActivityRow broken = rows[0];
        broken.startText = QStringLiteral("14.03.2011 09:00");
        QVERIFY_THROWS_EXCEPTION(ConversionError, ActivityOfRow(broken));
        QCOMPARE(ListDateTimeText(broken.startText), broken.startText);
    }

    // Wall-clock texts read, step and compare alike in every zone, also across a change.
    void daylightSavingChanges_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QString>("endText");
        QTest::addColumn<QList<int>>("days");
        QTest::newRow("New York, end in the spring gap")
            << QByteArray("America/New_York") << at(2024, 3, 9, 22) << at(2024, 3, 10, 2, 30)
            << "3/10/2024 2:30:00 AM" << QList<int>{2024069, 2024070};
        QTest::newRow("New York, across the fall change")
            << QByteArray("America/New_York") << at(2024, 11, 2, 23) << at(2024, 11, 4, 1, 30)
            << "11/4/2024 1:30:00 AM" << QList<int>{2024307, 2024308, 2024309};
        QTest::newRow("Santiago, midnight that does not exist")
            << QByteArray("America/Santiago") << at(2024, 9, 7, 20) << at(2024, 9, 8)
            << "9/8/2024" << QList<int>{2024251, 2024252};
        QTest::newRow("Santiago, spanning the change")
            << QByteArray("America/Santiago") << at(2024, 9, 7) << at(2024, 9, 9, 8)
            << "9/9/2024 8:00:00 AM" << QList<int>{2024251, 2024252, 2024253};
    }
    void daylightSavingChanges()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(QString, endText);
        QFETCH(QList<int>, days);
        setZone(zone);

        SaveActivity(activity(start, end));
        const auto rows = storedRows();
        QCOMPARE(daysOf(rows), days);
        QCOMPARE(rows.front().end, endText);
        QCOMPARE(Regional::ParseDateTime(rows.front().start), start);
        QCOMPARE(Regional::ParseDateTime(endText), end);

        // Listed on each of its days and read back for the editor.
        const auto listedRows = listMonth(start.date());
        QCOMPARE(listedRows.size(), size_t(days.size()));
        const TrecActivityEdit opened = ActivityOfRow(listedRows.front());
        QCOMPARE(opened.end, end);

        // The clean-up reads every end, and removes this activity once it is old enough.
        OpenDatabase().exec(QStringLiteral("UPDATE tblPlannerSettings SET intRemoveActivity = 1;"));
        SetClockForTesting(QDateTime(end.date(), QTime(9, 0)));
        CleanUpPlanner();
        QCOMPARE(storedRows().size(), days.size());
        SetClockForTesting(QDateTime(end.date().addDays(2), QTime(9, 0)));
        CleanUpPlanner();
        QCOMPARE(storedRows().size(), size_t(0));
    }

    void wallClockTextsReadBackInEveryZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("New York") << QByteArray("America/New_York");
        QTest::newRow("Santiago") << QByteArray("America/Santiago");
    }
    void wallClockTextsReadBackInEveryZone()
    {
        QFETCH(QByteArray, zone);
        setZone(zone);
        // Every quarter hour of both change days of 2024 reads back as written.
        for (const QDate& day : {QDate(2024, 3, 10), QDate(2024, 11, 3), QDate(2024, 4, 7), QDate(2024, 9, 8)}) {
            for (int minutes = 0; minutes < 24 * 60; minutes += 15) {
                const QDateTime moment = Regional::WallClock(day, QTime(minutes / 60, minutes % 60));
                const QString text = Regional::FormatActivityDateTime(moment);
                QCOMPARE(Regional::ParseDateTime(text), moment);
            }
        }
    }
};

VELMAR_TEST_MAIN(TestActivityStore)
#include "tst_activitystore.moc"
