#include "catalogs/gui/ListPrinting.h"

#include "app/AppState.h"

namespace ListPrinting {

bool available(const AppState&)
{
    // No print service in this build yet: the print commands stay disabled.
    return false;
}

void run(AppState&, bool) {}

} // namespace ListPrinting
