#include "reports/gui/TfrmReport.h"

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Guard.h"
#include "app/ShellServices.h"
#include "catalogs/gui/CatalogList.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ListPrinting.h"
#include "printing/ReportCatalog.h"
#include "printing/gui/TmodPrintData.h"
#include "reports/MonthlyTotals.h"
#include "reports/ReportChartData.h"
#include "reports/ReportColumns.h"
#include "reports/ReportListModel.h"
#include "reports/gui/ReportChart.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const char* const kBack = "<< Back";
const char* const kNext = "Next >>";

QButtonGroup* MakeOptions(QGroupBox* box, const QStringList& captions)
{
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], box);
        group->addButton(option, i);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    group->button(0)->setChecked(true);
    return group;
}

} // namespace

TfrmReport::TfrmReport(AppState& state, QWidget* parent)
    : CatalogListDialog(parent), m_state(state), m_range(Today()), m_model(new ReportListModel(this)),
      m_feed(FeedColumnNames(FeedNames::Reports), {})
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("Reports"));
    setModal(true);

    buildCommands();

    m_lstReport = MakeCatalogList(this, QStringLiteral("ListViewReport"), m_model);
    m_lstReport->header()->setSectionsClickable(false);
    m_lstReport->header()->setStretchLastSection(false);
    m_lstReport->setSortingEnabled(false);
    m_lstReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lstReport->setMinimumWidth(360);
    m_lstReport->viewport()->installEventFilter(this);

    m_chart = new ReportChart(this);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("splReport"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_lstReport);
    split->addWidget(m_chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    auto* bar = CommandIcons::makeToolBar(this, QStringLiteral("ToolBarReport"));
    bar->addAction(m_actClose);
    bar->addSeparator();
    bar->addAction(m_actPrintPreview);
    bar->addAction(m_actPrint);
    bar->addSeparator();
    bar->addAction(m_actHelp);
    layout->setMenuBar(bar);
    layout->addWidget(buildChoices());
    layout->addWidget(split, 1);

    setTabOrder(m_btnEndDateNext, m_lstReport);

    setMinimumSize(800, 560);
    resize(1000, 640);
}

void TfrmReport::buildCommands()
{
    using CommandIcons::Kind;
    using CommandIcons::makeAction;
    m_actClose = makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"), QStringLiteral("Close"),
                            Kind::Close);
    m_actPrintPreview = makeAction(this, QStringLiteral("actPrintPreview"), QStringLiteral("Print Preview"),
                                   QStringLiteral("Print Preview Report"), Kind::PrintPreview);
    m_actPrint = makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"),
                            QStringLiteral("Print Report"), Kind::Print);
    m_actHelp = makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"), QStringLiteral("Open Help"),
                           Kind::Help);
    m_actPrint->setShortcut(QKeySequence::Print);
    m_actHelp->setShortcut(QKeySequence::HelpContents);

    connect(m_actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_actPrintPreview, &QAction::triggered, this, [this] { printReport(true); });
    connect(m_actPrint, &QAction::triggered, this, [this] { printReport(false); });
    connect(m_actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
}

QGroupBox* TfrmReport::buildMonthBox(const QString& title, const QString& prefix, const QString& buttonStem,
                                     QLabel*& label, QPushButton*& back, QPushButton*& next)
{
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QStringLiteral("gbx") + prefix);
    label = new QLabel(box);
    label->setObjectName(QStringLiteral("lbl") + prefix);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    back = new QPushButton(QString::fromLatin1(kBack), box);
    back->setObjectName(buttonStem + QStringLiteral("Back"));
    next = new QPushButton(QString::fromLatin1(kNext), box);
    next->setObjectName(buttonStem + QStringLiteral("Next"));
    for (QPushButton* button : {back, next}) {
        // Enter in the window must not press a month button by surprise.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button] {
            const int step = button == m_btnStartDateBack || button == m_btnEndDateBack ? -1 : 1;
            if (button == m_btnStartDateBack || button == m_btnStartDateNext)
                m_range.moveStart(step);
            else
                m_range.moveEnd(step);
            pSetReportType();
        });
    }
    auto* grid = new QGridLayout(box);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(back, 1, 0);
    grid->addWidget(next, 1, 1);
    return box;
}

QWidget* TfrmReport::buildChoices()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    // The option groups carry no titles of their own.
    m_grpReportType = new QGroupBox(row);
    m_grpReportType->setObjectName(QStringLiteral("RadioGroupReportType"));
    m_reportType = MakeOptions(m_grpReportType, {QStringLiteral("Sales And Tax Report"),
                                                 QStringLiteral("Sales Report"), QStringLiteral("Tax Report")});
    m_grpItemizedSummery = new QGroupBox(row);
    m_grpItemizedSummery->setObjectName(QStringLiteral("RadioGroupItemizedSummery"));
    m_itemizedSummery = MakeOptions(m_grpItemizedSummery, {QStringLiteral("Summery"), QStringLiteral("Itemized")});
    for (QButtonGroup* group : {m_reportType, m_itemizedSummery})
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked)
                pSetReportType();
        });

    QGroupBox* start = buildMonthBox(QStringLiteral("Start Date"), QStringLiteral("DateStart"),
                                     QStringLiteral("btnStartDate"), m_lblDateStart,
                                     m_btnStartDateBack, m_btnStartDateNext);
    QGroupBox* end = buildMonthBox(QStringLiteral("End Date"), QStringLiteral("DateEnd"),
                                   QStringLiteral("btnEndDate"), m_lblDateEnd,
                                   m_btnEndDateBack, m_btnEndDateNext);
    layout->addWidget(m_grpReportType);
    layout->addWidget(m_grpItemizedSummery);
    layout->addWidget(start, 1);
    layout->addWidget(end, 1);
    return row;
}

