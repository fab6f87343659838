#pragma once

#include <QDate>
#include <array>

// The three lists of the planner, in the order of the view chooser.
enum class PlannerView { Day = 0, Week = 1, Month = 2 };

struct DayRange {
    QDate first;
    QDate last;
};

// The days a view lists for the selected date: the day alone; its Sunday-to-Saturday
// week cut to the month; or the whole month.
DayRange ViewRange(const QDate& selected, PlannerView view);

// One month back or forward, keeping the day of the month where the month has it,
// else its last day.
QDate StepMonth(const QDate& selected, int months);

// The columns of the activity list, in order.
namespace PlannerList {
enum Column {
    ColStartText, ColEndText, ColDate, ColActivityStart, ColActivityEnd, ColActivity,
    ColNote, ColMasterId, ColDayOfYear, ColYear, ColPriority, ColActivityId, ListColumnCount
};
} // namespace PlannerList
// Columns the user never sees.
bool IsHiddenListColumn(int column);
// Whole-pixel widths of the list's columns for a view and a list width; hidden
// columns (and the date column in the day view) get 0.
std::array<int, PlannerList::ListColumnCount> ListColumnWidths(PlannerView view, int listWidth);
