#include "maintenance/MaintenanceListModel.h"
#include "maintenance/gui/TfrmInvoiceMaintenance.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "MaintenanceFixtures.h"
#include "../printing/PrintTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTreeView>

using namespace MaintenanceFixture;

class TestMaintenanceWindow : public QObject {
    Q_OBJECT

    AppState state;
    QTemporaryDir output;
    int printedJobs = 0;

    template <class T>
    static T* Find(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("missing control %s", name);
        return found;
    }

    static QList<int> Listed(TfrmInvoiceMaintenance& window)
    {
        QList<int> numbers;
        for (int row = 0; row < window.listModel()->rowCount(); ++row)
            numbers << window.listModel()->row(row).Number;
        return numbers;
    }

    // Selects and clicks a listed document.
    static void ClickRow(TfrmInvoiceMaintenance& window, int number)
    {
        auto* list = Find<QTreeView>(&window, "lstvwInvMaintenance");
        const QList<int> numbers = Listed(window);
        const int row = int(numbers.indexOf(number));
        QVERIFY(row >= 0);
        const QModelIndex index = list->model()->index(row, 0);
        list->setCurrentIndex(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    static void Choose(TfrmInvoiceMaintenance& window, int type, int search = 0)
    {
        Find<QComboBox>(&window, "cmboInvMaintenanceType")->setCurrentIndex(type);
        Find<QComboBox>(&window, "cmboInvSearch")->setCurrentIndex(search);
    }

    std::unique_ptr<QPrinter> FilePrinter()
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output.filePath(QStringLiteral("job%1.pdf").arg(++printedJobs)));
        return printer;
    }

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        state.windowMode = 8;
        state.printData = nullptr;
        printedJobs = 0;
    }

    void opensOnAllDocuments()
    {
        Save(state, {QStringLiteral("Estimate"), 500});
        Save(state, {QStringLiteral("Invoice"), 501});
        TfrmInvoiceMaintenance window(state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Invoice Maintenance"));
        QCOMPARE(window.objectName(), QStringLiteral("frmInvoiceMaintenance"));
        auto* type = Find<QComboBox>(&window, "cmboInvMaintenanceType");
        QCOMPARE(type->count(), 12);
        QCOMPARE(type->currentIndex(), 0);
        QCOMPARE(type->toolTip(), QStringLiteral("Select Maintenance Type"));
        auto* search = Find<QComboBox>(&window, "cmboInvSearch");
        QCOMPARE(search->currentText(), QStringLiteral("All Invoice Types"));
        QCOMPARE(search->count(), 10);
        QCOMPARE(search->toolTip(), QStringLiteral("Select Search Type"));
        auto* text = Find<QLineEdit>(&window, "txtInvSearch");
        QVERIFY(!text->isEnabled());
        QCOMPARE(text->maxLength(), 30);
        QCOMPARE(text->toolTip(), QStringLiteral("Enter information to search for"));
        auto* list = Find<QTreeView>(&window, "lstvwInvMaintenance");
        QCOMPARE(list->toolTip(), QStringLiteral("Select Invoice to view, edit or print"));
        QCOMPARE(Listed(window), (QList<int>{500, 501}));
        QStringList captions;
        for (int c = 0; c < list->model()->columnCount(); ++c)
            captions << list->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(captions, (QStringList{QStringLiteral("Number"), QStringLiteral("Invoice Type"),
                                        QStringLiteral("Customer"), QStringLiteral("Company"),
                                        QStringLiteral("Total"), QStringLiteral("Info")}));
        QStringList commands;
        for (QAction* action : Find<QToolBar>(&window, "ToolBarInvMaintenance")->actions())
            if (!action->isSeparator())
                commands << action->objectName();
        QCOMPARE(commands, (QStringList{QStringLiteral("actClose"), QStringLiteral("actPrintPreview"),
                                        QStringLiteral("actPrint"), QStringLiteral("actHelp")}));
        QCOMPARE(Find<QAction>(&window, "actHelp")->statusTip(), QStringLiteral("Open Help"));
    }

    void searchBoxFollowsTheSearchType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("search");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("hint");
        QTest::newRow("all types") << 0 << 0 << false << "Select Invoice to view, edit or print";
        QTest::newRow("a kind by name") << 0 << 3 << false << "Select Invoice to view, edit or print";
        QTest::newRow("customer last name") << 0 << 8 << true << "Select Invoice to view, edit or print";
        QTest::newRow("company name") << 0 << 9 << true << "Select Invoice to view, edit or print";
        QTest::newRow("work orders only") << 3 << 2 << false << "Select Estimate or Work Order to Convert";
        QTest::newRow("unpaid by last name") << 7 << 2 << true << "Select Invoice to Change to Paid In Full";
        QTest::newRow("recurring list") << 10 << 0 << false << "Select Invoice to remove from recurring list";
    }
    void searchBoxFollowsTheSearchType()
    {
        QFETCH(int, type);
        QFETCH(int, search);
        QFETCH(bool, enabled);
        QFETCH(QString, hint);
        TfrmInvoiceMaintenance window(state);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* text = Find<QLineEdit>(&window, "txtInvSearch");
        // A text typed under another search type is emptied by the change.
        Choose(window, 0, 7);
        QTest::keyClicks(text, QStringLiteral("5"));
        Choose(window, type, search);
        QCOMPARE(text->isEnabled(), enabled);
        QCOMPARE(text->text(), QString());
        QCOMPARE(Find<QTreeView>(&window, "lstvwInvMaintenance")->toolTip(), hint);
        QWidget* focus = enabled ? static_cast<QWidget*>(text) : Find<QTreeView>(&window, "lstvwInvMaintenance");
        QCOMPARE(QApplication::focusWidget(), focus);
    }

    void typingSearchesAtEveryKeystroke()
    {
        Save(state, {QStringLiteral("Invoice"), 500, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe")});
        Save(state, {QStringLiteral("Invoice"), 501, QStringLiteral("3/14/2011"), QStringLiteral("Ann \"100%\" Smith")});
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("3/14/2011"), QStringLiteral("Ann 100 Smith")});
        TfrmInvoiceMaintenance window(state);
        window.show();
        Choose(window, 0, 8);
        auto* text = Find<QLineEdit>(&window, "txtInvSearch");
        QTest::keyClicks(text, QStringLiteral("ann"));
        QCOMPARE(Listed(window), (QList<int>{501, 502}));
        QTest::keyClicks(text, QStringLiteral(" \"100%"));
        QCOMPARE(Listed(window), QList<int>{501});
        QTest::keyClicks(text, QStringLiteral("x"));
        QCOMPARE(Listed(window), QList<int>{});
        QVERIFY(!Find<QAction>(&window, "actPrint")->isEnabled());
    }

    void noOrCancelChangesNothing_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::newRow("convert: no") << 2 << "Estimate" << int(PromptAnswer::No) << "Convert Estimate 502 to Work Order?";
        QTest::newRow("credit: cancel") << 5 << "Invoice" << int(PromptAnswer::Cancel) << "Convert Invoice 502 to Credit?";
        QTest::newRow("past due: no") << 6 << "Invoice" << int(PromptAnswer::No) << "Create Past Due Notice for Invoice 502";
        QTest::newRow("delete: cancel") << 8 << "Invoice" << int(PromptAnswer::Cancel) << "Delete Invoice 502?";
        QTest::newRow("recurring: no") << 9 << "Invoice" << int(PromptAnswer::No) << "Add Invoice 502 to recurring list?";
    }
    void noOrCancelChangesNothing()
    {
        QFETCH(int, type);
        QFETCH(QString, kind);
        QFETCH(int, answer);
        QFETCH(QString, question);
        Save(state, {kind, 502});
        const QStringList before = Dump(QStringLiteral("tblInvHeader")) + Dump(QStringLiteral("tblInvData"));
        const int counter = ReadDocumentCounter();
        TfrmInvoiceMaintenance window(state);
        window.show();
        Choose(window, type);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        ClickRow(window, 502);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")), QStringList{question});
        QCOMPARE(Dump(QStringLiteral("tblInvHeader")) + Dump(QStringLiteral("tblInvData")), before);
        QCOMPARE(ReadDocumentCounter(), counter);
        QCOMPARE(Listed(window), QList<int>{502});
        QCOMPARE(state.windowMode, 8);
    }

    void yesActsAndSearchesAgain_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("listedAfter");
        QTest::newRow("estimate to work order") << 2 << "Estimate" << QList<int>{};
        QTest::newRow("past due: the invoice stays") << 6 << "Invoice" << QList<int>{502};
        QTest::newRow("paid in full") << 7 << "Invoice" << QList<int>{};
        QTest::newRow("delete") << 8 << "Invoice" << QList<int>{};
        QTest::newRow("add to recurring") << 9 << "Invoice" << QList<int>{};
    }
    void yesActsAndSearchesAgain()
    {
        QFETCH(int, type);
        QFETCH(QString, kind);
        QFETCH(QList<int>, listedAfter);
        Save(state, {kind, 502});
        TfrmInvoiceMaintenance window(state);
        window.show();
        Choose(window, type);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::Yes);
        ClickRow(window, 502);
        QCOMPARE(Listed(window), listedAfter);
        QCOMPARE(state.windowMode, 8);
        QVERIFY(prompts->texts(QStringLiteral("error")).isEmpty());
    }

    void aFailedStatementIsReportedAndTheListSearchedAgain()
    {
        Save(state, {QStringLiteral("Estimate"), 502});
        TfrmInvoiceMaintenance window(state);
        window.show();
        Choose(window, 2);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("CREATE TRIGGER tstRefuse BEFORE UPDATE ON tblInvHeader "
                                   "BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
        }
        // Stored meanwhile: the list shows it only when it is searched again.
        Save(state, {QStringLiteral("Estimate"), 503});
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::Yes);
        ClickRow(window, 502);
        QCOMPARE(prompts->texts(QStringLiteral("error")).size(), 1);
        QVERIFY(prompts->texts(QStringLiteral("error")).front().contains(QStringLiteral("refused")));
        QCOMPARE(Column(502, QStringLiteral("strInvName")), QStringLiteral("Estimate"));
        QCOMPARE(Listed(window), (QList<int>{502, 503}));
        QVERIFY(window.isVisible());
    }

    void viewTypesOpenTheEditor_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("all documents") << 0;
        QTest::newRow("unpaid invoices") << 1;
        QTest::newRow("recurring invoices") << 11;
    }
    void viewTypesOpenTheEditor()
    {
        QFETCH(int, type);
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), false, type == 11});
        TfrmInvoiceMaintenance window(state);
        int opened = 0;
        window.setEditorOpener([&] {
            ++opened;
            QCOMPARE(state.currentDocument.Header.InvNumber, 502);
            QCOMPARE(state.currentDocument.Header.InvName, QStringLiteral("Invoice"));
            state.windowMode = 1;
            // The editor marks it paid: the list must show it once the editor has closed.
            OpenDatabase().exec(QStringLiteral("UPDATE tblInvHeader SET strPaidInFull = '-1', strRecurring = '0';"));
        });
        window.show();
        Choose(window, type);
        ScopedPrompts prompts;
        auto* list = Find<QTreeView>(&window, "lstvwInvMaintenance");
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened, 1);
        QVERIFY(prompts->shown.empty());
        QCOMPARE(state.windowMode, 8);
        QCOMPARE(Listed(window), type == 0 ? QList<int>{502} : QList<int>{});
    }

    void printsAndPreviewsTheListedDocuments()
    {
        Save(state, {QStringLiteral("Estimate"), 500, QStringLiteral("3/14/2011"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes")});
        Save(state, {QStringLiteral("Invoice"), 501, QStringLiteral("3/14/2011"), QStringLiteral("Ann Smith"),
                     QStringLiteral("Bay Realty"), true});
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("3/14/2011"), QStringLiteral("Bob Stone")});
        TmodPrintData service(state);
        service.printerProvider = [this] { return FilePrinter(); };
        state.printData = &service;
        TfrmInvoiceMaintenance window(state);
        window.show();
        Choose(window, 0, 4); // invoices only
        QCOMPARE(Listed(window), (QList<int>{501, 502}));
        state.windowMode = 1; // as an editor opened from here leaves it

        bool previewed = false;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<TfrmPrntPreview*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            QCOMPARE(preview->windowTitle(), QStringLiteral("Preview Invoice List"));
            QCOMPARE(preview->pageCount(), 1);
            previewed = true;
            preview->close();
        });
        Find<QAction>(&window, "actPrintPreview")->trigger();
        QVERIFY(previewed);

        Find<QAction>(&window, "actPrint")->trigger();
        QCOMPARE(printedJobs, 1);
        const QString text = PrintTest::PdfText(output.filePath(QStringLiteral("job1.pdf")));
        QVERIFY2(text.contains(QStringLiteral("Invoice List")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Ann Smith")));
        QVERIFY(text.contains(QStringLiteral("Bay Realty")));
        QVERIFY(text.contains(QStringLiteral("Paid")));
        QVERIFY(text.contains(QStringLiteral("Bob Stone")));
        QVERIFY(!text.contains(QStringLiteral("Jane Doe")));
        state.printData = nullptr;
    }
};

VELMAR_TEST_MAIN(TestMaintenanceWindow)
#include "tst_maintenanceWindow.moc"
