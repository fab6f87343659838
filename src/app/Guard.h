#pragma once

#include <functional>

// Runs a command body; an error that escapes it is shown in the general error box and
// the command is abandoned. Qt slots must not let exceptions out, so every slot that
// reaches the database goes through this. Returns false when an error was shown.
bool Guarded(const std::function<void()>& body);
