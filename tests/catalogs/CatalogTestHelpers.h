#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QToolBar>
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

// The text of the label that names a field (its buddy); empty when none does.
inline QString LabelOf(QWidget& window, const QWidget* field)
{
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text();
    return {};
}

// A tool bar's commands by object name, "|" for each separator.
inline QStringList ToolBarCommands(QWidget& window, const QString& barName)
{
    QStringList names;
    for (const QAction* item : child<QToolBar>(window, barName)->actions())
        names << (item->isSeparator() ? QStringLiteral("|") : item->objectName());
    return names;
}

// The tool tip a hint makes: a command's (or a command button's) also names its shortcut.
inline QString TipWithKey(const QString& hint, const QKeySequence& key)
{
    if (key.isEmpty())
        return hint;
    return hint + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}
inline QString TipOf(const QWidget* widget, const QString& hint)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button ? TipWithKey(hint, button->shortcut()) : hint;
}
inline QString TipOf(const QAction* command, const QString& hint)
{
    return TipWithKey(hint, command->shortcut());
}

// A hint is shown both as tool tip and as status tip.
#define COMPARE_HINT(widget, hint)                             \
    do {                                                       \
        QCOMPARE((widget)->toolTip(), TipOf((widget), (hint))); \
        QCOMPARE((widget)->statusTip(), (hint));               \
    } while (false)
