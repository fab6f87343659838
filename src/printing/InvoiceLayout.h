#pragma once

#include "printing/ReportLayout.h"

// The stored document layout, on which every document kind and the blank forms print.
ReportLayout InvoiceLayout();
