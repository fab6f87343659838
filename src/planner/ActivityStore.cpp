#include "planner/ActivityStore.h"

#include "app/Regional.h"
#include "data/Database.h"

#include <algorithm>
#include <map>

namespace {

qint64 MasterNumber(const QString& masterId)
{
    bool ok = false;
    const qint64 number = masterId.trimmed().toLongLong(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(masterId));
    return number;
}

QDateTime ReadStored(const QString& text)
{
    const QDateTime moment = Regional::ParseDateTime(text);
    if (!moment.isValid())
        throw ConversionError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return moment;
}

} // namespace

namespace {

constexpr const char* kRowColumns =
    "SELECT strActStartDateTime,strActEndDateTime,strActivity,strActNote,intActMasterID,"
    "intActDayOfYear,intActYear,strActPriority,intActID FROM tblPlanner ";

ActivityRow ReadRow(Statement& rows)
{
    ActivityRow row;
    row.startText = rows.columnText(0);
    row.endText = rows.columnText(1);
    row.activity = rows.columnText(2);
    row.note = rows.columnText(3);
    row.masterId = rows.columnInt(4);
    row.dayOfYear = int(rows.columnInt(5));
    row.year = int(rows.columnInt(6));
    row.priority = rows.columnText(7);
    row.activityId = rows.columnInt(8);
    return row;
}

void Mark(DayMarks& marks, int day, bool priority)
{
    if (day < 1 || day > 366)
        return;
    marks.activity[day] = true;
    if (priority)
        marks.priority[day] = true;
}

// The rows of the marked days of the range, in day order, then sorted by start.
std::vector<ActivityRow> OrderListed(const DayRange& range, const DayMarks& marks,
                                     std::map<int, std::vector<ActivityRow>>& byDay, PlannerView view)
{
    std::vector<ActivityRow> list;
    for (QDate day = range.first; day <= range.last; day = day.addDays(1)) {
        if (!marks.activity[day.dayOfYear()])
            continue;
        auto found = byDay.find(day.dayOfYear());
        if (found == byDay.end())
            continue;
        for (ActivityRow& row : found->second) {
            row.listedDay = day;
            list.push_back(std::move(row));
        }
    }

    struct Keyed {
        bool readable;
        QDateTime key;
        ActivityRow* row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(list.size());
    for (ActivityRow& row : list) {
        QDateTime start = Regional::ParseDateTime(row.startText);
        if (start.isValid() && view != PlannerView::Day)
            start = Regional::WallClock(start.date());
        keyed.push_back({start.isValid(), start, &row});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.readable != b.readable)
            return a.readable;
        return a.readable && a.key < b.key;
    });
    std::vector<ActivityRow> sorted;
    sorted.reserve(list.size());
    for (const Keyed& k : keyed)
        sorted.push_back(std::move(*k.row));
    return sorted;
}

bool ValidRange(const DayRange& range)
{
    return range.first.isValid() && range.last >= range.first;
}

} // namespace

DayMarks SearchPlannerActivity(int year)
{
    DayMarks marks;
    Connection db = OpenDatabase();
    // One pass gives both marks of every row.
    Statement& rows = db.prepare(QStringLiteral(
        "SELECT intActDayOfYear,strActPriority <> '0' FROM tblPlanner WHERE intActYear = ?;"));
    rows.bind(1, year);
    while (rows.next())
        Mark(marks, int(rows.columnInt(0)), rows.columnInt(1) != 0);
    return marks;
}

YearActivities ReadYearActivities(int year)
{
    YearActivities found;
    found.year = year;
    Connection db = OpenDatabase();
    // The last column marks priority exactly as the marks of SearchPlannerActivity do.
    Statement& rows = db.prepare(QString::fromLatin1(kRowColumns).replace(
                                     QStringLiteral(" FROM"), QStringLiteral(",strActPriority <> '0' FROM"))
                                 + QStringLiteral("WHERE intActYear = ?;"));
    rows.bind(1, year);
    found.rows.reserve(1024);
    while (rows.next()) {
        ActivityRow row = ReadRow(rows);
        Mark(found.marks, row.dayOfYear, rows.columnInt(9) != 0);
        found.rows.push_back(std::move(row));
    }
    return found;
}

