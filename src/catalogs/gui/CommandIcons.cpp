#include "catalogs/gui/CommandIcons.h"

#include "app/gui/ThemeIcons.h"

#include <QAction>
#include <QActionEvent>
#include <QBoxLayout>
#include <QToolBar>
#include <QWidget>

namespace CommandIcons {

namespace {

struct Source {
    const char* themeName;
    QStyle::StandardPixmap fallback;
};

const Source& source(Kind kind)
{
    // Indexed by Kind. Close and Cancel differ on purpose: one leaves the window, the
    // other only drops what is being edited.
    static const Source sources[] = {
        {"window-close", QStyle::SP_DialogCloseButton},
        {"document-new", QStyle::SP_FileIcon},
        {"document-save", QStyle::SP_DialogSaveButton},
        {"dialog-cancel", QStyle::SP_DialogCancelButton},
        {"edit-delete", QStyle::SP_TrashIcon},
        {"document-print-preview", QStyle::SP_FileDialogContentsView},
        {"document-print", QStyle::SP_FileDialogDetailedView},
        {"help-contents", QStyle::SP_DialogHelpButton},
        {"go-next", QStyle::SP_ArrowRight},
        {"dialog-ok", QStyle::SP_DialogOkButton},
        {"application-pdf", QStyle::SP_FileIcon},
        {"accessories-calculator", QStyle::SP_FileDialogListView},
        {"document-open", QStyle::SP_DialogOpenButton},
        {"document-print-direct", QStyle::SP_FileDialogDetailedView},
        {"system-users", QStyle::SP_DirHomeIcon},
        {"preferences-system", QStyle::SP_ComputerIcon},
        {"office-chart-bar", QStyle::SP_FileDialogContentsView},
        {"document-export", QStyle::SP_DialogSaveButton},
        {"document-import", QStyle::SP_BrowserReload},
        {"document-edit", QStyle::SP_FileIcon},
        {"view-calendar", QStyle::SP_FileDialogInfoView},
        {"system-software-update", QStyle::SP_BrowserReload},
        {"help-about", QStyle::SP_MessageBoxInformation},
        {"application-exit", QStyle::SP_DialogCloseButton},
        {"zoom-in", QStyle::SP_ArrowUp},
        {"zoom-out", QStyle::SP_ArrowDown},
        {"go-previous", QStyle::SP_ArrowBack},
        {"go-next", QStyle::SP_ArrowForward},
    };
    static_assert(std::size(sources) == std::size_t(Kind::NextPage) + 1);
    return sources[int(kind)];
}

// A tool bar as wide as its commands: as a window's menu bar it is not counted in the
// window's minimum width, so a strut under it keeps the window that wide.
class CommandBar : public QToolBar {
public:
    using QToolBar::QToolBar;

    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void actionEvent(QActionEvent* event) override
    {
        QToolBar::actionEvent(event);
        keepWindowWide();
    }
    void showEvent(QShowEvent* event) override
    {
        QToolBar::showEvent(event);
        keepWindowWide();
    }

private:
    void keepWindowWide()
    {
        QWidget* owner = parentWidget();
        auto* layout = owner ? qobject_cast<QBoxLayout*>(owner->layout()) : nullptr;
        if (!layout || layout->menuBar() != this)
            return;
        const QMargins margins = layout->contentsMargins();
        const int width = sizeHint().width() - margins.left() - margins.right();
        if (!m_strut) {
            m_strut = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
            layout->addItem(m_strut);
        }
        if (m_strut->sizeHint().width() != width) {
            m_strut->changeSize(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
            layout->invalidate();
        }
    }

    QSpacerItem* m_strut = nullptr;
};

} // namespace

QIcon icon(Kind kind)
{
    return ThemeIcon(source(kind).themeName, source(kind).fallback);
}

QList<QKeySequence> shortcuts(Kind kind)
{
    switch (kind) {
    case Kind::Close: return QKeySequence::keyBindings(QKeySequence::Close);
    case Kind::New: return QKeySequence::keyBindings(QKeySequence::New);
    case Kind::Save: return QKeySequence::keyBindings(QKeySequence::Save);
    case Kind::Delete: return QKeySequence::keyBindings(QKeySequence::Delete);
    case Kind::PrintPreview: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)};
    case Kind::Print: return QKeySequence::keyBindings(QKeySequence::Print);
    case Kind::Help: return QKeySequence::keyBindings(QKeySequence::HelpContents);
    case Kind::Exit: return QKeySequence::keyBindings(QKeySequence::Quit);
    case Kind::ZoomIn: return QKeySequence::keyBindings(QKeySequence::ZoomIn);
    case Kind::ZoomOut: return QKeySequence::keyBindings(QKeySequence::ZoomOut);
    default: return {};
    }
}

QToolBar* makeToolBar(QWidget* parent, const QString& objectName)
{
    auto* bar = new CommandBar(parent);
    bar->setObjectName(objectName);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

void dress(QAction* action, Kind kind)
{
    action->setIcon(icon(kind));
    SetShortcuts(action, shortcuts(kind));
}

QAction* makeAction(QWidget* parent, const QString& objectName, const QString& caption,
                    const QString& hint, Kind kind)
{
    auto* action = new QAction(caption, parent);
    action->setObjectName(objectName);
    // Window-wide, so the keys work wherever the focus is in the window.
    action->setShortcutContext(Qt::WindowShortcut);
    parent->addAction(action);
    dress(action, kind);
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
    // The caption without its mnemonic marks.
    QString tip = hint.isEmpty() ? action->iconText() : hint;
    if (!action->shortcut().isEmpty())
        tip += QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')');
    action->setToolTip(tip);
    action->setStatusTip(hint);
}

void SetShortcuts(QAction* action, const QList<QKeySequence>& keys)
{
    action->setShortcuts(keys);
    SetHint(action, action->statusTip());
}
