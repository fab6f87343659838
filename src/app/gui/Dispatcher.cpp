#include "app/gui/Dispatcher.h"

#include "app/gui/TfrmAbout.h"
#include "app/gui/TfrmUpdate.h"

namespace Dispatcher {

void ShowAbout(AppState& state, QWidget* parent)
{
    OpenModal<TfrmAbout>(state, nullptr, parent);
}

void ShowUpdate(AppState& state, QWidget* parent)
{
    OpenModal<TfrmUpdate>(state, nullptr, parent);
}

} // namespace Dispatcher
