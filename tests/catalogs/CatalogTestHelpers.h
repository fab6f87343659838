#pragma once

#include <QAbstractItemView>
#include <QtTest>

// Clicks a row of a list the way the user does.
inline void ClickListRow(QAbstractItemView* view, int row, int column = 0)
{
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}
