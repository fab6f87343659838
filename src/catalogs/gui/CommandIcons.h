#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QString>

class QAction;
class QToolBar;
class QWidget;

// The commands of every window: one icon per meaning, all from the program's icon theme,
// and the platform's standard shortcut where a command has one.
namespace CommandIcons {

enum class Kind {
    Close, New, Save, Cancel, Delete, PrintPreview, Print, Help, Page,
    Ok, Pdf, Prices, Open, PrintForms, Customers, Company, Report, Backup, Restore,
    Writer, Planner, Update, About, Exit, ZoomIn, ZoomOut, PreviousPage, NextPage,
};

QIcon icon(Kind kind);
// The standard keys of a kind of command; empty when it has none.
QList<QKeySequence> shortcuts(Kind kind);

// A tool bar with large images and captions under them. Its window is never made
// narrower than the bar, so no command hides behind an overflow arrow.
QToolBar* makeToolBar(QWidget* parent, const QString& objectName);
// A command with its object name, caption, hint (tool tip and status tip), icon and
// standard shortcut. The shortcut works anywhere in the window.
QAction* makeAction(QWidget* parent, const QString& objectName, const QString& caption,
                    const QString& hint, Kind kind);
// Gives a command the icon and shortcut of its kind.
void dress(QAction* action, Kind kind);

} // namespace CommandIcons

// A column width given for the classic 8-point dialog font, widened to the font the
// view actually uses so the text of a typical row is not cut off.
int ScaledColumnWidth(const QWidget* view, int classicWidth);

// Sets a hint as tool tip and status tip. A command's tool tip also names its shortcut,
// as "Save changes (Ctrl+S)"; without a hint it is the caption.
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);
// Sets the shortcuts of a command and names the first in its tool tip.
void SetShortcuts(QAction* action, const QList<QKeySequence>& keys);
