#include "app/DispatchModes.h"

#include "app/AppState.h"

namespace {
constexpr int kModePriceSheet = 2;
constexpr int kModeCustomerList = 3;
constexpr int kModeSalesReport = 7;
constexpr int kModeDocumentList = 8;
} // namespace

void SetCustomerWindowModes(AppState& state)
{
    if (!state.editorOpen)
        state.windowMode = kModeCustomerList;
    state.dataChanged = false;
}

void SetPriceSheetModes(AppState& state)
{
    if (!state.editorOpen)
        state.windowMode = kModePriceSheet;
    state.dataChanged = false;
}

void SetDialogModes(AppState& state)
{
    state.dataChanged = false;
}

void SetReportModes(AppState& state)
{
    state.dataChanged = false;
    state.windowMode = kModeSalesReport;
}

void SetMaintenanceModes(AppState& state)
{
    state.windowMode = kModeDocumentList;
}
