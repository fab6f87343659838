#include "app/gui/Dispatcher.h"

#include "app/gui/TfrmAbout.h"
#include "app/gui/TfrmUpdate.h"
#include "app/DispatchModes.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "catalogs/gui/TfrmPriceVelmar.h"

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

} // namespace Dispatcher
