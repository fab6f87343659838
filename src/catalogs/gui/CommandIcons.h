#pragma once

#include <QIcon>
#include <QString>

class QAction;
class QToolBar;
class QWidget;

// The large-image tool bars of the catalog windows: icons from the desktop theme when
// one is installed, the style's own pictures otherwise.
namespace CommandIcons {

enum class Kind { Close, New, Save, Cancel, Delete, PrintPreview, Print, Help, Page };

QIcon icon(Kind kind);
// A tool bar with large images and captions under them.
QToolBar* makeToolBar(QWidget* parent, const QString& objectName);
// A command with its object name, caption, hint (tool tip and status tip) and icon.
QAction* makeAction(QWidget* parent, const QString& objectName, const QString& caption,
                    const QString& hint, Kind kind);

} // namespace CommandIcons

// A column width given for the classic 8-point dialog font, widened to the font the
// view actually uses so the text of a typical row is not cut off.
int ScaledColumnWidth(const QWidget* view, int classicWidth);

// Sets a hint as tool tip and status tip.
void SetHint(QWidget* widget, const QString& hint);
void SetHint(QAction* action, const QString& hint);
