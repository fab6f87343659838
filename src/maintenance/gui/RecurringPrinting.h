#pragma once

#include <QString>
#include <QStringList>

struct AppState;

// The recurring run as the main window starts it: each new invoice is shown in the
// print preview of the print service and saved behind the busy window. Returns the
// run's date, or the empty text when no invoice is on the recurring list.
QString PrintRecurringInvoices(AppState& state, QStringList& recurringNumbers);
