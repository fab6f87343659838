#include "app/gui/TfrmMain.h"

#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/BackupRestore.h"
#include "app/Guard.h"
#include "app/PlannerCleanUp.h"
#include "app/Preferences.h"
#include "app/ShellServices.h"
#include "app/gui/Dispatcher.h"
#include "app/gui/HomePage.h"
#include "app/gui/TfrmSaving.h"
#include "app/gui/ThemeIcons.h"
#include "catalogs/gui/CommandIcons.h"
#include "maintenance/RecurringStatus.h"
#include "maintenance/gui/RecurringPrinting.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

TfrmMain::TfrmMain(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProductName());
    // Qt keeps the window at least this large in each direction on its own.
    setMinimumSize(750, 600);

    pCreateCommands();
    pCreateMenus();
    pCreateToolBar();
    pCreateRecurringBox();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    pConnectCommands();
    m_recurringRun = [this] { pPrintRecurringInvoices(); };
}

QAction* TfrmMain::addCommand(const char* objectName, const QString& caption, CommandIcons::Kind kind)
{
    auto* command = new QAction(caption, this);
    command->setObjectName(QLatin1String(objectName));
    CommandIcons::dress(command, kind);
    // Enabled by route() once the command has something to do.
    command->setEnabled(false);
    return command;
}

void TfrmMain::pCreateCommands()
{
    // "&" marks each command's mnemonic in its menu; tool buttons show the caption without it.
    using CommandIcons::Kind;
    actNewInvoice = addCommand("actNewInvoice", QStringLiteral("&New Invoice"), Kind::New);
    actInvoiceMaintenance = addCommand("actInvoiceMaintenance", QStringLiteral("&Invoice Maintenance"), Kind::Open);
    actManualInvoice = addCommand("actManualInvoice", QStringLiteral("&Manual Invoice"), Kind::PrintForms);
    actCustomerMaintenance = addCommand("actCustomerMaintenance", QStringLiteral("&Customer Maintenance"),
                                        Kind::Customers);
    actCompanyMaintenance = addCommand("actCompanyMaintenance", QStringLiteral("C&ompany Maintenance"), Kind::Company);
    actPriceSheet = addCommand("actPriceSheet", QStringLiteral("&Price Sheet"), Kind::Prices);
    actReport = addCommand("actReport", QStringLiteral("View &Report"), Kind::Report);
    actBackupCompanyData = addCommand("actBackupCompanyData", QStringLiteral("&Backup Company Data"), Kind::Backup);
    actRestoreCompanyData = addCommand("actRestoreCompanyData", QStringLiteral("&Restore Company Data"),
                                       Kind::Restore);
    actContractWriter = addCommand("actContractWriter", QStringLiteral("Con&tract Writer"), Kind::Writer);
    actWarrantyWriter = addCommand("actWarrantyWriter", QStringLiteral("&Warranty Writer"), Kind::Writer);
    actShowHidePlanner = addCommand("actShowHidePlanner", QStringLiteral("&Planner"), Kind::Planner);
    actUpdate = addCommand("actUpdate", QStringLiteral("Check for &Updates"), Kind::Update);
    actHelp = addCommand("actHelp", QStringLiteral("&Help"), Kind::Help);
    actAbout = addCommand("actAbout", QStringLiteral("&About ") + ProductName(), Kind::About);
    actExit = addCommand("actExit", QStringLiteral("E&xit"), Kind::Exit);
}

void TfrmMain::pCreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(actExit);

    QMenu* invoice = bar->addMenu(QStringLiteral("&Invoice"));
    invoice->setObjectName(QStringLiteral("mnuInvoice"));
    invoice->addActions({actNewInvoice, actManualInvoice, actInvoiceMaintenance});

    QMenu* maintenance = bar->addMenu(QStringLiteral("&Maintenance"));
    maintenance->setObjectName(QStringLiteral("mnuMaintenance"));
    maintenance->addActions({actCompanyMaintenance, actCustomerMaintenance, actPriceSheet, actReport});
    QMenu* backup = maintenance->addMenu(QStringLiteral("&Backup/Restore"));
    backup->setObjectName(QStringLiteral("mnuBackupRestore"));
    backup->addActions({actBackupCompanyData, actRestoreCompanyData});
    maintenance->addActions({actContractWriter, actWarrantyWriter});

    QMenu* planner = bar->addMenu(QStringLiteral("&Planner"));
    planner->setObjectName(QStringLiteral("mnuPlanner"));
    planner->addAction(actShowHidePlanner);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addActions({actUpdate, actHelp, actAbout});
}

