#include "maintenance/gui/RecurringPrinting.h"

#include "app/AppState.h"
#include "app/gui/TfrmSaving.h"
#include "documents/DocumentStorage.h"
#include "maintenance/RecurringRun.h"
#include "printing/gui/TmodPrintData.h"

QString PrintRecurringInvoices(AppState& state, QStringList& recurringNumbers)
{
    RecurringRunSteps steps;
    steps.showPreview = [&state] {
        if (state.printData)
            state.printData->pPrintPreview();
    };
    steps.save = [](CurrentDocument& document) {
        struct Hide {
            ~Hide() { HideProgress(); }
        } hide;
        SaveDocument(document, {[](const QString& caption) { ShowProgress(caption); }});
    };
    return RunRecurringInvoices(state, recurringNumbers, steps);
}
