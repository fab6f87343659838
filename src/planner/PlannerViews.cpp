#include "planner/PlannerViews.h"

#include <cmath>

DayRange ViewRange(const QDate& selected, PlannerView view)
{
    const int year = selected.year();
    const int month = selected.month();
    const int lastOfMonth = selected.daysInMonth();
    switch (view) {
    case PlannerView::Day:
        return {selected, selected};
    case PlannerView::Week: {
        const int day = selected.day();
        const int weekday = selected.dayOfWeek() % 7 + 1;  // Sunday 1 to Saturday 7
        const int first = day > weekday ? day - weekday + 1 : 1;
        const int last = qMin(day - weekday + 7, lastOfMonth);
        return {QDate(year, month, first), QDate(year, month, last)};
    }
    case PlannerView::Month:
        break;
    }
    return {QDate(year, month, 1), QDate(year, month, lastOfMonth)};
}

QDate StepMonth(const QDate& selected, int months)
{
    // addMonths keeps the day, or falls back to the last day of a shorter month.
    return selected.addMonths(months);
}

bool IsHiddenListColumn(int column)
{
    return column == PlannerList::ColStartText || column == PlannerList::ColEndText || column >= PlannerList::ColNote;
}

std::array<int, PlannerList::ListColumnCount> ListColumnWidths(PlannerView view, int listWidth)
{
    std::array<int, PlannerList::ListColumnCount> widths{};
    auto share = [listWidth](int percent) { return int(std::lround(listWidth * percent / 100.0)); };
    if (view == PlannerView::Day) {
        widths[PlannerList::ColActivityStart] = share(24);
        widths[PlannerList::ColActivityEnd] = share(24);
        widths[PlannerList::ColActivity] = share(50);
    } else if (listWidth >= 500) {
        widths[PlannerList::ColDate] = share(15);
        widths[PlannerList::ColActivityStart] = share(21);
        widths[PlannerList::ColActivityEnd] = share(21);
        widths[PlannerList::ColActivity] = share(42);
    } else {
        widths[PlannerList::ColDate] = share(15);
        widths[PlannerList::ColActivityStart] = share(19);
        widths[PlannerList::ColActivityEnd] = share(19);
        widths[PlannerList::ColActivity] = share(45);
    }
    return widths;
}
