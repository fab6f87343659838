#pragma once

#include "printing/ReportLayout.h"

// The stored list and text layouts. None of them is changed before a run.
ReportLayout PriceSheetLayout();
ReportLayout CustomerListLayout();
ReportLayout PlannerLayout();
ReportLayout TaxSalesLayout();
ReportLayout InvMaintenanceLayout();
ReportLayout ContractLayout();
ReportLayout WarrantyLayout();