void TfrmMain::pCreateToolBar()
{
    QToolBar* tools = addToolBar(QStringLiteral("Commands"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    tools->setIconSize(QSize(32, 32));
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tools->addActions({actNewInvoice, actInvoiceMaintenance, actManualInvoice, actCustomerMaintenance,
                       actReport, actHelp});
}

void TfrmMain::pCreateRecurringBox()
{
    auto* box = new QGroupBox(QStringLiteral("Print Recurring Invoices"));
    box->setObjectName(QStringLiteral("grpPrintRecurring"));
    auto* lastPrinted = new QLabel(QStringLiteral("Last Printed on:"), box);
    lastPrinted->setObjectName(QStringLiteral("lblLastPrintedOn"));
    lblRecurringLastPrinted = new QLabel(box);
    lblRecurringLastPrinted->setObjectName(QStringLiteral("lblRecurringLastPrinted"));
    btnPrintRecurring = new QPushButton(QStringLiteral("Print Recurring"), box);
    btnPrintRecurring->setObjectName(QStringLiteral("btnPrintRecurring"));
    btnPrintRecurring->setIcon(ThemeIcon("document-print", QStyle::SP_FileDialogDetailedView));
    btnPrintRecurring->setEnabled(false);
    connect(btnPrintRecurring, &QPushButton::clicked, this, &TfrmMain::btnPrintRecurringClick);

    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(lastPrinted);
    boxLayout->addWidget(lblRecurringLastPrinted);
    boxLayout->addSpacing(6);
    boxLayout->addWidget(btnPrintRecurring);
    box->setFixedWidth(220);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlMain"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(box, 0, Qt::AlignLeft | Qt::AlignTop);
    m_home = new HomePage(m_state, central);
    // A window opened from the page can change the recurring list too.
    connect(m_home, &HomePage::windowClosed, this, [this] { Guarded([this] { pEnablePrintRecurring(); }); });
    layout->addWidget(m_home, 1);
    setCentralWidget(central);
}

void TfrmMain::route(QAction* command, std::function<void()> body)
{
    // Every command's window has closed when its body returns.
    connect(command, &QAction::triggered, this, [this, body = std::move(body)] {
        body();
        pRefreshHome();
    });
    command->setEnabled(true);
}

void TfrmMain::pConnectCommands()
{
    // Every command that opens a window reaches it through its dispatcher routine.
    // A command without a line here has no window yet and stays disabled. New Invoice
    // and Invoice Maintenance can change the recurring list: after their window has
    // closed they call pEnablePrintRecurring().
    route(actBackupCompanyData, [] { Guarded([] { BackupDatabase(); }); });
    route(actRestoreCompanyData, [this] { actRestoreCompanyDataExecute(); });
    route(actCompanyMaintenance, [this] { Dispatcher::ShowCompanyInfo(m_state, this); });
    route(actCustomerMaintenance, [this] { Dispatcher::ShowCustomers(m_state, this); });
    route(actPriceSheet, [this] { Dispatcher::ShowPriceSheet(m_state, this); });
    route(actReport, [this] { Dispatcher::ShowReport(m_state, this); });
    route(actContractWriter, [this] { Dispatcher::ShowContractWriter(m_state, this); });
    route(actWarrantyWriter, [this] { Dispatcher::ShowWarrantyWriter(m_state, this); });
    route(actInvoiceMaintenance, [this] {
        Dispatcher::ShowInvoiceMaintenance(m_state, this);
        Guarded([this] { pEnablePrintRecurring(); });
    });
    route(actManualInvoice, [this] { Dispatcher::ShowManualInvoice(m_state, this); });
    route(actNewInvoice, [this] {
        Dispatcher::ShowInvoiceEditor(m_state, this, true);
        Guarded([this] { pEnablePrintRecurring(); });
    });
    route(actShowHidePlanner, [this] { Dispatcher::ShowPlanner(m_state, this); });
    route(actUpdate, [this] { Dispatcher::ShowUpdate(m_state, this); });
    route(actHelp, [] { OpenHelpFile(); });
    route(actAbout, [this] { Dispatcher::ShowAbout(m_state, this); });
    route(actExit, [this] { close(); });
}

void TfrmMain::pShowFormInformation()
{
    setWindowTitle(ProductName());
    actAbout->setText(QStringLiteral("&About ") + ProductName());

    const std::pair<QObject*, QString> hints[] = {
        {actNewInvoice, QStringLiteral("Create new Estimate, Work Order, Invoice, Credit or Past Due Notice")},
        {actInvoiceMaintenance, QStringLiteral("View/Edit Saved Estimate, Work Order, Invoice, Credit or Past Due Notice")},
        {actManualInvoice, QStringLiteral("Print hand write Invoices")},
        {actCustomerMaintenance, QStringLiteral("Add new or edit Customer list")},
        {actCompanyMaintenance, QStringLiteral("Edit company information")},
        {actPriceSheet, QStringLiteral("Add new or edit Price Items")},
        {actReport, QStringLiteral("View Reports")},
        {actBackupCompanyData, QStringLiteral("Backup company data")},
        {actRestoreCompanyData, QStringLiteral("Restore company data")},
        {actContractWriter, QStringLiteral("Add or edit company Contract")},
        {actWarrantyWriter, QStringLiteral("Add or edit company Warranty")},
        {actHelp, QStringLiteral("Open ") + FullProductName() + QStringLiteral(" Help")},
        {btnPrintRecurring, QStringLiteral("Print Recurring Invoices")},
    };
    // Commands without a hint still name their key in the tool tip.
    for (QAction* command : {actShowHidePlanner, actUpdate, actAbout, actExit})
        SetHint(command, QString());
    for (const auto& [target, hint] : hints) {
        if (auto* command = qobject_cast<QAction*>(target)) {
            SetHint(command, hint);
        } else if (auto* widget = qobject_cast<QWidget*>(target)) {
            widget->setToolTip(hint);
            widget->setStatusTip(hint);
        }
    }
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (m_state.preferences[PrefFrmMainMaximized])
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
    // The busy window may still be up from building the database.
    HideProgress();
    pShowFormInformation();
    Guarded([this] { pRefreshRecurring(); });
    m_home->refresh();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    m_state.preferences[PrefFrmMainMaximized] = isMaximized();
    // Errors are reported, and the program still ends: refusing to close would bring
    // the same error back at every attempt.
    Guarded([this] { SavePreferences(m_state.preferences); });
    Guarded([] { CleanUpPlanner({ShowProgress, HideProgress}); });
    event->accept();
}

void TfrmMain::setRecurringRun(std::function<void()> run)
{
    m_recurringRun = std::move(run);
    Guarded([this] { pEnablePrintRecurring(); });
}

void TfrmMain::pShowRecurringLastPrinted()
{
    lblRecurringLastPrinted->setText(ReadRecurringLastPrinted());
}

void TfrmMain::pEnablePrintRecurring()
{
    btnPrintRecurring->setEnabled(CountRecurringInvoices() > 0);
}

void TfrmMain::pPrintRecurringInvoices()
{
    const QString runDate = PrintRecurringInvoices(m_state, ListViewRecurringNumber);
    if (!runDate.isEmpty())
        lblRecurringLastPrinted->setText(runDate);
}

void TfrmMain::pRefreshRecurring()
{
    pShowRecurringLastPrinted();
    pEnablePrintRecurring();
}

void TfrmMain::pRefreshHome()
{
    // Not after Exit: the program is ending.
    if (isVisible())
        m_home->refresh();
}

void TfrmMain::actRestoreCompanyDataExecute()
{
    Guarded([this] {
        // The restored file has its own recurring list and last run.
        // A large file takes a while to copy: the progress window shows meanwhile.
        const CopyHooks hooks{ShowProgress, HideProgress, [] {
                                  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                              }};
        if (RestoreDatabase(m_state.companySettings, hooks))
            pRefreshRecurring();
    });
}

void TfrmMain::btnPrintRecurringClick()
{
    if (!m_recurringRun)
        return;
    // A database error ends the run in the general error box; what it saved stays.
    Guarded([this] { m_recurringRun(); });
    Guarded([this] { pRefreshRecurring(); });
    pRefreshHome();
}
