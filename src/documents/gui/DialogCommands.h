#pragma once

#include <QString>

class QAction;
class QDialog;
class QToolBar;

// The OK and Cancel tool bar of the editor's small dialogs. OK also answers Ctrl+Enter;
// Escape cancels as in every dialog.
struct DialogCommands {
    QToolBar* bar;
    QAction* ok;
    QAction* cancel;
};
DialogCommands MakeDialogCommands(QDialog* dialog, const QString& okHint, const QString& cancelHint);
