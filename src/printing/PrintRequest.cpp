#include "printing/PrintRequest.h"

#include "app/AppState.h"
#include "data/Database.h"
#include "printing/InvoiceData.h"
#include "printing/ReportCatalog.h"

namespace {

ReportRun ListRun(const QString& reportName, const QString& feedName, const DataFeed* feed)
{
    ReportRun run{LoadReportLayout(reportName), {}};
    if (feed)
        run.feeds.insert(feedName, feed);
    return run;
}

// Title and body of the contract or the warranty, as stored.
void SetStoredText(ReportLayout& layout, const QString& sql, const QString& titleParameter,
                   const QString& bodyParameter)
{
    Connection db = OpenDatabase();
    Statement& s = db.prepare(sql);
    if (s.next()) {
        layout.setParameter(titleParameter, s.columnText(0));
        layout.setParameter(bodyParameter, s.columnText(1));
    }
}

} // namespace

void SetPlannerData(ReportLayout& layout, const PlannerPrintInfo& planner)
{
    layout.setParameter(QStringLiteral("rvstrPlannerDates"), planner.datesLine);
    const QString day[] = {QStringLiteral("Start Date"), QStringLiteral("End Date"), QStringLiteral("Activity")};
    const QString weekMonth[] = {QStringLiteral("Activity Date"), QStringLiteral("Start Date"),
                                 QStringLiteral("End Date"), QStringLiteral("Activity")};
    const char* dayNames[] = {"rvstrActStartDayHdng", "rvstrActEndDayHdng", "rvstrActivityDayHdng"};
    const char* weekMonthNames[] = {"rvstrActDateWkMnthHdng", "rvstrActStartWkMnthHdng", "rvstrActEndWkMnthHdng",
                                    "rvstrActivityWkMnthHdng"};
    for (int i = 0; i < 3; ++i)
        layout.setParameter(QString::fromLatin1(dayNames[i]), planner.dayView ? day[i] : QString());
    for (int i = 0; i < 4; ++i)
        layout.setParameter(QString::fromLatin1(weekMonthNames[i]), planner.dayView ? QString() : weekMonth[i]);
}

void SetContractData(ReportLayout& layout)
{
    SetStoredText(layout,
                  QStringLiteral("SELECT strContractName,strContract FROM tblContractWarranty WHERE intContractWarrantyID = 1;"),
                  QStringLiteral("rvstrContractTitle"), QStringLiteral("rvstrContractBody"));
}

void SetWarrantyData(ReportLayout& layout)
{
    SetStoredText(layout,
                  QStringLiteral("SELECT strWarrantyName,strWarranty FROM tblContractWarranty WHERE intContractWarrantyID = 1;"),
                  QStringLiteral("rvstrWarrantyTitle"), QStringLiteral("rvstrWarrantyBody"));
}

void SetTaxSalesData(ReportLayout& layout, const TaxSalesPrintInfo& taxSales)
{
    static const QString titles[] = {QStringLiteral("Sales and Tax Report"), QStringLiteral("Sales Report"),
                                     QStringLiteral("Tax Report")};
    const int kind = taxSales.reportKind;
    layout.setParameter(QStringLiteral("rvstrTaxSalesTitle"), kind >= 1 && kind <= 3 ? titles[kind - 1] : QString());
    layout.setParameter(QStringLiteral("rvstrTaxSalesDates"), taxSales.caption);
    const char* headings[] = {"rvstrDateHdng", "rvstrTypeHdng", "rvstrTax1Hdng", "rvstrTax2Hdng",
                              "rvstrTax3Hdng", "rvstrTaxTotalHdng", "rvstrSalesTotalHdng"};
    for (int i = 0; i < 7; ++i)
        layout.setParameter(QString::fromLatin1(headings[i]), taxSales.columnCaptions.value(i));
}

