#pragma once

struct AppState;

// The mode values the dispatcher sets before it creates a window, one function per
// window that needs any. Windows opened without mode changes (company information,
// About, planner, update) have none.

// Customer window and price sheet: they serve the open document while the editor is
// open, so WindowMode is left alone then.
void SetCustomerWindowModes(AppState& state);
void SetPriceSheetModes(AppState& state);
// Text editor, activity editor, notes and payment dialogs: the window reports changes
// through DataChanged.
void SetDialogModes(AppState& state);
// Sales and tax report.
void SetReportModes(AppState& state);
// Document maintenance.
void SetMaintenanceModes(AppState& state);
