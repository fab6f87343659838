#pragma once

#include <QDate>
#include <array>

// Which days of one year have activities: index 1 to 366 is the day of the year.
struct DayMarks {
    std::array<bool, 367> activity{};
    std::array<bool, 367> priority{};
};

struct CalendarCell {
    int day = 0;  // 0: an empty cell
    bool activity = false;
    bool priority = false;
};

// The month calendar: row 0 holds the day names, rows 1 to 6 the weeks, columns run
// Sunday (0) to Saturday (6).
struct CalendarGrid {
    static constexpr int kColumns = 7;
    static constexpr int kMaxRows = 7;
    int rows = 2;  // the heading row included
    std::array<std::array<CalendarCell, kColumns>, kMaxRows> cells{};

    const CalendarCell& cell(int row, int column) const { return cells[row][column]; }
    // The cell that shows a day of the month.
    std::pair<int, int> position(int day) const;
};

// Builds the calendar of the month of `anyDay`, taking each day's marks from the year's.
// Only the marks of the month's own year apply.
CalendarGrid BuildCalendar(const QDate& anyDay, const DayMarks& marks);

// What a cell is painted with. Later kinds win: weekend, then activity, then
// priority, and the heading row always in the heading colour.
enum class CellPaint { Grid, Weekend, Activity, Priority, Header };
CellPaint PaintOfCell(const CalendarGrid& grid, int row, int column);

// Cell sizes in whole pixels for a grid of the given size.
int CalendarColumnWidth(int gridWidth);
int CalendarRowHeight(int gridHeight, int rows);
