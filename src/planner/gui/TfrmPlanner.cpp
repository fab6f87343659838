#include "planner/gui/TfrmPlanner.h"

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Guard.h"
#include "app/Regional.h"
#include "app/ShellServices.h"
#include "app/gui/Dispatcher.h"
#include "app/gui/WidgetLook.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ListPrinting.h"
#include "planner/gui/PlannerCalendarTable.h"
#include "planner/gui/TodayLabel.h"
#include "printing/gui/TmodPrintData.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPlannerListMode = 4;
constexpr int kMinimumWidth = 750;
constexpr int kMinimumHeight = 600;

QString DatesLine(const QDate& date)
{
    const QLocale locale = Regional::Locale();
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ")
           + locale.monthName(date.month(), QLocale::LongFormat) + QLatin1Char(' ')
           + QString::number(date.day()) + QStringLiteral(", ") + QString::number(date.year());
}

QStringList ShortDayNamesFromSunday()
{
    const QLocale locale = Regional::Locale();
    QStringList names{locale.dayName(7, QLocale::ShortFormat)};
    for (int day = 1; day <= 6; ++day)
        names << locale.dayName(day, QLocale::ShortFormat);
    return names;
}

} // namespace

TfrmPlanner::TfrmPlanner(AppState& state, QWidget* parent, const QDate& startDay)
    : QDialog(parent), m_state(state), m_startDay(startDay)
{
    setObjectName(QStringLiteral("frmPlanner"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    buildWindow();
    pShowFormInformation();
}

void TfrmPlanner::buildWindow()
{
    using CommandIcons::Kind;
    QToolBar* bar = CommandIcons::makeToolBar(this, QStringLiteral("tbPlanner"));
    actClose = CommandIcons::makeAction(this, QStringLiteral("actClose"), QStringLiteral("Close"), QString(), Kind::Close);
    actNewActivity = CommandIcons::makeAction(this, QStringLiteral("actNewActivity"), QStringLiteral("New Activity"),
                                              QString(), Kind::New);
    actPrintPreview = CommandIcons::makeAction(this, QStringLiteral("actPrintPreview"),
                                               QStringLiteral("Print Preview"), QString(), Kind::PrintPreview);
    actPrint = CommandIcons::makeAction(this, QStringLiteral("actPrint"), QStringLiteral("Print"), QString(), Kind::Print);
    actHelp = CommandIcons::makeAction(this, QStringLiteral("actHelp"), QStringLiteral("Help"), QString(), Kind::Help);
    for (QAction* action : {actClose, actNewActivity, actPrintPreview, actPrint, actHelp})
        bar->addAction(action);
    actPrint->setEnabled(false);
    actPrintPreview->setEnabled(false);

    cmboPlannerType = new QComboBox(this);
    cmboPlannerType->setObjectName(QStringLiteral("cmboPlannerType"));
    cmboPlannerType->addItems({QStringLiteral("Day Planner List"), QStringLiteral("Week Planner List"),
                               QStringLiteral("Month Planner List")});
    btnActivityBack = new QPushButton(QStringLiteral("<<"), this);
    btnActivityBack->setObjectName(QStringLiteral("btnActivityBack"));
    btnActivityNext = new QPushButton(QStringLiteral(">>"), this);
    btnActivityNext->setObjectName(QStringLiteral("btnActivityNext"));
    for (QPushButton* button : {btnActivityBack, btnActivityNext}) {
        button->setAutoDefault(false);
        button->setFixedWidth(44);
    }
    lblTodayDateDay = new TodayLabel(this);
    lblTodayDateDay->setObjectName(QStringLiteral("lblTodayDateDay"));
    lblTodayDateDay->setAlignment(Qt::AlignCenter);
    sgCalenderDay = new PlannerCalendarTable(this);
    sgCalenderDay->setObjectName(QStringLiteral("sgCalenderDay"));

    lblDayMnthYear = new QLabel(this);
    lblDayMnthYear->setObjectName(QStringLiteral("lblDayMnthYear"));
    lblDayMnthYear->setAlignment(Qt::AlignCenter);
    QFont datesFont = lblDayMnthYear->font();
    datesFont.setPixelSize(17);
    datesFont.setBold(true);
    lblDayMnthYear->setFont(datesFont);

    lvActivityEdit = new QTreeWidget(this);
    lvActivityEdit->setObjectName(QStringLiteral("lvActivityEdit"));
    lvActivityEdit->setRootIsDecorated(false);
    lvActivityEdit->setItemsExpandable(false);
    lvActivityEdit->setUniformRowHeights(true);
    lvActivityEdit->setSelectionMode(QAbstractItemView::SingleSelection);
    lvActivityEdit->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvActivityEdit->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvActivityEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvActivityEdit->setSortingEnabled(false);
    lvActivityEdit->setHeaderLabels({QStringLiteral("Start Date Time"), QStringLiteral("End Date Time"),
                                     QStringLiteral("Date"), QStringLiteral("Activity Start"),
                                     QStringLiteral("Activity End"), QStringLiteral("Activity"),
                                     QStringLiteral("Notes"), QStringLiteral("Master Number"),
                                     QStringLiteral("Day of Year"), QStringLiteral("Year"),
                                     QStringLiteral("Priority"), QStringLiteral("Activity Number")});
    lvActivityEdit->header()->setSectionsMovable(false);
    lvActivityEdit->header()->setStretchLastSection(false);
    lvActivityEdit->header()->setMinimumSectionSize(0);
    for (int column = 0; column < PlannerList::ListColumnCount; ++column)
        lvActivityEdit->setColumnHidden(column, IsHiddenListColumn(column));
    lvActivityEdit->installEventFilter(this);
    PolishList(lvActivityEdit);

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(btnActivityBack);
    monthRow->addWidget(lblTodayDateDay, 1);
    monthRow->addWidget(btnActivityNext);

    auto* left = new QVBoxLayout;
    left->addWidget(cmboPlannerType);
    left->addLayout(monthRow);
    left->addWidget(sgCalenderDay, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(lblDayMnthYear);
    right->addWidget(lvActivityEdit, 1);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(8, 4, 8, 8);
    body->addLayout(left, 0);
    body->addLayout(right, 1);
    sgCalenderDay->setMinimumWidth(290);
    sgCalenderDay->setMaximumWidth(360);
    cmboPlannerType->setMaximumWidth(360);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addLayout(body, 1);
    resize(kMinimumWidth + 150, kMinimumHeight + 80);

    setTabOrder(cmboPlannerType, btnActivityBack);
    setTabOrder(btnActivityBack, lblTodayDateDay);
    setTabOrder(lblTodayDateDay, btnActivityNext);
    setTabOrder(btnActivityNext, sgCalenderDay);
    setTabOrder(sgCalenderDay, lvActivityEdit);

    connect(actClose, &QAction::triggered, this, [this] { close(); });
    connect(actNewActivity, &QAction::triggered, this, [this] { actNewActivityExecute(); });
    connect(actPrint, &QAction::triggered, this, [this] { printList(false); });
    connect(actPrintPreview, &QAction::triggered, this, [this] { printList(true); });
    connect(actHelp, &QAction::triggered, this, [] { OpenHelpFile(); });
    connect(cmboPlannerType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_shownOnce)
            return;
        Guarded([this] {
            lvActivityEdit->clear();
            pSHowDayPlannerActivity();
        });
        pAllowPrinting();
    });
    connect(btnActivityBack, &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(btnActivityNext, &QPushButton::clicked, this, [this] { stepMonth(1); });
    connect(lblTodayDateDay, &TodayLabel::activated, this, [this] { returnToToday(); });
    connect(sgCalenderDay, &PlannerCalendarTable::daySelected, this, [this](int day) {
        m_selected = QDate(m_selected.year(), m_selected.month(), day);
        Guarded([this] { pSelectDayInPlanner(); });
    });
    connect(lvActivityEdit, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        lvActivityEditClick(lvActivityEdit->indexOfTopLevelItem(item));
    });
}

void TfrmPlanner::pShowFormInformation()
{
    SetHint(actPrint, QStringLiteral("Print current activity list"));
    SetHint(actPrintPreview, QStringLiteral("Print Preview current activity list"));
    SetHint(cmboPlannerType, QStringLiteral("Select Activity list type or change planner settings"));
    SetHint(sgCalenderDay, QStringLiteral("Select a date to view or edit"));
    SetHint(lblTodayDateDay, QStringLiteral("Click to return to todays date"));
    SetHint(lvActivityEdit, QStringLiteral("Select an Activity to Edit"));
    SetHint(btnActivityBack, QStringLiteral("Previous Month"));
    SetHint(btnActivityNext, QStringLiteral("Next Month"));
}

void TfrmPlanner::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    if (m_state.preferences[PrefPlannerShow])
        setWindowState(windowState() | Qt::WindowMaximized);
    const CompanySettings& settings = m_state.companySettings;
    sgCalenderDay->setPaints({palette().color(QPalette::Base), ToQColor(settings.PlannerWeekendColor),
                              ToQColor(settings.PlannerActivityColor), ToQColor(settings.PlannerPriorityColor),
                              ToQColor(settings.PlannerHeaderColor)});
    cmboPlannerType->setCurrentIndex(qBound(0, settings.PlannerDefaultView, 2));
    m_shownOnce = true;
    m_selected = m_startDay.isValid() ? m_startDay : Today();
    const bool filled = Guarded([this] {
        pSearchPlannerActivity(m_selected.year());
        pDrawCalendar();
    });
    // A planner whose activities cannot be read is not left open half filled.
    if (!filled)
        QTimer::singleShot(0, this, [this] { done(QDialog::Rejected); });
    sgCalenderDay->setFocus();
}

