#include "planner/gui/PlannerCalendarTable.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Paints the cell colour over the whole cell and the text 2 pixels in from its top-left
// corner; the current day gets a frame instead of a fill, so its colour still shows.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(PlannerCalendarTable* table) : QStyledItemDelegate(table), m_table(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->fillRect(option.rect, m_table->cellColor(index.row(), index.column()));
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->setPen(option.palette.color(QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, text);
        if (index.row() > 0 && (option.state & QStyle::State_Selected) && !text.isEmpty()) {
            QPen frame(option.palette.color(QPalette::Highlight));
            frame.setWidth(2);
            painter->setPen(frame);
            painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }

private:
    PlannerCalendarTable* m_table;
};

} // namespace

PlannerCalendarTable::PlannerCalendarTable(QWidget* parent) : QTableWidget(parent)
{
    setColumnCount(CalendarGrid::kColumns);
    setRowCount(2);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setItemDelegate(new CellDelegate(this));
    m_paints = {palette().color(QPalette::Base), Qt::lightGray, Qt::yellow, Qt::red, palette().color(QPalette::Button)};
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { onCurrentCellChanged(row, column); });
}

QColor PlannerCalendarTable::cellColor(int row, int column) const
{
    if (row < 0 || row >= m_grid.rows || column < 0 || column >= CalendarGrid::kColumns)
        return m_paints[int(CellPaint::Grid)];
    return m_paints[int(PaintOfCell(m_grid, row, column))];
}

void PlannerCalendarTable::showMonth(const CalendarGrid& grid, const QStringList& dayNames, int selectedDay)
{
    m_showing = true;
    m_grid = grid;
    clearContents();
    setRowCount(grid.rows);
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < CalendarGrid::kColumns; ++column) {
            const int day = grid.cell(row, column).day;
            QString text;
            if (row == 0)
                text = dayNames.value(column);
            else if (day > 0)
                text = QString::number(day);
            auto* item = new QTableWidgetItem(text);
            Qt::ItemFlags flags = Qt::ItemIsEnabled;
            if (row > 0 && day > 0)
                flags |= Qt::ItemIsSelectable;
            item->setFlags(flags);
            setItem(row, column, item);
        }
    }
    const auto [row, column] = grid.position(selectedDay);
    if (row > 0)
        setCurrentCell(row, column);
    fitCells();
    viewport()->update();
    m_showing = false;
}

void PlannerCalendarTable::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    fitCells();
}

void PlannerCalendarTable::fitCells()
{
    const int width = CalendarColumnWidth(this->width());
    const int height = CalendarRowHeight(this->height(), rowCount());
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, width);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, height);
}

void PlannerCalendarTable::onCurrentCellChanged(int row, int column)
{
    if (m_showing || row <= 0 || row >= m_grid.rows || column < 0)
        return;
    const int day = m_grid.cell(row, column).day;
    if (day > 0)
        emit daySelected(day);
}
