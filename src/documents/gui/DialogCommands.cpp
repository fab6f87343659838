#include "documents/gui/DialogCommands.h"

#include "app/gui/ThemeIcons.h"
#include "catalogs/gui/CommandIcons.h"

#include <QAction>
#include <QDialog>
#include <QToolBar>

DialogCommands MakeDialogCommands(QDialog* dialog, const QString& okHint, const QString& cancelHint)
{
    DialogCommands commands{};
    commands.bar = CommandIcons::makeToolBar(dialog, QStringLiteral("ToolBarDialog"));
    commands.ok = new QAction(ThemeIcon("dialog-ok", QStyle::SP_DialogOkButton), QStringLiteral("OK"), dialog);
    commands.ok->setObjectName(QStringLiteral("tlbtnOK"));
    SetHint(commands.ok, okHint);
    commands.ok->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    commands.ok->setToolTip(okHint + QStringLiteral(" (")
                            + QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText)
                            + QLatin1Char(')'));
    commands.cancel = new QAction(ThemeIcon("dialog-cancel", QStyle::SP_DialogCancelButton), QStringLiteral("Cancel"), dialog);
    commands.cancel->setObjectName(QStringLiteral("tlbtnCancel"));
    SetHint(commands.cancel, cancelHint);
    commands.cancel->setToolTip(cancelHint + QStringLiteral(" (Esc)"));
    commands.bar->addAction(commands.ok);
    commands.bar->addAction(commands.cancel);
    dialog->addAction(commands.ok);
    QObject::connect(commands.cancel, &QAction::triggered, dialog, &QDialog::reject);
    return commands;
}
