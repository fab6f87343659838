#pragma once

struct AppState;

// Printing a list window's rows through the print service; the report follows the
// window mode the dispatcher set.
namespace ListPrinting {

// Whether a print service is there to print with.
bool available(const AppState& state);
// Prints on the default printer, or shows the preview.
void run(AppState& state, bool preview);

} // namespace ListPrinting
