#pragma once

#include "catalogs/ScopedListFeed.h"
#include "catalogs/gui/CatalogListDialog.h"
#include "printing/ListFeeds.h"
#include "reports/ReportRange.h"
#include "reports/ReportRows.h"

struct AppState;
class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeView;
class ReportChart;
class ReportListModel;

// The monthly sales and tax report: a range of whole months in one of three kinds,
// summarised or itemised, as a list with a bar chart beside it. Only reads the database;
// prints the list through the print service.
class TfrmReport : public CatalogListDialog {
    Q_OBJECT
public:
    explicit TfrmReport(AppState& state, QWidget* parent = nullptr);

    ReportKind reportKind() const { return m_kind; }
    bool isSummarised() const { return m_summarised; }
    const ReportRange& range() const { return m_range; }
    ReportListModel* listModel() const { return m_model; }
    ReportChart* chart() const { return m_chart; }

    // Sets the months shown and shows the report again.
    void setMonths(const QDate& start, const QDate& end);

protected:
    void fillOnFirstShow() override;
    bool settleUnsavedChanges() override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCommands();
    QWidget* buildChoices();
    QGroupBox* buildMonthBox(const QString& title, const QString& prefix, const QString& buttonStem,
                             QLabel*& label, QPushButton*& back, QPushButton*& next);
    void pShowFormInformation();

    // Reads the options and the month buttons, then shows the report.
    void pSetReportType();
    void pVeiwReport();
    void pSizeColumns();
    // Widens a chart that has just appeared to a third of the split, if it has less.
    void pGiveChartItsShare();
    void pEnablePrintButtons();
    void printReport(bool preview);

    AppState& m_state;
    ReportRange m_range;
    ReportKind m_kind = ReportKind::SalesAndTax;
    bool m_summarised = true;
    ReportListModel* m_model;
    TableFeed m_feed;
    ScopedListFeed m_feedInUse{m_state, &m_feed};

    QAction* m_actClose;
    QAction* m_actPrintPreview;
    QAction* m_actPrint;
    QAction* m_actHelp;

    QGroupBox* m_grpReportType;
    QGroupBox* m_grpItemizedSummery;
    QButtonGroup* m_reportType;
    QButtonGroup* m_itemizedSummery;
    QLabel* m_lblDateStart;
    QLabel* m_lblDateEnd;
    QPushButton* m_btnStartDateBack;
    QPushButton* m_btnStartDateNext;
    QPushButton* m_btnEndDateBack;
    QPushButton* m_btnEndDateNext;
    QTreeView* m_lstReport;
    ReportChart* m_chart;
};
