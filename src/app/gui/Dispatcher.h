#pragma once

#include "app/AppState.h"
#include "app/Guard.h"
#include "planner/ActivityStore.h"
#include "app/PromptService.h"
#include "app/gui/FirstShow.h"

#include <QDialog>
#include <memory>
#include <utility>

class QWidget;

// The routines that open the program's windows. Each sets the mode values its window
// needs (see app/DispatchModes.h), creates the window, shows it modally and destroys
// it when it has closed.
namespace Dispatcher {

// The common body of every routine. An error while the window is created or shown
// ends its showing: the window is destroyed and the error shown in the general error
// box. Returns false when an error was shown. `setModes` may be null.
template <class Window, class... Args>
bool OpenModal(AppState& state, void (*setModes)(AppState&), QWidget* parent, Args&&... args)
{
    QString failure;
    const bool opened = Guarded([&] {
        if (setModes)
            setModes(state);
        const std::unique_ptr<Window> window =
            std::make_unique<Window>(state, parent, std::forward<Args>(args)...);
        failure = ExecDispatched(*window);
    });
    // The window is gone by now: its first-show error appears on its own.
    if (!failure.isEmpty()) {
        ShowError(failure);
        return false;
    }
    return opened;
}

// A window gets its routine here when it is built; TfrmMain::pConnectCommands ties
// the routine to its command.
void ShowAbout(AppState& state, QWidget* parent);
void ShowCompanyInfo(AppState& state, QWidget* parent);
// The customer window and the price sheet serve the open document while the editor is open.
void ShowCustomers(AppState& state, QWidget* parent);
void ShowPriceSheet(AppState& state, QWidget* parent);
void ShowUpdate(AppState& state, QWidget* parent);
// The planner, on `day` when given, else on today; and the activity editor it opens on
// one activity.
void ShowPlanner(AppState& state, QWidget* parent, const QDate& day = QDate());
void ShowActivityEdit(AppState& state, QWidget* parent, const TrecActivityEdit& activity);
// The sales and tax report.
void ShowReport(AppState& state, QWidget* parent);
// The text editor on the contract or the warranty; each sets ContractMode first.
void ShowContractWriter(AppState& state, QWidget* parent);
void ShowWarrantyWriter(AppState& state, QWidget* parent);
// Invoice Maintenance, and the blank forms window on a prepared blank document.
void ShowInvoiceMaintenance(AppState& state, QWidget* parent);
void ShowManualInvoice(AppState& state, QWidget* parent);
// The document editor on a new document (isNew) or on the saved document whose number
// is in the current header. EditorOpen is set while it is open, clear afterwards.
void ShowInvoiceEditor(AppState& state, QWidget* parent, bool isNew);
// The editor's dialogs; they set DataChanged when the user accepts.
void ShowPaidAndDeposit(AppState& state, QWidget* parent);
void ShowInvoiceNotes(AppState& state, QWidget* parent);

} // namespace Dispatcher