std::vector<ActivityRow> ListActivities(const DayRange& range, const DayMarks& marks, PlannerView view)
{
    if (!ValidRange(range))
        return {};
    // A range never leaves its month, so one query over its days of the year does.
    std::map<int, std::vector<ActivityRow>> byDay;
    {
        Connection db = OpenDatabase();
        Statement& rows = db.prepare(QString::fromLatin1(kRowColumns)
                                     + QStringLiteral("WHERE intActYear = ? AND intActDayOfYear BETWEEN ? AND ?;"));
        rows.bindAll({range.first.year(), range.first.dayOfYear(), range.last.dayOfYear()});
        while (rows.next()) {
            ActivityRow row = ReadRow(rows);
            byDay[row.dayOfYear].push_back(std::move(row));
        }
    }
    return OrderListed(range, marks, byDay, view);
}

std::vector<ActivityRow> ListActivities(const DayRange& range, const YearActivities& year, PlannerView view)
{
    if (!ValidRange(range) || range.first.year() != year.year)
        return {};
    const int first = range.first.dayOfYear();
    const int last = range.last.dayOfYear();
    std::map<int, std::vector<ActivityRow>> byDay;
    for (const ActivityRow& row : year.rows)
        if (row.dayOfYear >= first && row.dayOfYear <= last)
            byDay[row.dayOfYear].push_back(row);
    return OrderListed(range, year.marks, byDay, view);
}

QString ListDateTimeText(const QString& storedText)
{
    const QDateTime moment = Regional::ParseDateTime(storedText);
    if (!moment.isValid())
        return storedText;
    const QLocale locale = Regional::Locale();
    return Regional::FormatShortDate(moment.date()) + QLatin1Char(' ')
           + locale.toString(moment.time(), locale.timeFormat(QLocale::ShortFormat));
}

TrecActivityEdit ActivityOfRow(const ActivityRow& row)
{
    TrecActivityEdit activity;
    activity.start = ReadStored(row.startText);
    activity.end = ReadStored(row.endText);
    activity.activity = row.activity;
    activity.notes = row.note;
    activity.priority = ReadFlag(row.priority);
    activity.masterId = QString::number(row.masterId);
    return activity;
}

TrecActivityEdit NewActivityOn(const QDate& day)
{
    TrecActivityEdit activity;
    activity.start = Regional::WallClock(day);
    activity.end = activity.start;
    return activity;
}

int DayRowCount(const QDateTime& start, const QDateTime& end)
{
    return int(qMax<qint64>(1, start.date().daysTo(end.date()) + 1));
}

qint64 SaveActivity(const TrecActivityEdit& activity)
{
    const QString startText = Regional::FormatActivityDateTime(activity.start);
    const QString endText = Regional::FormatActivityDateTime(activity.end);
    const QString priority = FlagText(activity.priority);
    const int days = DayRowCount(activity.start, activity.end);

    Connection db = OpenDatabase();
    // The old rows go only together with the new ones arriving.
    Transaction transaction(db);
    if (!activity.masterId.isEmpty())
        db.exec(QStringLiteral("DELETE FROM tblPlanner WHERE intActMasterID = ?;"),
                {MasterNumber(activity.masterId)});
    Statement& insert = db.prepare(QStringLiteral(
        "INSERT INTO tblPlanner(intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,"
        "strActEndDateTime,strActivity,strActPriority,strActNote)VALUES(?,?,?,?,?,?,?,?);"));
    qint64 master = 0;
    for (int i = 0; i < days; ++i) {
        const QDate day = activity.start.date().addDays(i);
        insert.reset();
        insert.bindAll({master, day.year(), day.dayOfYear(), startText, endText, activity.activity,
                        priority, activity.notes});
        insert.step();
        if (i == 0) {
            master = db.lastInsertId();
            db.exec(QStringLiteral("UPDATE tblPlanner SET intActMasterID = ? WHERE intActID = ?;"),
                    {master, master});
        }
    }
    transaction.commit();
    return master;
}

void DeleteActivity(const QString& masterId)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("DELETE FROM tblPlanner WHERE intActMasterID = ?;"), {MasterNumber(masterId)});
}
