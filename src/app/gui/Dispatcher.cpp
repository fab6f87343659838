#include "app/gui/Dispatcher.h"

#include "app/gui/TfrmAbout.h"
#include "app/gui/TfrmUpdate.h"
#include "app/DispatchModes.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "catalogs/gui/TfrmPriceVelmar.h"
#include "planner/gui/TfrmActivityEdit.h"
#include "planner/gui/TfrmPlanner.h"
#include "reports/gui/TfrmReport.h"
#include "texts/gui/TfrmTextEditor.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "printing/ManualForms.h"
#include "printing/gui/TfrmManualInvoice.h"
#include "documents/EditorSession.h"
#include "documents/gui/TfrmInvoiceNotes.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "documents/gui/TfrmPaidAndDeposit.h"

namespace Dispatcher {

void ShowAbout(AppState& state, QWidget* parent)
{
    OpenModal<TfrmAbout>(state, nullptr, parent);
}

void ShowCompanyInfo(AppState& state, QWidget* parent)
{
    OpenModal<TfrmCompanyInfo>(state, nullptr, parent);
}

void ShowCustomers(AppState& state, QWidget* parent)
{
    OpenModal<TfrmCustomer>(state, &SetCustomerWindowModes, parent);
}

void ShowPriceSheet(AppState& state, QWidget* parent)
{
    OpenModal<TfrmPriceVelmar>(state, &SetPriceSheetModes, parent);
}

void ShowUpdate(AppState& state, QWidget* parent)
{
    OpenModal<TfrmUpdate>(state, nullptr, parent);
}

void ShowPlanner(AppState& state, QWidget* parent, const QDate& day)
{
    OpenModal<TfrmPlanner>(state, nullptr, parent, day);
}

void ShowActivityEdit(AppState& state, QWidget* parent, const TrecActivityEdit& activity)
{
    OpenModal<TfrmActivityEdit>(state, &SetDialogModes, parent, activity);
}

void ShowReport(AppState& state, QWidget* parent)
{
    OpenModal<TfrmReport>(state, &SetReportModes, parent);
}

void ShowContractWriter(AppState& state, QWidget* parent)
{
    state.contractMode = true;
    OpenModal<TfrmTextEditor>(state, &SetDialogModes, parent);
}

void ShowWarrantyWriter(AppState& state, QWidget* parent)
{
    state.contractMode = false;
    OpenModal<TfrmTextEditor>(state, &SetDialogModes, parent);
}

void ShowInvoiceMaintenance(AppState& state, QWidget* parent)
{
    OpenModal<TfrmInvoiceMaintenance>(state, &SetMaintenanceModes, parent);
}

void ShowManualInvoice(AppState& state, QWidget* parent)
{
    OpenModal<TfrmManualInvoice>(state, &SetBlankFormModes, parent);
}

void ShowInvoiceEditor(AppState& state, QWidget* parent, bool isNew)
{
    Guarded([&] {
        OpenEditorSession(state, isNew);
        // Cleared however the editor ends, an error included.
        struct SessionEnd {
            AppState& state;
            ~SessionEnd() { CloseEditorSession(state); }
        } end{state};
        const auto window = std::make_unique<TfrmInvoiceVelmar>(state, parent);
        window->exec();
    });
}

void ShowPaidAndDeposit(AppState& state, QWidget* parent)
{
    OpenModal<TfrmPaidAndDeposit>(state, &SetDialogModes, parent);
}

void ShowInvoiceNotes(AppState& state, QWidget* parent)
{
    OpenModal<TfrmInvoiceNotes>(state, &SetDialogModes, parent);
}

} // namespace Dispatcher