void TfrmReport::fillOnFirstShow()
{
    pShowFormInformation();
    m_actPrintPreview->setVisible(true);
    m_kind = ReportKind(m_reportType->checkedId() + 1);
    m_summarised = m_itemizedSummery->checkedId() == 0;
    // An error here ends the window's showing.
    pVeiwReport();
}

void TfrmReport::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Reports"));
    SetHint(m_grpReportType, QStringLiteral("Select report type"));
    SetHint(m_grpItemizedSummery, QStringLiteral("Select for report to be summarized or itemized"));
    for (QPushButton* back : {m_btnStartDateBack, m_btnEndDateBack})
        SetHint(back, QStringLiteral("Previous Month"));
    for (QPushButton* next : {m_btnStartDateNext, m_btnEndDateNext})
        SetHint(next, QStringLiteral("Next Month"));
    SetHint(m_lstReport, QStringLiteral("Report"));
}

void TfrmReport::setMonths(const QDate& start, const QDate& end)
{
    m_range.setMonths(start, end);
    pSetReportType();
}

void TfrmReport::pSetReportType()
{
    m_kind = ReportKind(m_reportType->checkedId() + 1);
    m_summarised = m_itemizedSummery->checkedId() == 0;
    Guarded([this] { pVeiwReport(); });
}

void TfrmReport::pVeiwReport()
{
    // The chart is replaced in place, so the split keeps its sizes; a refresh that fails
    // leaves no chart, and a chart that has just appeared gets its share of the width.
    struct ChartGuard {
        TfrmReport* window;
        bool wasShown;
        bool done = false;
        ~ChartGuard()
        {
            if (!done)
                window->m_chart->showData({});
            if (!wasShown && window->m_chart->isVisible())
                window->pGiveChartItsShare();
        }
    } chartGuard{this, m_chart->isVisible()};
    m_lblDateStart->setText(MonthCaption(m_range.start()));
    m_lblDateEnd->setText(MonthCaption(m_range.end()));
    setWindowTitle(m_range.caption());

    // An unreadable table leaves an empty list rather than the previous range's rows.
    m_model->setReport({}, m_model->columns());
    m_feed.setRows({});
    pEnablePrintButtons();
    std::vector<ReportRow> rows = BuildReportRows(QueryMonthlyTotals(m_range.start(), m_range.end()), m_kind,
                                                  m_summarised);
    const ReportColumnLayout columns =
        ReportColumnsFor(m_kind, m_summarised, m_lstReport->viewport()->width(),
                         TaxColumnTitles(m_state.companySettings.InvData.TaxNames));
    m_model->setReport(std::move(rows), columns);
    m_feed.setRows(m_model->printedRows());
    pSizeColumns();
    m_chart->showData(BuildReportChartData(m_model->rows(), m_kind, m_summarised));
    chartGuard.done = true;
    pEnablePrintButtons();
}

void TfrmReport::pGiveChartItsShare()
{
    auto* split = findChild<QSplitter*>(QStringLiteral("splReport"));
    const QList<int> sizes = split ? split->sizes() : QList<int>();
    if (sizes.size() != 2)
        return;
    const int total = sizes[0] + sizes[1];
    if (sizes[1] < total / 3)
        split->setSizes({total - total / 3, total / 3});
}

void TfrmReport::pSizeColumns()
{
    const ReportColumnLayout columns =
        ReportColumnsFor(m_kind, m_summarised, m_lstReport->viewport()->width(),
                         TaxColumnTitles(m_state.companySettings.InvData.TaxNames));
    for (int column = 0; column < kReportColumnCount; ++column) {
        m_lstReport->setColumnHidden(column, !columns.shown(column));
        if (columns.shown(column))
            m_lstReport->setColumnWidth(column, columns.widths[size_t(column)]);
    }
}

bool TfrmReport::eventFilter(QObject* watched, QEvent* event)
{
    // The widths are shares of the list's width, which the window and the splitter change.
    if (watched == m_lstReport->viewport() && event->type() == QEvent::Resize)
        pSizeColumns();
    return CatalogListDialog::eventFilter(watched, event);
}

void TfrmReport::pEnablePrintButtons()
{
    m_actPrint->setEnabled(m_model->rowCount() > 0 && ListPrinting::available(m_state));
    m_actPrintPreview->setEnabled(m_actPrint->isEnabled());
}

void TfrmReport::printReport(bool preview)
{
    if (!m_actPrint->isEnabled())
        return;
    Guarded([this, preview] {
        TaxSalesPrintInfo& info = m_state.printData->taxSalesInfo;
        info.reportKind = int(m_kind);
        info.caption = windowTitle();
        info.columnCaptions = m_model->columns().printedTitles();
        ListPrinting::run(m_state, preview);
    });
}
