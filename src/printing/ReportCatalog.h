#pragma once

#include "printing/ReportLayout.h"

#include <QString>
#include <QStringList>

// The reports the program prints and the feeds their bands read.
namespace ReportNames {
inline const QString Invoice = QStringLiteral("ReportInvoice");
inline const QString Contract = QStringLiteral("ReportContract");
inline const QString Warranty = QStringLiteral("ReportWarranty");
inline const QString PriceSheet = QStringLiteral("ReportPriceSheetVelmar");
inline const QString CustomerList = QStringLiteral("ReportCustomerList");
inline const QString Planner = QStringLiteral("ReportPlanner");
inline const QString TaxSales = QStringLiteral("ReportTaxSalesReport");
inline const QString InvMaintenance = QStringLiteral("ReportInvMaintenance");
} // namespace ReportNames

namespace FeedNames {
inline const QString Invoice = QStringLiteral("DataViewInvoice");
inline const QString PriceSheet = QStringLiteral("DataViewPriceSheetVelmar");
inline const QString CustomerList = QStringLiteral("DataViewCustomerList");
inline const QString Planner = QStringLiteral("DataViewPlanner");
inline const QString Reports = QStringLiteral("DataViewReports");
inline const QString InvMaintenance = QStringLiteral("DataViewInvMaintenance");
} // namespace FeedNames

// A feed's column: its name and its width in characters. Every column is text.
struct FeedColumn {
    QString name;
    int width = 0;
};

// The columns of a feed, in the order a row delivers them; empty for an unknown feed.
const std::vector<FeedColumn>& FeedColumns(const QString& feedName);
QStringList FeedColumnNames(const QString& feedName);

// A fresh copy of a stored layout; a layout without name for an unknown report.
ReportLayout LoadReportLayout(const QString& reportName);
