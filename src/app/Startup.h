#pragma once

#include "app/AppState.h"

#include <functional>

// Step 1: names the application "Velmar Kessa". No display name is set: the platform
// would append it to the caption of every other window ("Check For Updates — ...").
void NameApplication();

// Makes sure CompanyFolder and DataFolder exist; raises an error naming the folder
// that cannot be made.
void EnsureDataFolders();

// Hooks the start-up sequence uses around the database creation (the progress window).
struct StartupHooks {
    std::function<void(const QString& caption)> showProgress;
    std::function<void()> hideProgress;
};

// Steps 2 to 6 of the start-up: folders, database creation when the file is missing,
// mode values, company settings and preferences. Returns true when a database was
// created. Errors propagate to the caller.
bool PrepareApplicationData(AppState& state, const StartupHooks& hooks = {});
