#include "planner/PlannerCalendar.h"

#include <QtGlobal>

std::pair<int, int> CalendarGrid::position(int day) const
{
    for (int row = 1; row < rows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (cells[row][column].day == day)
                return {row, column};
    return {-1, -1};
}

CalendarGrid BuildCalendar(const QDate& anyDay, const DayMarks& marks)
{
    CalendarGrid grid;
    const QDate first(anyDay.year(), anyDay.month(), 1);
    // Qt counts Monday 1 to Sunday 7; the calendar starts on Sunday.
    int column = first.dayOfWeek() % 7;
    int row = 1;
    int dayOfYear = first.dayOfYear();
    const int days = first.daysInMonth();
    for (int day = 1; day <= days; ++day, ++dayOfYear) {
        CalendarCell& cell = grid.cells[row][column];
        cell.day = day;
        cell.activity = marks.activity[dayOfYear];
        cell.priority = marks.priority[dayOfYear];
        if (column == 6) {
            column = 0;
            ++row;
            if (day < days)
                ++grid.rows;
        } else {
            ++column;
        }
    }
    return grid;
}

CellPaint PaintOfCell(const CalendarGrid& grid, int row, int column)
{
    if (row == 0)
        return CellPaint::Header;
    const CalendarCell& cell = grid.cell(row, column);
    if (cell.priority)
        return CellPaint::Priority;
    if (cell.activity)
        return CellPaint::Activity;
    if (column == 0 || column == 6)
        return CellPaint::Weekend;
    return CellPaint::Grid;
}

int CalendarColumnWidth(int gridWidth)
{
    return qMax(0, (gridWidth - 10) / 7);
}

int CalendarRowHeight(int gridHeight, int rows)
{
    return rows > 0 ? qMax(0, (gridHeight - 10) / rows) : 0;
}
