#include "planner/PlannerCalendar.h"
#include "planner/PlannerViews.h"
#include "support/TestEnvironment.h"

Q_DECLARE_METATYPE(PlannerView)
Q_DECLARE_METATYPE(CellPaint)

class TestPlannerCalendar : public QObject {
    Q_OBJECT

private slots:
    void viewRanges_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<PlannerView>("view");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        const auto week = PlannerView::Week;
        QTest::newRow("day") << QDate(2011, 3, 2) << PlannerView::Day << QDate(2011, 3, 2) << QDate(2011, 3, 2);
        QTest::newRow("week cut at the month's start") << QDate(2011, 3, 2) << week << QDate(2011, 3, 1) << QDate(2011, 3, 5);
        QTest::newRow("week cut at the month's end") << QDate(2011, 3, 31) << week << QDate(2011, 3, 27) << QDate(2011, 3, 31);
        QTest::newRow("whole week, Sunday") << QDate(2011, 3, 13) << week << QDate(2011, 3, 13) << QDate(2011, 3, 19);
        QTest::newRow("whole week, Saturday") << QDate(2011, 3, 19) << week << QDate(2011, 3, 13) << QDate(2011, 3, 19);
        QTest::newRow("1st on a Saturday") << QDate(2011, 1, 1) << week << QDate(2011, 1, 1) << QDate(2011, 1, 1);
        QTest::newRow("last on a Sunday") << QDate(2011, 7, 31) << week << QDate(2011, 7, 31) << QDate(2011, 7, 31);
        QTest::newRow("month") << QDate(2011, 2, 15) << PlannerView::Month << QDate(2011, 2, 1) << QDate(2011, 2, 28);
        QTest::newRow("leap month") << QDate(2012, 2, 29) << PlannerView::Month << QDate(2012, 2, 1) << QDate(2012, 2, 29);
    }
    void viewRanges()
    {
        QFETCH(QDate, selected);
        QFETCH(PlannerView, view);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const DayRange range = ViewRange(selected, view);
        QCOMPARE(range.first, first);
        QCOMPARE(range.last, last);
    }

    void monthSteps_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("to");
        QTest::newRow("back from 31 March") << QDate(2011, 3, 31) << -1 << QDate(2011, 2, 28);
        QTest::newRow("back from 31 March, leap year") << QDate(2012, 3, 31) << -1 << QDate(2012, 2, 29);
        QTest::newRow("keeps the day") << QDate(2011, 3, 15) << 1 << QDate(2011, 4, 15);
        QTest::newRow("31st into a 30-day month") << QDate(2011, 5, 31) << 1 << QDate(2011, 6, 30);
        QTest::newRow("forward across the year") << QDate(2011, 12, 31) << 1 << QDate(2012, 1, 31);
        QTest::newRow("back across the year") << QDate(2012, 1, 15) << -1 << QDate(2011, 12, 15);
    }
    void monthSteps()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, to);
        QCOMPARE(StepMonth(from, months), to);
    }

    // Rows count the heading row; the 1st sits in its weekday's column, Sunday first.
    void calendarShape_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("lastColumn");
        QTest::newRow("February 2011 starts on a Tuesday") << QDate(2011, 2, 10) << 6 << 2 << 5 << 1;
        QTest::newRow("31 days from a Saturday") << QDate(2011, 1, 1) << 7 << 6 << 6 << 1;
        QTest::newRow("28 days from a Sunday") << QDate(2015, 2, 1) << 5 << 0 << 4 << 6;
        QTest::newRow("ends on a Saturday") << QDate(2011, 4, 30) << 6 << 5 << 5 << 6;
    }
    void calendarShape()
    {
        QFETCH(QDate, month);
        QFETCH(int, rows);
        QFETCH(int, firstColumn);
        QFETCH(int, lastRow);
        QFETCH(int, lastColumn);
        const CalendarGrid grid = BuildCalendar(month, DayMarks());
        QCOMPARE(grid.rows, rows);
        QCOMPARE(grid.position(1), std::make_pair(1, firstColumn));
        QCOMPARE(grid.position(month.daysInMonth()), std::make_pair(lastRow, lastColumn));
        // Every day appears once, in order, and the heading row holds none.
        int expected = 1;
        for (int row = 0; row < grid.rows; ++row)
            for (int column = 0; column < 7; ++column)
                if (const int day = grid.cell(row, column).day) {
                    QVERIFY(row > 0);
                    QCOMPARE(day, expected++);
                }
        QCOMPARE(expected, month.daysInMonth() + 1);
    }

    void cellsTakeTheMarksOfTheirDays()
    {
        DayMarks marks;
        // 14 March 2011 is day 73; 1 April is day 91.
        marks.activity[73] = marks.priority[73] = true;
        marks.activity[74] = true;
        marks.activity[91] = true;
        const CalendarGrid march = BuildCalendar(QDate(2011, 3, 1), marks);
        const auto [row14, column14] = march.position(14);
        QVERIFY(march.cell(row14, column14).priority);
        const auto [row15, column15] = march.position(15);
        QVERIFY(march.cell(row15, column15).activity);
        QVERIFY(!march.cell(row15, column15).priority);
        const auto [row31, column31] = march.position(31);
        QVERIFY(!march.cell(row31, column31).activity);
        const CalendarGrid april = BuildCalendar(QDate(2011, 4, 20), marks);
        const auto [row1, column1] = april.position(1);
        QVERIFY(april.cell(row1, column1).activity);
    }

    void cellPaints_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("activity");
        QTest::addColumn<bool>("priority");
        QTest::addColumn<CellPaint>("paint");
        // March 2011: the 5th is a Saturday, the 6th a Sunday, the 8th a Tuesday.
        QTest::newRow("plain weekday") << 8 << false << false << CellPaint::Grid;
        QTest::newRow("plain Sunday") << 6 << false << false << CellPaint::Weekend;
        QTest::newRow("Saturday with an activity") << 5 << true << false << CellPaint::Activity;
        QTest::newRow("mixed day") << 8 << true << true << CellPaint::Priority;
        QTest::newRow("high-priority Sunday") << 6 << true << true << CellPaint::Priority;
    }
    void cellPaints()
    {
        QFETCH(int, day);
        QFETCH(bool, activity);
        QFETCH(bool, priority);
        QFETCH(CellPaint, paint);
        DayMarks marks;
        const int dayOfYear = QDate(2011, 3, day).dayOfYear();
        marks.activity[dayOfYear] = activity;
        marks.priority[dayOfYear] = priority;
        const CalendarGrid grid = BuildCalendar(QDate(2011, 3, 1), marks);
        const auto [row, column] = grid.position(day);
        QCOMPARE(PaintOfCell(grid, row, column), paint);
        for (int headingColumn = 0; headingColumn < 7; ++headingColumn)
            QCOMPARE(PaintOfCell(grid, 0, headingColumn), CellPaint::Header);
        // Empty cells of the weekend columns are weekend too.
        QCOMPARE(PaintOfCell(grid, 1, 0), CellPaint::Weekend);
    }

    void cellSizes()
    {
        QCOMPARE(CalendarColumnWidth(290), 40);
        QCOMPARE(CalendarColumnWidth(296), 40);
        QCOMPARE(CalendarColumnWidth(297), 41);
        QCOMPARE(CalendarRowHeight(300, 6), 48);
        QCOMPARE(CalendarRowHeight(300, 7), 41);
        QCOMPARE(CalendarColumnWidth(5), 0);
    }

    void listColumnWidths_data()
    {
        QTest::addColumn<PlannerView>("view");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("shown");  // Date, Activity Start, Activity End, Activity
        QTest::newRow("day") << PlannerView::Day << 1000 << QList<int>{0, 240, 240, 500};
        QTest::newRow("week, wide") << PlannerView::Week << 1000 << QList<int>{150, 210, 210, 420};
        QTest::newRow("month at 500") << PlannerView::Month << 500 << QList<int>{75, 105, 105, 210};
        QTest::newRow("month, narrow") << PlannerView::Month << 499 << QList<int>{75, 95, 95, 225};
        QTest::newRow("rounded to pixels") << PlannerView::Week << 333 << QList<int>{50, 63, 63, 150};
    }
    void listColumnWidths()
    {
        QFETCH(PlannerView, view);
        QFETCH(int, width);
        QFETCH(QList<int>, shown);
        const auto widths = ListColumnWidths(view, width);
        QCOMPARE((QList<int>{widths[PlannerList::ColDate], widths[PlannerList::ColActivityStart], widths[PlannerList::ColActivityEnd], widths[PlannerList::ColActivity]}),
                 shown);
        for (int column = 0; column < PlannerList::ListColumnCount; ++column)
            if (IsHiddenListColumn(column))
                QCOMPARE(widths[column], 0);
    }
};

VELMAR_TEST_MAIN(TestPlannerCalendar)
#include "tst_plannercalendar.moc"
