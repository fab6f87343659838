#pragma once

#include "printing/PrintRequest.h"

#include <QObject>
#include <functional>
#include <memory>

struct AppState;
class QPrinter;
class QWidget;

// The print service: the one place through which the program prints, previews and
// writes PDF files. A window sets AppState::windowMode (and, for a list, points
// AppState::listFeed at its feed) and calls pPrint, pPrintPreview or pCreatePDFFile;
// the service picks the reports for that mode. Made once at start-up:
//     TmodPrintData printData(state, &mainWindow);
//     state.printData = &printData;
class TmodPrintData : public QObject {
    Q_OBJECT

public:
    // `window` is the parent of the preview and status windows.
    explicit TmodPrintData(AppState& state, QWidget* window = nullptr);
    ~TmodPrintData() override;

    // The request of the current window mode on the default printer, without a dialog.
    // Without a default printer a message says so and nothing is printed. Returns whether
    // pages went to the printer.
    bool pPrint();
    // The request of the current window mode in a modal preview window; returns when
    // the window has closed.
    void pPrintPreview();
    // The current document (with its contract and warranty when it asks for them) as a
    // PDF file at `path`, replacing a file of that name.
    void pCreatePDFFile(const QString& path);

    // Fills the document layout of a run from the current document and the company.
    void pSetInvoiceData(ReportLayout& layout);
    void pSetPlannerData(ReportLayout& layout);
    void pSetContractData(ReportLayout& layout);
    void pSetWarrantyData(ReportLayout& layout);
    void pSetTaxSalesData(ReportLayout& layout);

    // Set by the planner window and the sales and tax report window before they print.
    PlannerPrintInfo plannerInfo;
    TaxSalesPrintInfo taxSalesInfo;

    // Makes the printer a run prints on; empty when there is no printer. The default
    // gives the system's default printer; tests give a file printer.
    std::function<std::unique_ptr<QPrinter>()> printerProvider;

private:
    PrintRequest buildRequest(int windowMode);
    // Lays out the pages behind the "Report Status" window.
    DisplayDocument generate(const PrintRequest& request);

    AppState& m_state;
    QWidget* m_window;
};
