#include "catalogs/gui/CatalogList.h"

#include "app/gui/WidgetLook.h"
#include "catalogs/gui/CommandIcons.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>

namespace {

class EnterChoosesRow : public QObject {
public:
    EnterChoosesRow(QAbstractItemView* view, std::function<void()> choose)
        : QObject(view), m_view(view), m_choose(std::move(choose))
    {
        view->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_view || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QModelIndex current = m_view->currentIndex();
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || !current.isValid())
            return false;
        // The row with the focus frame is the one Enter means, even when a list that has
        // just taken the focus has not selected it yet.
        if (!m_view->selectionModel()->isSelected(current))
            m_view->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect
                                                          | QItemSelectionModel::Rows);
        m_choose();
        return true;
    }

private:
    QAbstractItemView* m_view;
    std::function<void()> m_choose;
};

} // namespace

QTreeView* MakeCatalogList(QWidget* parent, const QString& objectName, QAbstractItemModel* model)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(objectName);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setSectionsMovable(false);
    PolishList(view);
    return view;
}

void OnRowChosen(QAbstractItemView* view, std::function<void()> choose)
{
    QObject::connect(view, &QAbstractItemView::clicked, view, [choose](const QModelIndex& index) {
        if (index.isValid())
            choose();
    });
    new EnterChoosesRow(view, std::move(choose));
}

int CatalogListWidth(const QWidget* view, int columnCount, int (*classicWidth)(int))
{
    int width = 0;
    for (int column = 0; column < columnCount; ++column)
        width += ScaledColumnWidth(view, classicWidth(column));
    return width;
}

void SizeCatalogListColumns(QTreeView* view, int columnCount, int (*classicWidth)(int))
{
    std::vector<int> widths;
    for (int column = 0; column < columnCount; ++column)
        widths.push_back(classicWidth(column) == 0 ? 0 : ScaledColumnWidth(view, classicWidth(column)));
    StretchColumns(view, widths);
}