void TfrmPlanner::closeEvent(QCloseEvent* event)
{
    m_state.preferences[PrefPlannerShow] = isMaximized();
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TfrmPlanner::reject()
{
    // Escape closes as the Close command does, so the window state is kept.
    close();
}

void TfrmPlanner::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    pSetColumnWidths();
}

bool TfrmPlanner::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a row opens it, as a click does.
    if (watched == lvActivityEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lvActivityEdit->currentItem()) {
            lvActivityEditClick(lvActivityEdit->indexOfTopLevelItem(lvActivityEdit->currentItem()));
            return true;
        }
    }
    if (watched == lvActivityEdit && event->type() == QEvent::Resize)
        pSetColumnWidths();
    return QDialog::eventFilter(watched, event);
}

PlannerView TfrmPlanner::view() const
{
    return PlannerView(qBound(0, cmboPlannerType->currentIndex(), 2));
}

void TfrmPlanner::pSearchPlannerActivity(int year)
{
    m_year = ReadYearActivities(year);
}

void TfrmPlanner::pDrawCalendar()
{
    sgCalenderDay->showMonth(BuildCalendar(m_selected, m_year.marks), ShortDayNamesFromSunday(), m_selected.day());
    pSelectDayInPlanner();
}

void TfrmPlanner::pSelectDayInPlanner()
{
    lvActivityEdit->clear();
    m_rows.clear();
    lblDayMnthYear->setText(DatesLine(m_selected));
    lblTodayDateDay->setText(QStringLiteral("Today: ") + Regional::FormatShortDate(Today()));
    pSHowDayPlannerActivity();
    pAllowPrinting();
}

