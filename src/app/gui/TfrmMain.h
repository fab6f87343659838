#pragma once

#include "catalogs/gui/CommandIcons.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

struct AppState;
class HomePage;
class QAction;
class QLabel;
class QPushButton;

// The application's home: menus, the tool bar and the box for printing the recurring
// invoices. Closing it saves the preferences, removes old planner activities and ends
// the program.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(AppState& state, QWidget* parent = nullptr);

    // Replaces the recurring run behind "Print Recurring" (pPrintRecurringInvoices).
    void setRecurringRun(std::function<void()> run);
    // Issues every recurring invoice anew, one preview each, and shows the run's date.
    void pPrintRecurringInvoices();

    // Shows the date of the last recurring run.
    void pShowRecurringLastPrinted();
    // Enables "Print Recurring" when an invoice is on the recurring list.
    void pEnablePrintRecurring();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(const char* objectName, const QString& caption, CommandIcons::Kind kind);
    void pCreateCommands();
    void pCreateMenus();
    void pCreateToolBar();
    void pCreateRecurringBox();
    void pConnectCommands();
    // Ties a command to what it does and enables it.
    void route(QAction* command, std::function<void()> body);
    void pShowFormInformation();
    void pRefreshRecurring();
    // After a window has closed: what it changed shows on the home page.
    void pRefreshHome();

    void actRestoreCompanyDataExecute();
    void btnPrintRecurringClick();

    AppState& m_state;
    std::function<void()> m_recurringRun;
    // The numbers of the recurring invoices while a run goes on.
    QStringList ListViewRecurringNumber;
    bool m_shown = false;

    QAction* actNewInvoice;
    QAction* actInvoiceMaintenance;
    QAction* actManualInvoice;
    QAction* actCustomerMaintenance;
    QAction* actCompanyMaintenance;
    QAction* actPriceSheet;
    QAction* actReport;
    QAction* actBackupCompanyData;
    QAction* actRestoreCompanyData;
    QAction* actContractWriter;
    QAction* actWarrantyWriter;
    QAction* actShowHidePlanner;
    QAction* actUpdate;
    QAction* actHelp;
    QAction* actAbout;
    QAction* actExit;

    QLabel* lblRecurringLastPrinted;
    QPushButton* btnPrintRecurring;
    // The free area beside the recurring box.
    HomePage* m_home;
};
