#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QtTest>

// A control of a window by its object name; a missing one ends the test program, since
// every check after it would only crash.
template <typename T = QWidget>
T* child(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

inline QAction* action(QWidget& window, const char* name)
{
    return child<QAction>(window, QString::fromLatin1(name));
}

// Clicks a row of a list the way the user does.
inline void ClickListRow(QAbstractItemView* view, int row, int column = 0)
{
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}
