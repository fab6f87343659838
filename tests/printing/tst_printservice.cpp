#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TfrmReportStatus.h"
#include "printing/gui/TmodPrintData.h"
#include "printing/ListFeeds.h"
#include "printing/ReportCatalog.h"
#include "printing/PrintTestSupport.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWheelEvent>

namespace {

DisplayDocument BlankPages(int count)
{
    DisplayDocument document;
    for (int i = 0; i < count; ++i)
        document.pages.push_back(DisplayPage{QSize(8500, 11000), {}});
    return document;
}

QAction* Action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

// Runs `check` on the modal window once it is shown, then closes it.
void OnModalWindow(const std::function<void(QWidget*)>& check)
{
    QTimer::singleShot(0, [check] {
        QWidget* window = QApplication::activeModalWidget();
        QVERIFY(window);
        check(window);
        window->close();
    });
}

} // namespace

class TestPrintService : public QObject {
    Q_OBJECT

    AppState state;
    QTemporaryDir output;
    int printedJobs = 0;

    // A printer that writes its job to a PDF file, one file per job.
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
        printedJobs = 0;
        TrecInvHeader& h = state.currentDocument.Header;
        h = TrecInvHeader{};
        h.InvName = QStringLiteral("Invoice");
        h.InvNumber = 1042;
        h.InvDate = QStringLiteral("3/1/2011");
        state.currentDocument.WorkSheets.clear();
        state.currentDocument.Notes.clear();
        state.companySettings.CompanyData.CompName = QStringLiteral("Harbor Painting");
    }

    void pageButtons_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<bool>>("previousEnabled");
        QTest::addColumn<QList<bool>>("nextEnabled");
        QTest::newRow("one page") << 1 << QList<bool>{false, false, false} << QList<bool>{false, false, false};
        QTest::newRow("three pages") << 3 << QList<bool>{false, true, true} << QList<bool>{true, true, false};
    }
    void pageButtons()
    {
        QFETCH(int, pages);
        QFETCH(QList<bool>, previousEnabled);
        QFETCH(QList<bool>, nextEnabled);
        TfrmPrntPreview preview(QStringLiteral("Preview"), BlankPages(pages), {});
        QAction* previous = Action(&preview, "actPreviousPage");
        QAction* next = Action(&preview, "actNextPage");
        for (int press = 0; press < 3; ++press) {
            QCOMPARE(preview.currentPage(), std::min(press + 1, pages));
            QCOMPARE(previous->isEnabled(), previousEnabled[press]);
            QCOMPARE(next->isEnabled(), nextEnabled[press]);
            next->trigger();
        }
        QCOMPARE(preview.currentPage(), pages);
        previous->trigger();
        QCOMPARE(preview.currentPage(), std::max(1, pages - 1));
    }

    void zoomStepsByTenAndStopsAtTen()
    {
        TfrmPrntPreview preview(QStringLiteral("Preview"), BlankPages(1), {});
        QCOMPARE(preview.zoom(), 100);
        auto* view = preview.findChild<QScrollArea*>(QStringLiteral("ScrollBoxPrintPreview"))->widget();
        const int fullWidth = view->width();
        for (int press = 0; press < 9; ++press)
            Action(&preview, "actZoomOut")->trigger();
        QCOMPARE(preview.zoom(), 10);
        QVERIFY(view->width() < fullWidth / 5);
        Action(&preview, "actZoomOut")->trigger();
        Action(&preview, "actZoomOut")->trigger();
        QCOMPARE(preview.zoom(), 10);
        Action(&preview, "actZoomIn")->trigger();
        Action(&preview, "actZoomIn")->trigger();
        QCOMPARE(preview.zoom(), 30);
    }

    void wheelNeitherScrollsNorZooms_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("over the page") << "page" << Qt::KeyboardModifiers();
        QTest::newRow("over the page with Ctrl") << "page" << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("over the vertical scroll bar") << "vertical" << Qt::KeyboardModifiers();
        QTest::newRow("over the horizontal scroll bar") << "horizontal" << Qt::KeyboardModifiers();
    }
    void wheelNeitherScrollsNorZooms()
    {
        QFETCH(QString, target);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        TfrmPrntPreview preview(QStringLiteral("Preview"), BlankPages(2), {});
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        // Large enough that both scroll bars can move.
        for (int press = 0; press < 10; ++press)
            Action(&preview, "actZoomIn")->trigger();
        QApplication::processEvents();
        auto* scroll = preview.findChild<QScrollArea*>(QStringLiteral("ScrollBoxPrintPreview"));
        QScrollBar* vertical = scroll->verticalScrollBar();
        QScrollBar* horizontal = scroll->horizontalScrollBar();
        QVERIFY(vertical->maximum() > 0 && horizontal->maximum() > 0);
        vertical->setValue(vertical->maximum() / 2);
        horizontal->setValue(horizontal->maximum() / 2);
        const int verticalBefore = vertical->value();
        const int horizontalBefore = horizontal->value();
        const int zoomBefore = preview.zoom();

        // The page ignores the wheel, so it reaches the viewport behind it.
        QWidget* receiver = target == QLatin1String("vertical")     ? static_cast<QWidget*>(vertical)
                            : target == QLatin1String("horizontal") ? static_cast<QWidget*>(horizontal)
                                                                    : scroll->viewport();
        const QPointF inside(receiver->width() / 2.0, receiver->height() / 2.0);
        for (const QPoint delta : {QPoint(0, -120), QPoint(0, -120), QPoint(-120, 0)}) {
            QWheelEvent wheel(inside, receiver->mapToGlobal(inside), QPoint(), delta, Qt::NoButton, modifiers,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(receiver, &wheel);
        }
        QCOMPARE(vertical->value(), verticalBefore);
        QCOMPARE(horizontal->value(), horizontalBefore);
        QCOMPARE(preview.zoom(), zoomBefore);
        QCOMPARE(preview.currentPage(), 1);
    }

    void toolBarCaptionsAndHints()
    {
        TfrmPrntPreview preview(QStringLiteral("Preview"), BlankPages(1), {});
        const QList<QStringList> expected = {
            {"actClose", "Close", "Close Print Preview"},
            {"actPrint", "Print", "Print document"},
            {"actZoomIn", "Zoom In", "Zoom in document"},
            {"actZoomOut", "Zoom Out", "Zoom out document"},
            {"actPreviousPage", "Previous Page", "Preview Previous document"},
            {"actNextPage", "Next Page", "Preview Next document"},
        };
        QStringList order;
        for (QAction* action : preview.findChild<QToolBar*>()->actions())
            order << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
        QCOMPARE(order, (QStringList{"actClose", "|", "actPrint", "|", "actZoomIn", "actZoomOut", "|",
                                     "actPreviousPage", "actNextPage"}));
        for (const QStringList& row : expected) {
            QAction* action = Action(&preview, qPrintable(row[0]));
            QCOMPARE(action->text(), row[1]);
            // The tool tip also names the command's key, where it has one.
            const QString key = action->shortcut().toString(QKeySequence::NativeText);
            QCOMPARE(action->toolTip(), key.isEmpty() ? row[2] : row[2] + QStringLiteral(" (") + key + ')');
            QCOMPARE(action->statusTip(), row[2]);
        }
    }

    void previewPrintsTheSameRequestAndStaysOpen()
    {
        state.windowMode = 1;
        state.currentDocument.Header.PrintWarranty = true;
        TmodPrintData service(state);
        service.printerProvider = [this] { return FilePrinter(); };
        bool checked = false;
        OnModalWindow([&](QWidget* window) {
            auto* preview = qobject_cast<TfrmPrntPreview*>(window);
            QVERIFY(preview);
            QCOMPARE(preview->windowTitle(), QStringLiteral("Preview Invoice 1042"));
            QVERIFY(preview->windowState() & Qt::WindowMaximized);
            QCOMPARE(preview->pageCount(), 2);
            QCOMPARE(preview->zoom(), 100);
            // The caller's mode changed meanwhile must not change what is printed.
            state.windowMode = 3;
            Action(preview, "actPrint")->trigger();
            QVERIFY(preview->isVisible());
            QCOMPARE(state.windowMode, 3);
            checked = true;
        });
        service.pPrintPreview();
        QVERIFY(checked);
        QCOMPARE(printedJobs, 1);
        const QString job = output.filePath(QStringLiteral("job1.pdf"));
        QCOMPARE(PrintTest::PdfInfo(job).value(QStringLiteral("Pages")), QStringLiteral("2"));
        // The job is named after the document, not after the preview.
        QCOMPARE(PrintTest::PdfInfo(job).value(QStringLiteral("Title")), QStringLiteral("Invoice 1042"));
        QVERIFY(PrintTest::PdfText(job, 1).contains(QStringLiteral("Invoice 1042")));
        QVERIFY(PrintTest::PdfText(job, 2).contains(QStringLiteral("Page 1 of\u2019 1")));
    }

    void previewOfAListShowsItsPages()
    {
        TableFeed feed(FeedColumnNames(FeedNames::PriceSheet), std::vector<QStringList>(22, {"Item", "$1.00", "$2.00"}));
        state.listFeed = &feed;
        state.windowMode = 2;
        TmodPrintData service(state);
        int pages = 0;
        OnModalWindow([&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Preview Price Sheet List"));
            pages = qobject_cast<TfrmPrntPreview*>(window)->pageCount();
        });
        service.pPrintPreview();
        QCOMPARE(pages, 2);
    }

    void statusWindowCountsThePagesBeingGenerated()
    {
        // A feed that notes what the status window says whenever a row is read.
        class WatchingFeed : public TableFeed {
        public:
            using TableFeed::TableFeed;
            mutable QStringList seen;
            QString value(int row, const QString& column) const override
            {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (auto* status = qobject_cast<TfrmReportStatus*>(widget); status && status->isVisible())
                        seen << status->windowTitle() + QStringLiteral(": ") + status->text();
                }
                return TableFeed::value(row, column);
            }
        };
        WatchingFeed feed(FeedColumnNames(FeedNames::InvMaintenance), std::vector<QStringList>(30, {"1042"}));
        state.listFeed = &feed;
        state.windowMode = 8;
        TmodPrintData service(state);
        OnModalWindow([](QWidget*) {});
        service.pPrintPreview();
        feed.seen.removeDuplicates();
        QCOMPARE(feed.seen, (QStringList{QStringLiteral("Report Status: Generating page 1"),
                                         QStringLiteral("Report Status: Generating page 2")}));
    }

    void withoutAPrinterNothingIsPrinted()
    {
        ScopedPrompts prompts;
        state.windowMode = 1;
        TmodPrintData service(state);
        service.printerProvider = [] { return std::unique_ptr<QPrinter>(); };
        service.pPrint();
        QCOMPARE(prompts->texts(), QStringList{QStringLiteral("No default printer is set up. Nothing was printed.")});
    }

    void printGoesToThePrinterWithoutAsking()
    {
        ScopedPrompts prompts;
        state.windowMode = 1;
        TmodPrintData service(state);
        service.printerProvider = [this] { return FilePrinter(); };
        service.pPrint();
        QVERIFY(prompts->texts().isEmpty());
        QCOMPARE(printedJobs, 1);
        const QString text = PrintTest::PdfText(output.filePath(QStringLiteral("job1.pdf")));
        QVERIFY(text.contains(QStringLiteral("Harbor Painting")));
    }

    void pdfFileIsTheDocumentWhateverTheMode()
    {
        state.windowMode = 3;
        TmodPrintData service(state);
        const QString path = output.filePath(QStringLiteral("Invoice 1042.pdf"));
        service.pCreatePDFFile(path);
        service.pCreatePDFFile(path);
        // A list window's mode does not leak into the document information.
        const auto info = PrintTest::PdfInfo(path);
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Invoice 1042"));
        QCOMPARE(info.value(QStringLiteral("Author")), QStringLiteral("Harbor Painting"));
        QCOMPARE(info.value(QStringLiteral("Subject")), QStringLiteral("Invoice"));
        QCOMPARE(info.value(QStringLiteral("Keywords")), QStringLiteral("Invoice 1042"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("Harbor Painting"));
        QCOMPARE(info.value(QStringLiteral("Producer")), QStringLiteral("Harbor Painting"));
        QVERIFY(PrintTest::PdfText(path).contains(QStringLiteral("Invoice Total")));
    }

    void printJobIsNamedAfterTheDocumentOrList_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("jobName");
        QTest::newRow("invoice") << 1 << "Invoice" << "Invoice 1042";
        QTest::newRow("credit") << 1 << "Credit" << "Credit 1042";
        QTest::newRow("price sheet") << 2 << "Invoice" << "Price Sheet List";
        QTest::newRow("customer list") << 3 << "Invoice" << "Customer List";
        QTest::newRow("document list") << 8 << "Invoice" << "Invoice List";
    }

    void printJobIsNamedAfterTheDocumentOrList()
    {
        QFETCH(int, mode);
        QFETCH(QString, kind);
        QFETCH(QString, jobName);
        TableFeed feed(FeedColumnNames(mode == 2   ? FeedNames::PriceSheet
                                       : mode == 3 ? FeedNames::CustomerList
                                                   : FeedNames::InvMaintenance),
                       std::vector<QStringList>(3, {"1042"}));
        state.listFeed = &feed;
        state.windowMode = mode;
        state.currentDocument.Header.InvName = kind;
        TmodPrintData service(state);
        service.printerProvider = [this] { return FilePrinter(); };
        service.pPrint();
        QCOMPARE(printedJobs, 1);
        // A printer to file carries the job's name as the document title.
        const auto info = PrintTest::PdfInfo(output.filePath(QStringLiteral("job1.pdf")));
        QCOMPARE(info.value(QStringLiteral("Title")), jobName);
        state.listFeed = nullptr;
    }
};

VELMAR_TEST_MAIN(TestPrintService)
#include "tst_printservice.moc"