void TfrmPlanner::pSHowDayPlannerActivity()
{
    const PlannerView shown = view();
    m_rows = ListActivities(ViewRange(m_selected, shown), m_year, shown);
    pSetColumnWidths();
    QList<QTreeWidgetItem*> items;
    items.reserve(int(m_rows.size()));
    const QBrush odd = palette().brush(QPalette::Window);
    const QBrush even = lvActivityEdit->palette().brush(QPalette::Base);
    std::vector<PlannerListFeed::Row> feedRows;
    feedRows.reserve(m_rows.size());
    for (const ActivityRow& row : m_rows) {
        const QString dateText = Regional::FormatShortDate(row.listedDay);
        auto* item = new QTreeWidgetItem(QStringList{
            row.startText, row.endText, dateText, ListDateTimeText(row.startText), ListDateTimeText(row.endText),
            row.activity, row.note, QString::number(row.masterId), QString::number(row.dayOfYear),
            QString::number(row.year), row.priority, QString::number(row.activityId)});
        // Rows alternate, the first in the window colour.
        const QBrush& background = items.size() % 2 == 0 ? odd : even;
        for (int column = 0; column < PlannerList::ListColumnCount; ++column)
            item->setBackground(column, background);
        items << item;
        feedRows.push_back({row.activityId, dateText});
    }
    lvActivityEdit->addTopLevelItems(items);
    m_feed.setRows(std::move(feedRows), shown == PlannerView::Day);
}

void TfrmPlanner::pSetColumnWidths()
{
    const int width = lvActivityEdit->viewport()->width();
    const auto widths = ListColumnWidths(view(), width);
    for (int column = 0; column < PlannerList::ListColumnCount; ++column) {
        lvActivityEdit->setColumnWidth(column, widths[column]);
        if (!IsHiddenListColumn(column))
            lvActivityEdit->setColumnHidden(column, widths[column] == 0);
    }
}

void TfrmPlanner::pAllowPrinting()
{
    const bool rows = lvActivityEdit->isEnabled() && lvActivityEdit->topLevelItemCount() > 0;
    actPrint->setEnabled(rows);
    actPrintPreview->setEnabled(rows);
}

void TfrmPlanner::selectDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const bool newYear = date.year() != m_selected.year();
    m_selected = date;
    Guarded([this, newYear] {
        if (newYear)
            pSearchPlannerActivity(m_selected.year());
        pDrawCalendar();
    });
}

void TfrmPlanner::stepMonth(int months)
{
    selectDate(StepMonth(m_selected, months));
}

void TfrmPlanner::returnToToday()
{
    m_selected = Today();
    Guarded([this] {
        pSearchPlannerActivity(m_selected.year());
        pDrawCalendar();
    });
}

void TfrmPlanner::lvActivityEditClick(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    TrecActivityEdit activity;
    if (!Guarded([&] { activity = ActivityOfRow(m_rows[row]); }))
        return;
    openEditor(activity);
}

void TfrmPlanner::actNewActivityExecute()
{
    openEditor(NewActivityOn(m_selected));
}

void TfrmPlanner::openEditor(const TrecActivityEdit& activity)
{
    Dispatcher::ShowActivityEdit(m_state, this, activity);
    Guarded([this] {
        if (m_state.dataChanged) {
            pSearchPlannerActivity(m_selected.year());
            pDrawCalendar();
            m_state.dataChanged = false;
        }
    });
    pAllowPrinting();
}

void TfrmPlanner::printList(bool preview)
{
    Guarded([this, preview] {
        m_state.windowMode = kPlannerListMode;
        if (m_state.printData)
            m_state.printData->plannerInfo = {cmboPlannerType->currentText(), lblDayMnthYear->text(),
                                              view() == PlannerView::Day};
        ListPrinting::run(m_state, preview);
    });
}
