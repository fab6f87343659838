#include "printing/ReportCatalog.h"

#include "printing/InvoiceLayout.h"
#include "printing/ListLayouts.h"

#include <QHash>

const std::vector<FeedColumn>& FeedColumns(const QString& feedName)
{
    static const QHash<QString, std::vector<FeedColumn>> columns = {
        {FeedNames::Invoice,
         {{QStringLiteral("rvstrDescription"), 100}, {QStringLiteral("rvstrRight"), 20},
          {QStringLiteral("rvstrMiddle"), 20}, {QStringLiteral("rvstrLeft"), 20}}},
        {FeedNames::PriceSheet,
         {{QStringLiteral("rvstrDescription"), 50}, {QStringLiteral("rvstrLabPrice"), 15},
          {QStringLiteral("rvstrMatPrice"), 15}}},
        {FeedNames::CustomerList,
         {{QStringLiteral("rvstrCustomerID"), 20}, {QStringLiteral("rvstrCustCompany"), 40},
          {QStringLiteral("rvstrCustFirstLastName"), 45}, {QStringLiteral("rvstrCustAddress"), 40},
          {QStringLiteral("rvstrCustCityStateZip"), 77}, {QStringLiteral("rvstrCustMainPhone"), 25},
          {QStringLiteral("rvstrCustExtraPhone1"), 25}, {QStringLiteral("rvstrCustExtraPhone2"), 25},
          {QStringLiteral("rvstrCustExtraPhone1Nm"), 25}, {QStringLiteral("rvstrCustExtraPhone2Nm"), 25},
          {QStringLiteral("rvstrCustDiscount"), 25}, {QStringLiteral("rvstrCustTaxExmpNmbr"), 30},
          {QStringLiteral("rvstrCustPmtTerms"), 40}, {QStringLiteral("rvstrCustNotes"), 250}}},
        {FeedNames::Planner,
         {{QStringLiteral("rvstrActDateWkMnth"), 25}, {QStringLiteral("rvstrActStartWkMnth"), 25},
          {QStringLiteral("rvstrActEndWkMnth"), 25}, {QStringLiteral("rvstrActivityWkMnth"), 50},
          {QStringLiteral("rvstrActStartDay"), 25}, {QStringLiteral("rvstrActEndDay"), 25},
          {QStringLiteral("rvstrActivityDay"), 50}, {QStringLiteral("rvstrActivityNotes"), 250}}},
        {FeedNames::Reports,
         {{QStringLiteral("rvstrDate"), 30}, {QStringLiteral("rvstrType"), 30}, {QStringLiteral("rvstrTax1"), 20},
          {QStringLiteral("rvstrTax2"), 20}, {QStringLiteral("rvstrTax3"), 20}, {QStringLiteral("rvstrTaxTotal"), 20},
          {QStringLiteral("rvstrSalesTotal"), 20}}},
        {FeedNames::InvMaintenance,
         {{QStringLiteral("rvstrInvNumber"), 25}, {QStringLiteral("rvstrInvType"), 30},
          {QStringLiteral("rvstrCustomer"), 45}, {QStringLiteral("rvstrCompany"), 45},
          {QStringLiteral("rvstrTotal"), 25}, {QStringLiteral("rvstrInfo"), 30}}},
    };
    static const std::vector<FeedColumn> none;
    const auto found = columns.constFind(feedName);
    return found == columns.constEnd() ? none : *found;
}

QStringList FeedColumnNames(const QString& feedName)
{
    QStringList names;
    for (const FeedColumn& column : FeedColumns(feedName))
        names << column.name;
    return names;
}

ReportLayout LoadReportLayout(const QString& reportName)
{
    using Factory = ReportLayout (*)();
    static const QHash<QString, Factory> factories = {
        {ReportNames::Invoice, &InvoiceLayout},
        {ReportNames::Contract, &ContractLayout},
        {ReportNames::Warranty, &WarrantyLayout},
        {ReportNames::PriceSheet, &PriceSheetLayout},
        {ReportNames::CustomerList, &CustomerListLayout},
        {ReportNames::Planner, &PlannerLayout},
        {ReportNames::TaxSales, &TaxSalesLayout},
        {ReportNames::InvMaintenance, &InvMaintenanceLayout},
    };
    const Factory factory = factories.value(reportName, nullptr);
    return factory ? factory() : ReportLayout{};
}
