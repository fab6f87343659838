#include "app/gui/WidgetLook.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>

#include <algorithm>

namespace {

// Shows a cell's whole text when the column is too narrow for it.
class WholeTextTips : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() == QEvent::ToolTip && index.isValid() && !index.data(Qt::ToolTipRole).isValid()) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            const QWidget* widget = item.widget ? item.widget : view;
            const QRect textArea = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
            if (!item.text.isEmpty() && item.fontMetrics.horizontalAdvance(item.text) > textArea.width()) {
                QToolTip::showText(event->globalPos(), item.text, view->viewport(), option.rect);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
};

class ColumnStretcher : public QObject {
public:
    static constexpr double kNarrowest = 0.75;

    explicit ColumnStretcher(QTreeView* view) : QObject(view), m_view(view)
    {
        setObjectName(QStringLiteral("columnStretcher"));
        view->header()->setStretchLastSection(false);
        view->viewport()->installEventFilter(this);
    }

    void setWidths(const std::vector<int>& widths)
    {
        m_widths = widths;
        apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_view->viewport() && event->type() == QEvent::Resize)
            apply();
        return false;
    }

private:
    void apply()
    {
        int total = 0;
        int last = -1;
        for (int column = 0; column < int(m_widths.size()); ++column) {
            m_view->setColumnHidden(column, m_widths[std::size_t(column)] == 0);
            if (m_widths[std::size_t(column)] > 0) {
                total += m_widths[std::size_t(column)];
                last = column;
            }
        }
        if (total <= 0)
            return;
        const int available = m_view->viewport()->width();
        // A little narrower than the widths still fits (a cut cell shows its text as a tool
        // tip); much narrower, the columns keep a usable width and the list scrolls.
        const double scale = qMax(kNarrowest, double(available) / total);
        const bool fits = scale * total <= available + 0.5;
        int used = 0;
        for (int column = 0; column <= last; ++column) {
            const int width = m_widths[std::size_t(column)];
            if (width == 0)
                continue;
            // The last column takes what rounding left, so the columns fill the view exactly.
            const int shown = column == last && fits ? available - used : int(width * scale);
            m_view->setColumnWidth(column, shown);
            used += shown;
        }
    }

    QTreeView* m_view;
    std::vector<int> m_widths;
};

} // namespace

void PolishList(QAbstractItemView* view)
{
    view->setAlternatingRowColors(true);
    view->setItemDelegate(new WholeTextTips(view));
    // However small the window, a list shows a few rows to choose from.
    const int row = view->fontMetrics().height() + 4;
    int header = 0;
    if (auto* tree = qobject_cast<QTreeView*>(view); tree && !tree->isHeaderHidden())
        header = tree->header()->sizeHint().height();
    view->setMinimumHeight(qMax(view->minimumHeight(), header + 5 * row + 2 * view->frameWidth()));
}

void StretchColumns(QTreeView* view, const std::vector<int>& widths)
{
    auto* stretcher = view->findChild<ColumnStretcher*>(QStringLiteral("columnStretcher"), Qt::FindDirectChildrenOnly);
    if (!stretcher)
        stretcher = new ColumnStretcher(view);
    stretcher->setWidths(widths);
}

void FitToLength(QLineEdit* edit, int characters)
{
    if (characters < 0)
        characters = edit->maxLength();
    // The default limit means "no limit": such fields keep their usual width.
    if (characters <= 0 || characters >= 32767)
        return;
    const QFontMetrics metrics = edit->fontMetrics();
    // QLineEdit's own size hint is 17 "x" plus frame and margins; keep its frame and margins.
    const int frame = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    // Names, addresses and numbers mix capitals, small letters and digits; the font's
    // average character is a small letter and would cut them short. A field of digits
    // (a price, a phone number) needs the width of a digit each.
    static const QString typical = QStringLiteral("Harbor Homes 1234 Elm Street, Lakeside 555-0100");
    const double perCharacter = std::max({double(metrics.averageCharWidth()),
                                          double(metrics.horizontalAdvance(typical)) / typical.size(),
                                          double(metrics.horizontalAdvance(QLatin1Char('0')))});
    const int width = frame + int(characters * perCharacter + 0.5);
    if (edit->minimumWidth() < width)
        edit->setMinimumWidth(width);
}

void ShowReadOnly(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setReadOnly(true);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->setReadOnly(true);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    field->setPalette(palette);
}
