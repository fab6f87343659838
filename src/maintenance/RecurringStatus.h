#pragma once

#include <QString>

// What the main window shows about the recurring invoices.

// The date of the last recurring run as stored, or " Never" (with its leading blank)
// when no run has been made.
QString ReadRecurringLastPrinted();

// The number of invoices on the recurring list: rows whose recurring flag is not "0"
// and whose kind name begins with "Invoice" in any letter case.
int CountRecurringInvoices();
