#include "catalogs/gui/ListPrinting.h"

#include "app/AppState.h"
#include "printing/gui/TmodPrintData.h"

namespace ListPrinting {

bool available(const AppState& state)
{
    return state.printData != nullptr;
}

void run(AppState& state, bool preview)
{
    if (!state.printData)
        return;
    if (preview)
        state.printData->pPrintPreview();
    else
        state.printData->pPrint();
}

} // namespace ListPrinting
