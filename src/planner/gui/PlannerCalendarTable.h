#pragma once

#include "planner/PlannerCalendar.h"

#include <QColor>
#include <QStringList>
#include <QTableWidget>
#include <array>

// The month calendar grid: a heading row of day names above the weeks, each cell
// painted by its kind and the selected day framed.
class PlannerCalendarTable : public QTableWidget {
    Q_OBJECT
public:
    explicit PlannerCalendarTable(QWidget* parent = nullptr);

    // Colours by CellPaint: grid, weekend, activity, priority, heading.
    void setPaints(const std::array<QColor, 5>& paints) { m_paints = paints; }
    // Shows a month and marks its selected day, without reporting a selection.
    void showMonth(const CalendarGrid& grid, const QStringList& dayNames, int selectedDay);
    const CalendarGrid& grid() const { return m_grid; }
    // The colour a cell is painted in.
    QColor cellColor(int row, int column) const;

signals:
    // The user chose a day of the shown month.
    void daySelected(int day);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitCells();
    void onCurrentCellChanged(int row, int column);

    CalendarGrid m_grid;
    std::array<QColor, 5> m_paints;
    bool m_showing = false;
};
