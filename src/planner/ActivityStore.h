#pragma once

#include "planner/PlannerCalendar.h"
#include "planner/PlannerViews.h"

#include <QDateTime>
#include <QString>
#include <vector>

// The activity handed from the planner to the activity editor. Start and end are
// wall-clock values (Regional::WallClock); notes are in stored form (CR LF).
struct TrecActivityEdit {
    QDateTime start;
    QDateTime end;
    QString activity;
    QString notes;
    bool priority = false;
    // Empty for a new activity.
    QString masterId;
};

// One row of the planner's activity list: one stored day row of an activity.
struct ActivityRow {
    QString startText;  // stored start of the whole activity
    QString endText;
    QDate listedDay;    // the day this row stands for
    QString activity;
    QString note;
    qint64 masterId = 0;
    int dayOfYear = 0;
    int year = 0;
    QString priority;
    qint64 activityId = 0;
};

// The days of a year that have activity rows, and those with a high-priority one.
DayMarks SearchPlannerActivity(int year);

// The rows of the marked days of the range, in day order, then sorted by the stored
// start of their activity: by date and time in the day view, by date alone otherwise.
// Rows whose start cannot be read sort after the others.
std::vector<ActivityRow> ListActivities(const DayRange& range, const DayMarks& marks, PlannerView view);

// Every row of a year with the marks of its days, read in one pass, so the planner
// moves between the days and months of a year without reading the table again.
struct YearActivities {
    int year = 0;
    DayMarks marks;
    std::vector<ActivityRow> rows;
};
YearActivities ReadYearActivities(int year);
// As above, from the rows of the range's year; empty for a range in another year.
std::vector<ActivityRow> ListActivities(const DayRange& range, const YearActivities& year, PlannerView view);

// The list's text of a stored date-time: short date, a blank and short time. A text
// that cannot be read is shown as it is stored.
QString ListDateTimeText(const QString& storedText);

// The editor's record of a list row. Raises ConversionError when the start, the end or
// the priority cannot be read.
TrecActivityEdit ActivityOfRow(const ActivityRow& row);
// The record of a new activity on a day.
TrecActivityEdit NewActivityOn(const QDate& day);

// How many day rows an activity gets: one per calendar day from its start date to
// its end date, at least one.
int DayRowCount(const QDateTime& start, const QDateTime& end);

// Replaces the activity's rows (when it has a master number) by one row per day, in
// one transaction, and gives the new master number: the number of the first new row.
// A failure leaves the old rows as they were.
qint64 SaveActivity(const TrecActivityEdit& activity);
// Removes every row of the activity.
void DeleteActivity(const QString& masterId);
