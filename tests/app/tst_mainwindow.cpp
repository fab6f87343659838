#include "FakeOpener.h"
#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Clock.h"
#include "app/gui/TfrmAbout.h"
#include "app/gui/TfrmMain.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"


namespace {

QAction* command(QWidget* window, const char* name)
{
    auto* found = window->findChild<QAction*>(QLatin1String(name));
    if (!found)
        qWarning("no command %s", name);
    return found;
}

QStringList objectNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* action : actions)
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

void addInvoiceHeader(const QString& kind, const QString& recurring, int number)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("INSERT INTO tblInvHeader(strInvName,intInvNumber,strInvDate,strRecurring,strPaidInFull)"
                           " VALUES (?,?,?,?,?);"),
            {kind, number, QStringLiteral("3/14/2011"), recurring, QStringLiteral("0")});
}

QString storedMainMaximized()
{
    Connection db = OpenDatabase();
    return db.exec(QStringLiteral("SELECT strFrmMainMaximized FROM tblAppPreferences WHERE intAppPreferencesIdNumber = 1;"))
        .columnText(0);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    AppState state;

private slots:
    void init() { TestEnvironment::freshDatabase(state); }

    void commands_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("enabled");
        auto row = [](const char* name, const char* caption, const char* hint, bool enabled) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption)
                                << QString::fromUtf8(hint) << enabled;
        };
        // Captions carry their menu mnemonic.
        row("actNewInvoice", "&New Invoice", "Create new Estimate, Work Order, Invoice, Credit or Past Due Notice", true);
        row("actInvoiceMaintenance", "&Invoice Maintenance", "View/Edit Saved Estimate, Work Order, Invoice, Credit or Past Due Notice", true);
        row("actManualInvoice", "&Manual Invoice", "Print hand write Invoices", true);
        row("actCustomerMaintenance", "&Customer Maintenance", "Add new or edit Customer list", true);
        row("actCompanyMaintenance", "C&ompany Maintenance", "Edit company information", true);
        row("actPriceSheet", "&Price Sheet", "Add new or edit Price Items", true);
        row("actReport", "View &Report", "View Reports", true);
        row("actBackupCompanyData", "&Backup Company Data", "Backup company data", true);
        row("actRestoreCompanyData", "&Restore Company Data", "Restore company data", true);
        row("actContractWriter", "Con&tract Writer", "Add or edit company Contract", true);
        row("actWarrantyWriter", "&Warranty Writer", "Add or edit company Warranty", true);
        row("actShowHidePlanner", "&Planner", "", true);
        row("actUpdate", "Check for &Updates", "", true);
        row("actHelp", "&Help", "Open Morvane Velmar Kessa Help", true);
        row("actAbout", "&About Velmar Kessa", "", true);
        row("actExit", "E&xit", "", true);
    }
    void commands()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, enabled);
        TfrmMain window(state);
        window.show();
        auto* action = command(&window, name.toLatin1().constData());
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->statusTip(), hint);
        // The tool tip is the hint (or the caption) and the key, if the command has one.
        QString tip = hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint;
        if (!action->shortcut().isEmpty())
            tip += QStringLiteral(" (") + action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')');
        QCOMPARE(action->toolTip(), tip);
        QCOMPARE(action->isEnabled(), enabled);
        QVERIFY(!action->icon().isNull());
    }

    void layout()
    {
        TfrmMain window(state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmar Kessa"));

        QStringList menus;
        for (QAction* menu : window.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Invoice", "&Maintenance", "&Planner", "&Help"}));
        auto menuNames = [&](const char* name) {
            return objectNames(window.findChild<QMenu*>(QLatin1String(name))->actions());
        };
        QCOMPARE(menuNames("mnuFile"), QStringList{"actExit"});
        QCOMPARE(menuNames("mnuInvoice"), (QStringList{"actNewInvoice", "actManualInvoice", "actInvoiceMaintenance"}));
        QCOMPARE(menuNames("mnuMaintenance"),
                 (QStringList{"actCompanyMaintenance", "actCustomerMaintenance", "actPriceSheet", "actReport",
                              QString(), "actContractWriter", "actWarrantyWriter"}));
        QCOMPARE(window.findChild<QMenu*>("mnuMaintenance")->actions().at(4)->text(), QStringLiteral("&Backup/Restore"));
        // Alt and one letter reach every item: each item of a menu has a letter of its own.
        for (QMenu* menu : window.findChildren<QMenu*>()) {
            QSet<QChar> letters;
            for (QAction* item : menu->actions()) {
                const QString text = item->text();
                const qsizetype mark = text.indexOf(QLatin1Char('&'));
                QVERIFY2(mark >= 0 && mark + 1 < text.size(), qPrintable(text));
                const QChar letter = text.at(mark + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(text));
                letters.insert(letter);
            }
        }
        // The usual commands have the platform's usual keys, shown in the menus.
        QCOMPARE(command(&window, "actNewInvoice")->shortcuts(), QKeySequence::keyBindings(QKeySequence::New));
        QCOMPARE(command(&window, "actHelp")->shortcuts(), QKeySequence::keyBindings(QKeySequence::HelpContents));
        QCOMPARE(command(&window, "actExit")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Quit));
        // Tool buttons show the captions without the mnemonic marks.
        auto* newInvoice = window.findChild<QToolBar*>(QStringLiteral("ToolBar"))
                               ->widgetForAction(command(&window, "actNewInvoice"));
        QCOMPARE(qobject_cast<QToolButton*>(newInvoice)->text(), QStringLiteral("New Invoice"));
        QCOMPARE(menuNames("mnuBackupRestore"), (QStringList{"actBackupCompanyData", "actRestoreCompanyData"}));
        QCOMPARE(menuNames("mnuPlanner"), QStringList{"actShowHidePlanner"});
        QCOMPARE(menuNames("mnuHelp"), (QStringList{"actUpdate", "actHelp", "actAbout"}));

        auto* tools = window.findChild<QToolBar*>(QStringLiteral("ToolBar"));
        QCOMPARE(objectNames(tools->actions()),
                 (QStringList{"actNewInvoice", "actInvoiceMaintenance", "actManualInvoice",
                              "actCustomerMaintenance", "actReport", "actHelp"}));
        QCOMPARE(tools->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(tools->iconSize().height() >= 32);

        auto* box = window.findChild<QGroupBox*>(QStringLiteral("grpPrintRecurring"));
        QCOMPARE(box->title(), QStringLiteral("Print Recurring Invoices"));
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblLastPrintedOn"))->text(), QStringLiteral("Last Printed on:"));
        auto* print = window.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"));
        QCOMPARE(print->text(), QStringLiteral("Print Recurring"));
        QCOMPARE(print->toolTip(), QStringLiteral("Print Recurring Invoices"));
        QCOMPARE(print->statusTip(), QStringLiteral("Print Recurring Invoices"));
    }

    void minimumSizeSnapsBack_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("got");
        QTest::newRow("too narrow") << QSize(700, 800) << QSize(750, 800);
        QTest::newRow("too low") << QSize(900, 500) << QSize(900, 600);
        QTest::newRow("both") << QSize(300, 200) << QSize(750, 600);
        QTest::newRow("large enough") << QSize(751, 601) << QSize(751, 601);
    }
    void minimumSizeSnapsBack()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, got);
        state.preferences[PrefFrmMainMaximized] = false;
        TfrmMain window(state);
        window.show();
        window.resize(asked);
        QCOMPARE(window.size(), got);
    }

    void maximizedStateRoundTrip_data()
    {
        QTest::addColumn<bool>("startMaximized");
        QTest::addColumn<bool>("leaveMaximized");
        QTest::addColumn<QString>("stored");
        QTest::newRow("maximized, left normal") << true << false << QStringLiteral("0");
        QTest::newRow("normal, left maximized") << false << true << QStringLiteral("-1");
        QTest::newRow("maximized, left maximized") << true << true << QStringLiteral("-1");
    }
    void maximizedStateRoundTrip()
    {
        QFETCH(bool, startMaximized);
        QFETCH(bool, leaveMaximized);
        QFETCH(QString, stored);
        state.preferences[PrefFrmMainMaximized] = startMaximized;
        state.preferences[PrefFrmCustomerRibbonMinimized] = true;
        {
            TfrmMain window(state);
            window.show();
            QCOMPARE(window.isMaximized(), startMaximized);
            window.setWindowState(leaveMaximized ? Qt::WindowMaximized : Qt::WindowNoState);
            QVERIFY(window.close());
        }
        QCOMPARE(storedMainMaximized(), stored);

        AppState next;
        LoadPreferences(next.preferences);
        QCOMPARE(next.preferences[PrefFrmMainMaximized], leaveMaximized);
        QVERIFY(next.preferences[PrefFrmCustomerRibbonMinimized]);
        TfrmMain again(next);
        again.show();
        QCOMPARE(again.isMaximized(), leaveMaximized);
    }

    void printRecurringButton_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("recurring");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("none saved") << QString() << QString() << false;
        QTest::newRow("recurring invoice") << QStringLiteral("Invoice") << QStringLiteral("-1") << true;
        QTest::newRow("kind in lower case") << QStringLiteral("invoice") << QStringLiteral("-1") << true;
        QTest::newRow("invoice not recurring") << QStringLiteral("Invoice") << QStringLiteral("0") << false;
        QTest::newRow("recurring estimate") << QStringLiteral("Estimate") << QStringLiteral("-1") << false;
        QTest::newRow("recurring credit") << QStringLiteral("Credit") << QStringLiteral("-1") << false;
    }
    void printRecurringButton()
    {
        QFETCH(QString, kind);
        QFETCH(QString, recurring);
        QFETCH(bool, enabled);
        if (!kind.isEmpty())
            addInvoiceHeader(kind, recurring, 502);
        TfrmMain window(state);
        int runs = 0;
        window.setRecurringRun([&] { ++runs; });
        window.show();
        auto* print = window.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblRecurringLastPrinted"))->text(), QStringLiteral(" Never"));
        QCOMPARE(print->isEnabled(), enabled);
        if (enabled) {
            print->click();
            QCOMPARE(runs, 1);
        }
    }

    void aRecurringRunEndedByAnErrorIsReported()
    {
        addInvoiceHeader(QStringLiteral("Invoice"), QStringLiteral("-1"), 502);
        TfrmMain window(state);
        window.setRecurringRun([] { throw DatabaseError(5, QStringLiteral("SQLite Error 5 - database is locked")); });
        window.show();
        ScopedPrompts prompts;
        window.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"))->click();
        QCOMPARE(prompts->texts(QStringLiteral("error")), QStringList{QStringLiteral("SQLite Error 5 - database is locked.")});
        QVERIFY(window.isVisible());
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblRecurringLastPrinted"))->text(), QStringLiteral(" Never"));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"))->isEnabled());
    }

    void printRecurringHasItsRunBuiltIn()
    {
        addInvoiceHeader(QStringLiteral("Invoice"), QStringLiteral("-1"), 502);
        TfrmMain window(state);
        window.show();
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"))->isEnabled());
    }

    void lastRecurringRunIsShownAsStored()
    {
        OpenDatabase().exec(QStringLiteral("UPDATE tblRecurring SET strLastPrintedDate = ? WHERE intRecurringID = 1;"),
                            {QStringLiteral("3/14/2011")});
        TfrmMain window(state);
        window.show();
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblRecurringLastPrinted"))->text(), QStringLiteral("3/14/2011"));
    }

    void closingSavesPreferencesThenRemovesOldActivities()
    {
        SetClockForTesting(QDateTime(QDate(2011, 3, 14), QTime(9, 0)));
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("DELETE FROM tblPlanner;"));
            db.exec(QStringLiteral("UPDATE tblPlannerSettings SET intRemoveActivity = 1 WHERE intPlannerSettingsID = 1;"));
            db.exec(QStringLiteral("INSERT INTO tblPlanner(strActEndDateTime) VALUES ('3/13/2011'), ('3/14/2011');"));
        }
        state.preferences[PrefFrmMainMaximized] = true;
        ScopedPrompts prompts;
        TfrmMain window(state);
        window.show();
        window.setWindowState(Qt::WindowNoState);
        command(&window, "actExit")->trigger();
        SetClockForTesting(QDateTime());

        QVERIFY(!window.isVisible());
        QVERIFY(prompts->shown.empty());
        QCOMPARE(storedMainMaximized(), QStringLiteral("0"));
        Connection db = OpenDatabase();
        QCOMPARE(db.exec(QStringLiteral("SELECT strActEndDateTime FROM tblPlanner;")).columnText(0), QStringLiteral("3/14/2011"));
    }

    void closingAfterACleanUpErrorStillEnds()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblPlannerSettings SET intRemoveActivity = 2 WHERE intPlannerSettingsID = 1;"));
            db.exec(QStringLiteral("INSERT INTO tblPlanner(strActEndDateTime) VALUES ('14.03.2011');"));
        }
        state.preferences[PrefFrmMainMaximized] = false;
        ScopedPrompts prompts;
        TfrmMain window(state);
        window.show();
        QVERIFY(window.close());
        QCOMPARE(prompts->texts(), QStringList{QStringLiteral("'14.03.2011' is not a valid date and time.")});
        // The preferences were saved before the clean-up failed.
        QCOMPARE(storedMainMaximized(), QStringLiteral("0"));
    }

    void aboutOpensModallyAndIsDestroyed()
    {
        TfrmMain window(state);
        window.show();
        FakeOpener opener;

        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            // A failed check must not leave the modal window waiting.
            const auto closeAbout = qScopeGuard([about] { about->reject(); });
            checked = true;
            QCOMPARE(about->windowTitle(), QStringLiteral("About Velmar Kessa"));
            QCOMPARE(about->size(), QSize(305, 337));
            auto* link = about->findChild<QLabel*>(QStringLiteral("lblAuthorWebsite"));
            QCOMPARE(link->text(), QStringLiteral("Visit Morvane Software"));
            QCOMPARE(link->toolTip(), QStringLiteral("Click to visit Morvane Software Website."));
            QCOMPARE(about->findChild<QPlainTextEdit*>(QStringLiteral("txtAboutInfo"))->toPlainText(),
                     QStringLiteral("Morvane Software\n\nProduct Information:\nVelmar Kessa\nVersion 7.0.0.0"));
            auto* ok = about->findChild<QPushButton*>(QStringLiteral("btnOK"));
            QCOMPARE(ok->toolTip(), QStringLiteral("Close"));
            QCOMPARE(about->focusWidget(), ok);
            QTest::mouseClick(link, Qt::LeftButton);
            ok->click();
        });
        command(&window, "actAbout")->trigger();
        QVERIFY(checked);
        QVERIFY(window.findChildren<TfrmAbout*>().isEmpty());
        QTRY_COMPARE(opener.opened(), QStringList{QString::fromLatin1(kWebSiteAddress)});
    }

    void helpFile()
    {
        TfrmMain window(state);
        window.show();
        QFile::remove(HelpFilePath());
        {
            ScopedPrompts prompts;
            command(&window, "actHelp")->trigger();
            QCOMPARE(prompts->texts(QStringLiteral("message")), QStringList{QStringLiteral("Unable to open the Help files!")});
        }
        QVERIFY(QFile::copy(QStringLiteral(VELMAR_TEST_DATA_DIR "/../resources/help/velmarhelp.html"), HelpFilePath()));
        const auto removeHelp = qScopeGuard([] { QFile::remove(HelpFilePath()); });
        FakeOpener opener;
        ScopedPrompts prompts;
        command(&window, "actHelp")->trigger();
        QTRY_COMPARE(opener.opened(), QStringList{HelpFilePath()});
        QVERIFY(prompts->shown.empty());
    }

    void restoreRefreshesWhatTheWindowShows()
    {
        TfrmMain window(state);
        window.show();
        QTemporaryDir folder;
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblRecurring SET strLastPrintedDate = '3/14/2011' WHERE intRecurringID = 1;"));
            db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompName = 'Harbor Painting' WHERE intCompInfoID = 1;"));
        }
        ScopedPrompts prompts;
        prompts->files.push_back(folder.path());
        command(&window, "actBackupCompanyData")->trigger();
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblRecurring SET strLastPrintedDate = '' WHERE intRecurringID = 1;"));
            db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompName = 'Other' WHERE intCompInfoID = 1;"));
        }
        prompts->files.push_back(QDir(folder.path()).filePath(QStringLiteral("velmar7.db")));
        command(&window, "actRestoreCompanyData")->trigger();

        QCOMPARE(prompts->texts(QStringLiteral("info")), QStringList{QStringLiteral("Backup of company database successful")});
        const QStringList restored = prompts->texts(QStringLiteral("message"));
        QCOMPARE(restored.size(), 1);
        // The second line names where the replaced database is kept.
        QVERIFY(restored.first().startsWith(QStringLiteral("Restore of company database successful\n")));
        QVERIFY(restored.first().contains(QStringLiteral("velmar7.db.before-restore-")));
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("Harbor Painting"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblRecurringLastPrinted"))->text(), QStringLiteral("3/14/2011"));
    }

    void closingAfterARestoreWritesThePreferencesInMemoryIntoTheRestoredFile()
    {
        QTemporaryDir folder;
        {
            // The backup holds preferences unlike the ones that will be in memory.
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblAppPreferences SET strFrmMainMaximized = '-1', "
                                   "strFrmInvoiceMaximized = '-1', strFrmPriceRibbonMinimized = '0' "
                                   "WHERE intAppPreferencesIdNumber = 1;"));
            db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompName = 'Harbor Painting' WHERE intCompInfoID = 1;"));
        }
        state.preferences[PrefFrmMainMaximized] = false;
        state.preferences[PrefFrmInvoiceMaximized] = false;
        state.preferences[PrefFrmPriceRibbonMinimized] = true;
        {
            TfrmMain window(state);
            window.show();
            ScopedPrompts prompts;
            prompts->files.push_back(folder.path());
            command(&window, "actBackupCompanyData")->trigger();
            {
                Connection db = OpenDatabase();
                db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompName = 'Other' WHERE intCompInfoID = 1;"));
            }
            prompts->files.push_back(QDir(folder.path()).filePath(QStringLiteral("velmar7.db")));
            command(&window, "actRestoreCompanyData")->trigger();
            QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("Harbor Painting"));
            // Restoring does not reload them: the window keeps what it had.
            QVERIFY(!state.preferences[PrefFrmInvoiceMaximized]);
            QVERIFY(!window.isMaximized());
            QVERIFY(window.close());
            QVERIFY(prompts->texts(QStringLiteral("error")).isEmpty());
        }
        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral(
            "SELECT strFrmMainMaximized, strFrmInvoiceMaximized, strFrmPriceRibbonMinimized, "
            "(SELECT strCompName FROM tblCompanyInfo) FROM tblAppPreferences WHERE intAppPreferencesIdNumber = 1;"));
        QCOMPARE(row.columnText(3), QStringLiteral("Harbor Painting")); // the restored file
        QCOMPARE(row.columnText(0), QStringLiteral("0"));
        QCOMPARE(row.columnText(1), QStringLiteral("0"));
        QCOMPARE(row.columnText(2), QStringLiteral("-1"));
    }
};

VELMAR_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
