#pragma once

#include "printing/PdfOutput.h"
#include "printing/ReportEngine.h"

#include <QStringList>
#include <memory>
#include <vector>

struct AppState;
class Connection;

// What the planner window tells the print service before it prints its list.
struct PlannerPrintInfo {
    QString viewText;   // the view chooser's text: "Day Planner List", "Week Planner List", ...
    QString datesLine;  // the dates line above the list
    bool dayView = true;
};

// What the sales and tax report window tells the print service before it prints.
struct TaxSalesPrintInfo {
    int reportKind = 1;          // 1 sales and tax, 2 sales, 3 tax
    QString caption;             // the window's caption
    QStringList columnCaptions;  // captions of the list's seven columns, left to right
};

// The reports of one request, their parameters set and their feeds bound, ready to run.
struct PrintRequest {
    QString previewCaption;
    QString jobName; // the print queue's name for it: "Invoice 1042", "Customer List"
    std::vector<ReportRun> runs;
    std::vector<std::shared_ptr<DataFeed>> ownedFeeds;

    bool empty() const { return runs.empty(); }
};

// Chooses the reports of a window mode and fills them: 1 the current document (with the
// contract and the warranty when it asks for them), 2 price sheet, 3 customer list,
// 4 planner, 5 contract, 6 warranty, 7 sales and tax report, 8 document list. Any other
// mode gives an empty request. Lists read their rows from state.listFeed.
PrintRequest BuildPrintRequest(AppState& state, int windowMode, const PlannerPrintInfo& planner = {},
                               const TaxSalesPrintInfo& taxSales = {});

// The preview caption of a window mode.
QString PreviewCaption(const AppState& state, int windowMode);
// The name a printed job carries in the print queue: the caption without "Preview ".
QString PrintJobName(const AppState& state, int windowMode);

// The parameters of the list and text reports.
void SetPlannerData(ReportLayout& layout, const PlannerPrintInfo& planner);
void SetContractData(ReportLayout& layout);
void SetWarrantyData(ReportLayout& layout);
void SetTaxSalesData(ReportLayout& layout, const TaxSalesPrintInfo& taxSales);

// The document information of the current document's PDF file.
PdfDocumentInfo DocumentPdfInfo(const AppState& state);
