#include "catalogs/gui/CommandIcons.h"

#include "app/gui/ThemeIcons.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

namespace CommandIcons {

QIcon icon(Kind kind)
{
    struct Source {
        const char* themeName;
        QStyle::StandardPixmap fallback;
    };
    static const Source sources[] = {
        {"window-close", QStyle::SP_DialogCloseButton},
        {"document-new", QStyle::SP_FileIcon},
        {"document-save", QStyle::SP_DialogSaveButton},
        {"edit-undo", QStyle::SP_DialogCancelButton},
        {"edit-delete", QStyle::SP_TrashIcon},
        {"document-print-preview", QStyle::SP_FileDialogContentsView},
        {"printer", QStyle::SP_FileDialogDetailedView},
        {"help-browser", QStyle::SP_DialogHelpButton},
        {"go-next", QStyle::SP_ArrowRight},
    };
    const Source& source = sources[int(kind)];
    return ThemeIcon(source.themeName, source.fallback);
}

QToolBar* makeToolBar(QWidget* parent, const QString& objectName)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

QAction* makeAction(QWidget* parent, const QString& objectName, const QString& caption,
                    const QString& hint, Kind kind)
{
    auto* action = new QAction(icon(kind), caption, parent);
    action->setObjectName(objectName);
    SetHint(action, hint);
    return action;
}

} // namespace CommandIcons

int ScaledColumnWidth(const QWidget* view, int classicWidth)
{
    // The classic dialog font averages about 5 pixels a character.
    const double scale = qMax(1.0, view->fontMetrics().averageCharWidth() / 5.0);
    return int(classicWidth * scale + 0.5);
}

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void SetHint(QAction* action, const QString& hint)
{
    action->setToolTip(hint.isEmpty() ? action->text() : hint);
    action->setStatusTip(hint);
}