QString PreviewCaption(const AppState& state, int windowMode)
{
    switch (windowMode) {
    case 1:
        return QStringLiteral("Preview ") + state.currentDocument.Header.InvName + QLatin1Char(' ') +
               QString::number(state.currentDocument.Header.InvNumber);
    case 2: return QStringLiteral("Preview Price Sheet List");
    case 3: return QStringLiteral("Preview Customer List");
    case 4: return QStringLiteral("Preview Planner Activities");
    case 5: return QStringLiteral("Preview Contract");
    case 6: return QStringLiteral("Preview Warranty");
    case 7: return QStringLiteral("Sales and Tax Report");
    case 8: return QStringLiteral("Preview Invoice List");
    default: return QString();
    }
}

QString PrintJobName(const AppState& state, int windowMode)
{
    const QString caption = PreviewCaption(state, windowMode);
    const QLatin1String preview("Preview ");
    return caption.startsWith(preview) ? caption.mid(preview.size()) : caption;
}

PrintRequest BuildPrintRequest(AppState& state, int windowMode, const PlannerPrintInfo& planner,
                               const TaxSalesPrintInfo& taxSales)
{
    PrintRequest request;
    request.previewCaption = PreviewCaption(state, windowMode);
    request.jobName = PrintJobName(state, windowMode);
    const DataFeed* list = state.listFeed;
    auto contract = [&] {
        ReportRun run{LoadReportLayout(ReportNames::Contract), {}};
        SetContractData(run.layout);
        request.runs.push_back(std::move(run));
    };
    auto warranty = [&] {
        ReportRun run{LoadReportLayout(ReportNames::Warranty), {}};
        SetWarrantyData(run.layout);
        request.runs.push_back(std::move(run));
    };

    switch (windowMode) {
    case 1: {
        CurrentDocument& document = state.currentDocument;
        ReportRun run{LoadReportLayout(ReportNames::Invoice), {}};
        SetInvoiceData(run.layout, document, state.companySettings);
        auto feed = std::make_shared<DescriptionFeed>(document);
        run.feeds.insert(FeedNames::Invoice, feed.get());
        request.ownedFeeds.push_back(feed);
        request.runs.push_back(std::move(run));
        if (document.Header.PrintContract)
            contract();
        if (document.Header.PrintWarranty)
            warranty();
        break;
    }
    case 2: {
        ReportRun run = ListRun(ReportNames::PriceSheet, FeedNames::PriceSheet, list);
        run.layout.setParameter(QStringLiteral("rvstrPriceSheetTitle"), QStringLiteral("Price Sheet List"));
        request.runs.push_back(std::move(run));
        break;
    }
    case 3: {
        ReportRun run = ListRun(ReportNames::CustomerList, FeedNames::CustomerList, list);
        run.layout.setParameter(QStringLiteral("rvstrCustomerListTitle"), QStringLiteral("Customer List"));
        request.runs.push_back(std::move(run));
        break;
    }
    case 4: {
        ReportRun run = ListRun(ReportNames::Planner, FeedNames::Planner, list);
        SetPlannerData(run.layout, planner);
        run.layout.setParameter(QStringLiteral("rvstrPlannerTitle"),
                                planner.viewText + QStringLiteral(" of Activities for:"));
        request.runs.push_back(std::move(run));
        break;
    }
    case 5:
        contract();
        break;
    case 6:
        warranty();
        break;
    case 7: {
        ReportRun run = ListRun(ReportNames::TaxSales, FeedNames::Reports, list);
        SetTaxSalesData(run.layout, taxSales);
        request.runs.push_back(std::move(run));
        break;
    }
    case 8: {
        ReportRun run = ListRun(ReportNames::InvMaintenance, FeedNames::InvMaintenance, list);
        run.layout.setParameter(QStringLiteral("rvstrInvMaintTitle"), QStringLiteral("Invoice List"));
        request.runs.push_back(std::move(run));
        break;
    }
    default:
        break;
    }
    return request;
}

PdfDocumentInfo DocumentPdfInfo(const AppState& state)
{
    const TrecInvHeader& header = state.currentDocument.Header;
    const QString company = state.companySettings.CompanyData.CompName;
    const QString nameNumber = header.InvName + QLatin1Char(' ') + QString::number(header.InvNumber);
    return PdfDocumentInfo{nameNumber, company, header.InvName, nameNumber, company, company};
}
