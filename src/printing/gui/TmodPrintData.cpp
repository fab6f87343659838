#include "printing/gui/TmodPrintData.h"

#include "app/AppState.h"
#include "app/PromptService.h"
#include "printing/InvoiceData.h"
#include "printing/PagePainter.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TfrmReportStatus.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString kGeneratingLine = QStringLiteral("Generating page %p");
const QString kPrintingLine = QStringLiteral("Printing page %p");
constexpr int kDocumentMode = 1;

std::unique_ptr<QPrinter> DefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace

TmodPrintData::TmodPrintData(AppState& state, QWidget* window)
    : QObject(window), printerProvider(&DefaultPrinter), m_state(state), m_window(window)
{
    setObjectName(QStringLiteral("modPrintData"));
}

TmodPrintData::~TmodPrintData() = default;

void TmodPrintData::pSetInvoiceData(ReportLayout& layout)
{
    SetInvoiceData(layout, m_state.currentDocument, m_state.companySettings);
}

void TmodPrintData::pSetPlannerData(ReportLayout& layout)
{
    SetPlannerData(layout, plannerInfo);
}

void TmodPrintData::pSetContractData(ReportLayout& layout)
{
    SetContractData(layout);
}

void TmodPrintData::pSetWarrantyData(ReportLayout& layout)
{
    SetWarrantyData(layout);
}

void TmodPrintData::pSetTaxSalesData(ReportLayout& layout)
{
    SetTaxSalesData(layout, taxSalesInfo);
}

PrintRequest TmodPrintData::buildRequest(int windowMode)
{
    return BuildPrintRequest(m_state, windowMode, plannerInfo, taxSalesInfo);
}

DisplayDocument TmodPrintData::generate(const PrintRequest& request)
{
    TfrmReportStatus status(kGeneratingLine, m_window);
    status.show();
    return RunReports(request.runs, [&status](int page) { status.showPage(page); });
}

bool TmodPrintData::pPrint()
{
    // The request is laid out only once a printer is there to take it.
    std::unique_ptr<QPrinter> printer = printerProvider ? printerProvider() : nullptr;
    if (!printer) {
        ShowInfo(QStringLiteral("No default printer is set up. Nothing was printed."));
        return false;
    }
    const PrintRequest request = buildRequest(m_state.windowMode);
    if (request.empty())
        return false;
    // Laying out is quick; the status counts the pages as they go to the printer.
    const DisplayDocument pages = RunReports(request.runs);
    if (pages.pages.empty())
        return false;

    printer->setDocName(request.jobName);
    printer->setFullPage(true);
    const QSize first = pages.pages.front().size;
    printer->setPageSize(QPageSize(QSizeF(first.width() / double(kUnitsPerInch), first.height() / double(kUnitsPerInch)),
                                   QPageSize::Inch, QString(), QPageSize::FuzzyMatch));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(printer.get())) {
        ShowInfo(QStringLiteral("The printer could not be started. Nothing was printed."));
        return false;
    }
    TfrmReportStatus status(kPrintingLine, m_window);
    status.show();
    for (size_t p = 0; p < pages.pages.size(); ++p) {
        if (p > 0)
            printer->newPage();
        status.showPage(static_cast<int>(p) + 1);
        PaintDisplayPage(painter, pages.pages[p], printer->resolution());
    }
    return painter.end();
}

void TmodPrintData::pPrintPreview()
{
    const int windowMode = m_state.windowMode;
    const PrintRequest request = buildRequest(windowMode);
    if (request.empty())
        return;
    DisplayDocument pages = generate(request);
    TfrmPrntPreview preview(request.previewCaption, std::move(pages),
                            [this, windowMode] {
                                // Printing from the preview prints the same request again;
                                // the caller's mode is back afterwards, even after an error.
                                const std::unique_ptr<int, std::function<void(int*)>> restore(
                                    &m_state.windowMode, [current = m_state.windowMode](int* mode) { *mode = current; });
                                m_state.windowMode = windowMode;
                                pPrint();
                            },
                            m_window);
    preview.exec();
}

void TmodPrintData::pCreatePDFFile(const QString& path)
{
    const PrintRequest request = buildRequest(kDocumentMode);
    const DisplayDocument pages = generate(request);
    WritePdfFile(path, pages, DocumentPdfInfo(m_state));
}
