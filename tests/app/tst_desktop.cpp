#include "app/AppState.h"
#include "app/gui/ThemeIcons.h"
#include "app/gui/WidgetPromptService.h"
#include "catalogs/CompanyLogo.h"
#include "catalogs/CustomerStore.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "catalogs/gui/TfrmPriceVelmar.h"
#include "data/Database.h"
#include "documents/EditorSession.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "documents/gui/TfrmPaidAndDeposit.h"
#include "maintenance/MaintenanceSearch.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "planner/gui/TfrmPlanner.h"
#include "printing/gui/TfrmManualInvoice.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "reports/gui/TfrmReport.h"
#include "texts/gui/TfrmTextEditor.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "../maintenance/MaintenanceFixtures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStringListModel>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>

// What every window gets from the desktop side of the program: keys for everything,
// questions that keep the data on Enter, one icon set, lists that use their width and
// fields that show what they hold.
namespace {

template <typename T = QWidget>
T* Find(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QWidget* Focus()
{
    return QApplication::focusWidget();
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(Focus(), Qt::Key(key), modifiers);
}

void Type(const QString& text)
{
    QTest::keyClicks(Focus(), text);
}

bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

qint64 Count(const QString& sql)
{
    return OpenDatabase().exec(sql).columnInt(0);
}

// Every icon file name the program's icon theme ships, without extension.
QSet<QString> ThemeIconNames()
{
    QSet<QString> names;
    for (const QString& folder : QIcon::themeSearchPaths()) {
        QDirIterator files(folder + QLatin1Char('/') + QIcon::themeName(), {QStringLiteral("*.svg")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            names.insert(QFileInfo(files.next()).completeBaseName());
    }
    return names;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    AppState m_state;

    // A saved invoice with two rooms; returns its number.
    int savedInvoice(int number = 500)
    {
        MaintenanceFixture::Save(m_state, {QStringLiteral("Invoice"), number, QStringLiteral("3/14/2011"),
                                           QStringLiteral("Jane Doe"), QStringLiteral("Harbor Homes")});
        return number;
    }

    std::unique_ptr<QWidget> makeWindow(const QString& name)
    {
        if (name == QLatin1String("customer"))
            return std::make_unique<TfrmCustomer>(m_state);
        if (name == QLatin1String("price"))
            return std::make_unique<TfrmPriceVelmar>(m_state);
        if (name == QLatin1String("company"))
            return std::make_unique<TfrmCompanyInfo>(m_state);
        if (name == QLatin1String("maintenance"))
            return std::make_unique<TfrmInvoiceMaintenance>(m_state);
        if (name == QLatin1String("report"))
            return std::make_unique<TfrmReport>(m_state);
        if (name == QLatin1String("text"))
            return std::make_unique<TfrmTextEditor>(m_state);
        if (name == QLatin1String("planner"))
            return std::make_unique<TfrmPlanner>(m_state);
        if (name == QLatin1String("manual"))
            return std::make_unique<TfrmManualInvoice>(m_state);
        if (name == QLatin1String("preview"))
            return std::make_unique<TfrmPrntPreview>(QStringLiteral("Preview"), DisplayDocument{}, [] {});
        if (name == QLatin1String("editor")) {
            OpenEditorSession(m_state, true);
            return std::make_unique<TfrmInvoiceVelmar>(m_state);
        }
        qFatal("no window %s", qPrintable(name));
        return nullptr;
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    // ------------------------------------------------------------ the keyboard alone

    void customerAddedAndSavedByKeys()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        QVERIFY(ShowActive(&window));
        Press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Focus()->objectName(), QStringLiteral("txtCustCmpnyName"));
        Type(QStringLiteral("Bay Realty"));
        Press(Qt::Key_Tab);
        Type(QStringLiteral("Ann"));
        Press(Qt::Key_Tab);
        Type(QStringLiteral("Lee"));
        Press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(prompts->shown.empty());
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblCustomers WHERE strCustCompany = 'Bay Realty' "
                                      "AND strCustFirstName = 'Ann' AND strCustLastName = 'Lee';")),
                 qint64(1));
        // Back on the list, where Escape closes the window without a question.
        QVERIFY(!Find<QAction>(&window, "actSave")->isEnabled());
        Press(Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(prompts->shown.empty());
    }

    void priceChangedByKeys()
    {
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        QVERIFY(ShowActive(&window));
        // The list is not a tab stop, yet the window starts on it.
        QCOMPARE(Focus()->objectName(), QStringLiteral("lstPrice"));
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        QCOMPARE(Focus()->objectName(), QStringLiteral("txtLaborPrice"));
        QCOMPARE(Find<QLineEdit>(&window, "txtPriceItmDiscription")->text(), QStringLiteral("Exterior Painting - per SQFT"));
        Press(Qt::Key_A, Qt::ControlModifier);
        Type(QStringLiteral("5"));
        Press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(OpenDatabase().exec(QStringLiteral("SELECT dbLbrPrc FROM tblPrices WHERE intPrcItemNumID = 2;"))
                     .columnText(0),
                 QStringLiteral("5.0"));
        // Saved, the list takes the keys again.
        QCOMPARE(Focus()->objectName(), QStringLiteral("lstPrice"));
        QVERIFY(prompts->shown.empty());
    }

    void companyPageReachedAndTermAddedByKeys()
    {
        ScopedPrompts prompts;
        TfrmCompanyInfo window(m_state);
        QVERIFY(ShowActive(&window));
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::CompanyPage));
        // Backwards from the first page comes round to the last.
        Press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::PlannerPage));
        Press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::CompanyPage));
        Press(Qt::Key_PageDown, Qt::ControlModifier);
        Press(Qt::Key_Tab, Qt::ControlModifier);
        Press(Qt::Key_PageDown, Qt::ControlModifier);
        Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::InvoicePage));
        QVERIFY(Find<QAction>(&window, "actInvoicePage")->isChecked());
        // The page's first field has the focus: the term is typed and Enter adds it.
        QCOMPARE(Focus()->objectName(), QStringLiteral("txtPmtTerm"));
        Type(QStringLiteral("Net 45"));
        Press(Qt::Key_Return);
        auto* terms = qobject_cast<QStringListModel*>(Find<QListView>(&window, "lstPmtTerms")->model());
        QCOMPARE(terms->stringList().size(), 5);
        QCOMPARE(terms->stringList().last(), QStringLiteral("Net 45"));
        QCOMPARE(Find<QLineEdit>(&window, "txtPmtTerm")->text(), QString());

        // Enter on a listed term takes it up for a change, and Enter in the field changes it.
        Press(Qt::Key_Tab);
        QCOMPARE(Focus()->objectName(), QStringLiteral("lstPmtTerms"));
        Press(Qt::Key_End);
        Press(Qt::Key_Return);
        QCOMPARE(Focus()->objectName(), QStringLiteral("txtPmtTerm"));
        Press(Qt::Key_Backspace);
        Type(QStringLiteral("0"));
        Press(Qt::Key_Return);
        QCOMPARE(terms->stringList().last(), QStringLiteral("Net 40"));
        QCOMPARE(terms->stringList().size(), 5);

        Press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_state.companySettings.InvData.PaymentTerms[4], QStringLiteral("Net 40"));
        QVERIFY(prompts->shown.empty());
    }

    void documentFoundAndOpenedByKeys()
    {
        using MaintenanceFixture::Save;
        Save(m_state, {QStringLiteral("Invoice"), 500, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe")});
        Save(m_state, {QStringLiteral("Estimate"), 501, QStringLiteral("3/15/2011"), QStringLiteral("Ann Smith")});
        Save(m_state, {QStringLiteral("Invoice"), 502, QStringLiteral("3/16/2011"), QStringLiteral("Ann Stone")});
        ScopedPrompts prompts;
        TfrmInvoiceMaintenance window(m_state);
        QList<int> opened;
        window.setEditorOpener([&] { opened << m_state.currentDocument.Header.InvNumber; });
        QVERIFY(ShowActive(&window));
        // The window opens on its list; back from it, past the empty search box.
        QCOMPARE(Focus()->objectName(), QStringLiteral("lstvwInvMaintenance"));
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Focus()->objectName(), QStringLiteral("cmboInvSearch"));
        // The last search type, then back to the drop-down and one up: the last-name
        // search. A text search sends the keyboard on to its search box each time.
        auto* search = Find<QComboBox>(&window, "cmboInvSearch");
        Press(Qt::Key_End);
        QCOMPARE(Focus()->objectName(), QStringLiteral("txtInvSearch"));
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        Press(Qt::Key_Up);
        QCOMPARE(search->currentText(), QStringLiteral("Customer Last Name"));
        QCOMPARE(Focus()->objectName(), QStringLiteral("txtInvSearch"));
        // The name search matches the full name from its start.
        Type(QStringLiteral("ann st"));
        auto* list = Find<QTreeView>(&window, "lstvwInvMaintenance");
        QCOMPARE(list->model()->rowCount(), 1);
        Press(Qt::Key_Tab);
        QCOMPARE(Focus()->objectName(), QStringLiteral("lstvwInvMaintenance"));
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        QCOMPARE(opened, QList<int>{502});
        QVERIFY(prompts->shown.empty());
    }

    // ------------------------------------------------------------ questions keep the data

    void enterNeverDeletes_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("customer") << "customer";
        QTest::newRow("payment term") << "payment term";
        QTest::newRow("company logo") << "company logo";
        QTest::newRow("document") << "document";
        QTest::newRow("work sheet") << "work sheet";
        QTest::newRow("document in maintenance") << "maintenance";
        QTest::newRow("unsaved customer") << "unsaved customer";
        QTest::newRow("unsaved price") << "unsaved price";
        QTest::newRow("unsaved document") << "unsaved document";
    }

    // Each question is answered as a user answers it by pressing Enter: with its default
    // button, which must keep what the question would remove.
    void enterNeverDeletes()
    {
        QFETCH(QString, what);
        ScopedPrompts prompts;
        prompts->pressEnter = true;
        bool kept = false;
        if (what == QLatin1String("customer")) {
            TfrmCustomer window(m_state);
            window.show();
            auto* list = Find<QTreeView>(&window, "lstvCustomers");
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            Find<QAction>(&window, "actDelete")->trigger();
            kept = Count(QStringLiteral("SELECT COUNT(*) FROM tblCustomers;")) == 3;
        } else if (what == QLatin1String("payment term") || what == QLatin1String("company logo")) {
            if (what == QLatin1String("company logo")) {
                QImage logo(40, 20, QImage::Format_RGB32);
                logo.fill(Qt::darkBlue);
                CompanyLogo::write(logo);
            }
            TfrmCompanyInfo window(m_state);
            window.show();
            if (what == QLatin1String("company logo")) {
                Find<QPushButton>(&window, "btnRemoveLogo")->click();
                kept = Find<QPushButton>(&window, "btnRemoveLogo")->isEnabled()
                       && !Find<QAction>(&window, "actSave")->isEnabled();
            } else {
                window.showPage(TfrmCompanyInfo::InvoicePage);
                auto* list = Find<QListView>(&window, "lstPmtTerms");
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Return);
                Find<QPushButton>(&window, "btnRemovePmtTerms")->click();
                kept = list->model()->rowCount() == 4;
            }
            window.close();
        } else if (what == QLatin1String("document") || what == QLatin1String("work sheet")) {
            m_state.currentDocument.Header.InvNumber = savedInvoice();
            OpenEditorSession(m_state, false);
            TfrmInvoiceVelmar window(m_state);
            window.show();
            // Opening may ask about changed tax rates; only the question below counts.
            prompts->shown.clear();
            if (what == QLatin1String("document")) {
                Find<QAction>(&window, "actDelete")->trigger();
                kept = Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")) == 1;
            } else {
                Find<QAction>(&window, "actRemoveWorkSheet")->trigger();
                kept = m_state.currentDocument.WorkSheets.size() == 2;
            }
            window.close();
            CloseEditorSession(m_state);
        } else if (what == QLatin1String("maintenance")) {
            savedInvoice();
            TfrmInvoiceMaintenance window(m_state);
            window.show();
            Find<QComboBox>(&window, "cmboInvMaintenanceType")->setCurrentIndex(Maintenance::Delete);
            auto* list = Find<QTreeView>(&window, "lstvwInvMaintenance");
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            kept = Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")) == 1;
        } else if (what == QLatin1String("unsaved customer")) {
            TfrmCustomer window(m_state);
            window.show();
            Find<QAction>(&window, "actNewCustomer")->trigger();
            Find<QLineEdit>(&window, "txtCustLstName")->setText(QStringLiteral("Lee"));
            window.close();
            kept = window.isVisible() && Find<QLineEdit>(&window, "txtCustLstName")->text() == QLatin1String("Lee");
        } else if (what == QLatin1String("unsaved price")) {
            TfrmPriceVelmar window(m_state);
            window.show();
            auto* list = Find<QTreeView>(&window, "lstPrice");
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            Find<QLineEdit>(&window, "txtLaborPrice")->setText(QStringLiteral("7"));
            Find<QAction>(&window, "actCancel")->trigger();
            kept = Find<QLineEdit>(&window, "txtLaborPrice")->text() == QLatin1String("7");
        } else if (what == QLatin1String("unsaved document")) {
            m_state.currentDocument.Header.InvNumber = savedInvoice();
            OpenEditorSession(m_state, false);
            TfrmInvoiceVelmar window(m_state);
            window.show();
            prompts->shown.clear();
            Find<QLineEdit>(&window, "txtCustPO")->setText(QStringLiteral("PO 7"));
            window.close();
            kept = window.isVisible();
            window.hide();
            CloseEditorSession(m_state);
        }
        QCOMPARE(prompts->texts(QStringLiteral("yesno")).size() + prompts->texts(QStringLiteral("yesnocancel")).size(),
                 1);
        const PromptAnswer safe = prompts->lastDefault();
        QVERIFY(safe == PromptAnswer::No || safe == PromptAnswer::Cancel);
        QVERIFY2(kept, qPrintable(prompts->lastText()));
    }

    // The real message box: its default button and Escape both keep the data.
    void questionBoxesDefaultToKeeping_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::newRow("yes no") << false;
        QTest::newRow("yes no cancel") << true;
    }
    void questionBoxesDefaultToKeeping()
    {
        QFETCH(bool, withCancel);
        WidgetPromptService service;
        QString defaultButton;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const PromptAnswer entered = withCancel ? service.askYesNoCancel(QStringLiteral("Delete?"), PromptAnswer::Cancel)
                                                : service.askYesNo(QStringLiteral("Delete?"), PromptAnswer::No);
        QCOMPARE(entered, withCancel ? PromptAnswer::Cancel : PromptAnswer::No);
        QVERIFY(!defaultButton.isEmpty());

        QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        const PromptAnswer escaped = withCancel ? service.askYesNoCancel(QStringLiteral("Delete?"), PromptAnswer::Cancel)
                                                : service.askYesNo(QStringLiteral("Delete?"), PromptAnswer::No);
        QCOMPARE(escaped, withCancel ? PromptAnswer::Cancel : PromptAnswer::No);
    }

    // A chooser title is one line; a second line of its caption is shown inside it.
    void aTwoLineCaptionBecomesATitleAndANote()
    {
        WidgetPromptService service;
        QString title;
        QString note;
        QTimer::singleShot(0, [&] {
            QWidget* chooser = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<QFileDialog*>(chooser));
            title = chooser->windowTitle();
            if (auto* label = chooser->findChild<QLabel*>(QStringLiteral("lblChooserNote")))
                note = label->isVisible() ? label->text() : QString();
            chooser->close();
        });
        const QString chosen = service.chooseOpenFile(
            QStringLiteral("Restore Company Database\nDatabase File Name: velmar7.db"), QDir::tempPath(),
            QStringLiteral("Company database (velmar7.db)"), false);
        QCOMPARE(chosen, QString());
        QCOMPARE(title, QStringLiteral("Restore Company Database"));
        QCOMPARE(note, QStringLiteral("Database File Name: velmar7.db"));
    }

    // ------------------------------------------------------------ one icon set

    void toolBarIconsComeFromOneTheme_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"customer", "price", "company", "maintenance", "report", "text", "planner",
                                 "manual", "preview", "editor"})
            QTest::newRow(name) << name;
    }
    void toolBarIconsComeFromOneTheme()
    {
        QFETCH(QString, window);
        ScopedPrompts prompts;
        const std::unique_ptr<QWidget> shown = makeWindow(window);
        shown->show();
        QCOMPARE(QIcon::themeName(), QString::fromLatin1(kCommandIconTheme));
        static const QSet<QString> themeIcons = ThemeIconNames();
        QVERIFY(!themeIcons.isEmpty());
        QSet<QString> used;
        for (QToolBar* bar : shown->findChildren<QToolBar*>()) {
            for (QAction* command : bar->actions()) {
                if (command->isSeparator() || command->icon().isNull()) {
                    // The company window's page bar is captions only.
                    QVERIFY2(command->isSeparator() || bar->toolButtonStyle() == Qt::ToolButtonTextOnly,
                             qPrintable(command->objectName()));
                    continue;
                }
                QVERIFY2(!command->icon().pixmap(32).isNull(), qPrintable(command->objectName()));
                QVERIFY2(themeIcons.contains(command->icon().name()),
                         qPrintable(command->objectName() + QLatin1Char(' ') + command->icon().name()));
                used.insert(command->icon().name());
            }
        }
        QVERIFY(!used.isEmpty());
        // Close leaves the window, Cancel drops an edit: they must not look alike.
        if (auto* cancel = shown->findChild<QAction*>(QStringLiteral("actCancel")))
            QVERIFY(cancel->icon().name() != Find<QAction>(shown.get(), "actClose")->icon().name());
        // The program's own icon is the window's.
        QCOMPARE(shown->windowIcon().pixmap(32).toImage(), ApplicationIcon().pixmap(32).toImage());
        shown->hide();
        if (window == QLatin1String("editor"))
            CloseEditorSession(m_state);
    }

    // Tool bars are never cut short: the window's minimum width holds every command.
    void smallestWindowsShowEveryCommand_data() { toolBarIconsComeFromOneTheme_data(); }
    void smallestWindowsShowEveryCommand()
    {
        QFETCH(QString, window);
        ScopedPrompts prompts;
        const std::unique_ptr<QWidget> shown = makeWindow(window);
        shown->show();
        shown->resize(1, 1);
        QApplication::processEvents();
        for (QToolBar* bar : shown->findChildren<QToolBar*>()) {
            QVERIFY2(bar->width() >= bar->sizeHint().width(), qPrintable(bar->objectName()));
            for (QAction* command : bar->actions())
                if (!command->isSeparator() && command->isVisible())
                    QVERIFY2(bar->widgetForAction(command)->isVisible(), qPrintable(command->objectName()));
        }
        shown->hide();
        if (window == QLatin1String("editor"))
            CloseEditorSession(m_state);
    }

    void standardKeysOnTheCommands()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
            {"actClose", QKeySequence::Close}, {"actNewCustomer", QKeySequence::New},
            {"actSave", QKeySequence::Save},   {"actDelete", QKeySequence::Delete},
            {"actPrint", QKeySequence::Print}, {"actHelp", QKeySequence::HelpContents},
        };
        for (const auto& [name, key] : keys) {
            QAction* command = Find<QAction>(&window, name);
            QCOMPARE(command->shortcuts(), QKeySequence::keyBindings(key));
            // The tool tip names the key after the hint; the status line shows the hint alone.
            QCOMPARE(command->toolTip(), command->statusTip() + QStringLiteral(" (")
                                             + command->shortcut().toString(QKeySequence::NativeText) + ')');
        }
        QCOMPARE(Find<QAction>(&window, "actPrintPreview")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        QCOMPARE(Find<QAction>(&window, "actCancel")->shortcut(), QKeySequence());
    }

    // ------------------------------------------------------------ lists and fields

    void listColumnsShareTheWidth()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        auto* list = Find<QTreeView>(&window, "lstvCustomers");
        QVERIFY(list->alternatingRowColors());
        auto widths = [list] {
            QList<int> shown;
            for (int column = 1; column < list->model()->columnCount(); ++column)
                shown << list->columnWidth(column);
            return shown;
        };
        for (int width : {1000, 1300}) {
            window.resize(width, 600);
            QApplication::processEvents();
            const QList<int> columns = widths();
            int sum = 0;
            for (int w : columns)
                sum += w;
            QCOMPARE(sum, list->viewport()->width());
            // Company 150 and Customer Name 140 keep their proportion.
            QVERIFY(qAbs(columns[0] * 140 - columns[1] * 150) <= 150 * 2);
        }
        QVERIFY(list->isColumnHidden(0));
        // Narrower than the columns, the list scrolls rather than squeezing them.
        list->setFixedWidth(300);
        QApplication::processEvents();
        QVERIFY(list->header()->length() > list->viewport()->width());
    }

    void aCutOffCellShowsItsWholeText()
    {
        ScopedPrompts prompts;
        TrecCustomer wide;
        wide.Company = QStringLiteral("Harbor Homes and Gardens of the Greater Lakeside");
        wide.LastName = QStringLiteral("Lee");
        SaveCustomer(wide);
        TfrmCustomer window(m_state);
        window.resize(900, 600);
        window.show();
        auto* list = Find<QTreeView>(&window, "lstvCustomers");
        int row = -1;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            if (list->model()->index(r, 1).data().toString() == wide.Company)
                row = r;
        QVERIFY(row >= 0);
        const QRect cell = list->visualRect(list->model()->index(row, 1));
        QVERIFY(list->fontMetrics().horizontalAdvance(wide.Company) > cell.width());
        QHelpEvent help(QEvent::ToolTip, cell.center(), list->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(list->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), wide.Company);
        QToolTip::hideText();
        // A cell that fits shows the list's own hint instead.
        const QRect shortCell = list->visualRect(list->model()->index(row, 2));
        QHelpEvent plain(QEvent::ToolTip, shortCell.center(), list->viewport()->mapToGlobal(shortCell.center()));
        QApplication::sendEvent(list->viewport(), &plain);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Select Customer to edit"));
        QToolTip::hideText();
    }

    void amountsStandRightUnderRightHeaders()
    {
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        const QAbstractItemModel* model = Find<QTreeView>(&window, "lstPrice")->model();
        for (int column = 0; column < 3; ++column) {
            const bool amount = column > 0;
            const auto cell = Qt::Alignment(model->index(0, column).data(Qt::TextAlignmentRole).toInt());
            const auto header = Qt::Alignment(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
            QCOMPARE(bool(cell & Qt::AlignRight), amount);
            QCOMPARE(bool(header & Qt::AlignRight), amount);
        }
    }

    void fieldsShowTheirLongestText_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("customer company") << "customer" << "txtCustCmpnyName" << "Harbor Homes & Gardens of Lakeside";
        QTest::newRow("customer address") << "customer" << "txtCustAddress" << "1234 North Lakeside Boulevard, Suite 200";
        QTest::newRow("customer phone") << "customer" << "txtCustExtraPhone1" << "(555) 220-4449 ext. 8765";
        QTest::newRow("customer phone name") << "customer" << "txtCustExtraPhone2Name" << "Office Line";
        QTest::newRow("company name") << "company" << "txtCompName" << "Morvane Painting & Decorating of the Lakeside";
        QTest::newRow("labor price") << "price" << "txtLaborPrice" << "1234567.89";
    }
    void fieldsShowTheirLongestText()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, text);
        ScopedPrompts prompts;
        const std::unique_ptr<QWidget> shown = makeWindow(window);
        shown->show();
        if (window == QLatin1String("customer"))
            Find<QAction>(shown.get(), "actNewCustomer")->trigger();
        auto* edit = Find<QLineEdit>(shown.get(), qPrintable(field));
        QVERIFY(text.size() <= edit->maxLength());
        for (bool smallest : {false, true}) {
            if (smallest)
                shown->resize(1, 1);
            QApplication::processEvents();
            edit->setEnabled(true);
            edit->setText(text);
            edit->setCursorPosition(0);
            // With the start of the text shown, the field's right end is at the text's end.
            const QPoint rightEnd(edit->contentsRect().right() - 3, edit->height() / 2);
            QVERIFY2(edit->cursorPositionAt(rightEnd) == text.size(), smallest ? "smallest" : "default");
        }
    }

    void readOnlyFieldsLookAlike()
    {
        ScopedPrompts prompts;
        TfrmCustomer customers(m_state);
        TfrmPriceVelmar prices(m_state);
        OpenEditorSession(m_state, true);
        TfrmPaidAndDeposit deposit(m_state);
        const QWidget* fields[] = {Find(&customers, "txtCustId"), Find(&prices, "txtPriceItmDiscription"),
                                   Find(&deposit, "txtRecDepositAmount")};
        for (const QWidget* field : fields) {
            QVERIFY(qobject_cast<const QLineEdit*>(field)->isReadOnly());
            QCOMPARE(field->palette().color(QPalette::Base), field->palette().color(QPalette::ToolTipBase));
        }
        CloseEditorSession(m_state);
    }
};

VELMAR_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
