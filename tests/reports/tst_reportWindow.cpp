#include "ReportTestData.h"
#include "app/AppState.h"
#include "app/Clock.h"
#include "catalogs/CatalogTestHelpers.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TmodPrintData.h"
#include "reports/ReportListModel.h"
#include "reports/gui/ReportChart.h"
#include "reports/gui/TfrmReport.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QGroupBox>
#include <QHeaderView>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

using namespace ReportTestData;

// The sales and tax report window: its choices, list, chart and printed report.
class TestReportWindow : public QObject {
    Q_OBJECT

    AppState m_state;
    QTemporaryDir m_output;
    int m_jobs = 0;
    std::unique_ptr<TmodPrintData> m_printData;

    QString jobPath(int job) const { return m_output.filePath(QStringLiteral("job%1.pdf").arg(job)); }

    static QString pdfText(const QString& path)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QRadioButton* option(TfrmReport& window, const QString& caption)
    {
        for (QRadioButton* button : window.findChildren<QRadioButton*>())
            if (button->text() == caption)
                return button;
        qFatal("no option %s", qPrintable(caption));
    }
    static void click(TfrmReport& window, const char* button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(child<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
    }
    // The list's cells of one column, top to bottom.
    static QStringList column(TfrmReport& window, int column)
    {
        QStringList cells;
        const QAbstractItemModel* model = child<QTreeView>(window, "ListViewReport")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            cells << model->index(row, column).data().toString();
        return cells;
    }
    // The titles of the columns the list shows.
    static QStringList shownTitles(TfrmReport& window)
    {
        QStringList titles;
        auto* list = child<QTreeView>(window, "ListViewReport");
        for (int column = 0; column < list->model()->columnCount(); ++column)
            if (!list->isColumnHidden(column))
                titles << list->model()->headerData(column, Qt::Horizontal).toString();
        return titles;
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
        SetClockForTesting(QDateTime(QDate(2011, 3, 14), QTime(9, 0)));
        m_state.windowMode = 7;
        m_jobs = 0;
        m_printData = std::make_unique<TmodPrintData>(m_state);
        m_printData->printerProvider = [this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(jobPath(++m_jobs));
            return printer;
        };
        m_state.printData = m_printData.get();
    }

    void cleanup()
    {
        SetClockForTesting(QDateTime());
        m_state.printData = nullptr;
        m_printData.reset();
    }

    void opensOnTheCurrentMonthSummarised()
    {
        ScopedPrompts prompts;
        TfrmReport window(m_state);
        QCOMPARE(window.windowTitle(), QStringLiteral("Reports"));
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Report Date: March 2011"));
        QCOMPARE(child<QLabel>(window, "lblDateStart")->text(), QStringLiteral("March 2011"));
        QCOMPARE(child<QLabel>(window, "lblDateEnd")->text(), QStringLiteral("March 2011"));
        QVERIFY(child<QLabel>(window, "lblDateStart")->alignment() & Qt::AlignHCenter);
        QVERIFY(option(window, "Sales And Tax Report")->isChecked());
        QVERIFY(option(window, "Summery")->isChecked());
        QCOMPARE(child<QGroupBox>(window, "RadioGroupReportType")->title(), QString());
        QCOMPARE(child<QGroupBox>(window, "RadioGroupItemizedSummery")->title(), QString());
        COMPARE_HINT(child<QGroupBox>(window, "RadioGroupReportType"), QStringLiteral("Select report type"));
        COMPARE_HINT(child<QGroupBox>(window, "RadioGroupItemizedSummery"),
                     QStringLiteral("Select for report to be summarized or itemized"));
        COMPARE_HINT(child<QTreeView>(window, "ListViewReport"), QStringLiteral("Report"));
        for (const char* name : {"btnStartDateBack", "btnEndDateBack"}) {
            QCOMPARE(child<QPushButton>(window, name)->text(), QStringLiteral("<< Back"));
            COMPARE_HINT(child<QPushButton>(window, name), QStringLiteral("Previous Month"));
        }
        for (const char* name : {"btnStartDateNext", "btnEndDateNext"}) {
            QCOMPARE(child<QPushButton>(window, name)->text(), QStringLiteral("Next >>"));
            COMPARE_HINT(child<QPushButton>(window, name), QStringLiteral("Next Month"));
        }
        QCOMPARE(ToolBarCommands(window, "ToolBarReport"),
                 (QStringList{"actClose", "|", "actPrintPreview", "actPrint", "|", "actHelp"}));
        COMPARE_HINT(action(window, "actPrintPreview"), QStringLiteral("Print Preview Report"));
        COMPARE_HINT(action(window, "actPrint"), QStringLiteral("Print Report"));
        COMPARE_HINT(action(window, "actHelp"), QStringLiteral("Open Help"));
        QVERIFY(child<QTreeView>(window, "ListViewReport")->header()->sectionsClickable() == false);

        // Nothing stored: no rows, nothing to print, no chart.
        QCOMPARE(window.listModel()->rowCount(), 0);
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());
        QVERIFY(action(window, "actPrintPreview")->isVisible());
        QVERIFY(window.chart()->isHidden());
        QVERIFY(prompts->shown.empty());
    }

    void monthButtonsChooseTheRange()
    {
        Insert({Simple(2011, 2, 2), Simple(2011, 1, 1), Simple(2011, 3, 3), Simple(2010, 12, 9),
                Simple(2011, 4, 4)});
        ScopedPrompts prompts;
        TfrmReport window(m_state);
        window.show();
        click(window, "btnStartDateBack", 2);
        QCOMPARE(window.windowTitle(), QStringLiteral("Report Date - From: January 2011 To: March 2011"));
        QCOMPARE(child<QLabel>(window, "lblDateStart")->text(), QStringLiteral("January 2011"));
        QCOMPARE(column(window, ReportCol::Date), (QStringList{"January 2011", "February 2011", "March 2011"}));
        QCOMPARE(column(window, ReportCol::SalesTotal), (QStringList{"$150.00", "$300.00", "$450.00"}));
        QCOMPARE(column(window, ReportCol::TaxTotal), (QStringList{"$9.00", "$18.00", "$27.00"}));
        QCOMPARE(column(window, ReportCol::SortDate), (QStringList{"1/1/2011", "2/1/2011", "3/1/2011"}));
        QVERIFY(action(window, "actPrint")->isEnabled());
        QVERIFY(action(window, "actPrintPreview")->isEnabled());
        QVERIFY(!window.chart()->isHidden());
        QCOMPARE(window.chart()->data().categories, (QStringList{"Jan 2011", "Feb 2011", "Mar 2011"}));

        // The end moved back before the start snaps back to it.
        click(window, "btnEndDateBack", 3);
        QCOMPARE(window.range().end(), QDate(2011, 1, 1));
        QCOMPARE(child<QLabel>(window, "lblDateEnd")->text(), QStringLiteral("January 2011"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Report Date: January 2011"));
        QCOMPARE(column(window, ReportCol::Date), QStringList{"January 2011"});

        // The start moved past the end pulls the end along.
        click(window, "btnStartDateNext", 3);
        QCOMPARE(window.range().end(), QDate(2011, 4, 1));
        QCOMPARE(column(window, ReportCol::Date), QStringList{"April 2011"});

        // A month without totals: empty list, printing off, chart gone.
        click(window, "btnEndDateNext");
        click(window, "btnStartDateNext");
        QCOMPARE(window.windowTitle(), QStringLiteral("Report Date: May 2011"));
        QCOMPARE(window.listModel()->rowCount(), 0);
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());
        QVERIFY(window.chart()->isHidden());
        QVERIFY(prompts->shown.empty());
    }

    void optionsChangeColumnsAndChart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("taxNames");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("sets");
        QTest::newRow("tax summarised") << "Tax Report" << "Summery" << QStringList{"Local Tax", "State Tax", ""}
                                        << QStringList{"Date", "Tax Total"} << 2 << 1;
        QTest::newRow("tax itemised, no tax names")
            << "Tax Report" << "Itemized" << QStringList{"", "", ""}
            << QStringList{"Date", "Type", "Tax 1", "Tax 2", "Tax 3", "Tax Total"} << 4 << 2;
        QTest::newRow("sales and tax itemised, named")
            << "Sales And Tax Report" << "Itemized" << QStringList{"City", "County", "State"}
            << QStringList{"Date", "Type", "City", "County", "State", "Tax Total", "Sales Total"} << 4 << 4;
        QTest::newRow("sales summarised") << "Sales Report" << "Summery" << QStringList{"a", "b", "c"}
                                          << QStringList{"Date", "Sales Total"} << 2 << 1;
        QTest::newRow("sales itemised") << "Sales Report" << "Itemized" << QStringList{"a", "b", "c"}
                                        << QStringList{"Date", "Type", "Sales Total"} << 4 << 2;
    }
    void optionsChangeColumnsAndChart()
    {
        QFETCH(QString, kind);
        QFETCH(QString, form);
        QFETCH(QStringList, taxNames);
        QFETCH(QStringList, titles);
        QFETCH(int, rows);
        QFETCH(int, sets);
        Insert({Simple(2011, 2, 1), Simple(2011, 3, 2)});
        for (int i = 0; i < 3; ++i)
            m_state.companySettings.InvData.TaxNames[size_t(i)] = taxNames[i];
        ScopedPrompts prompts;
        TfrmReport window(m_state);
        window.show();
        click(window, "btnStartDateBack");
        QTest::mouseClick(option(window, form), Qt::LeftButton);
        QTest::mouseClick(option(window, kind), Qt::LeftButton);
        QCOMPARE(shownTitles(window), titles);
        QCOMPARE(window.listModel()->rowCount(), rows);
        QCOMPARE(int(window.chart()->data().sets.size()), sets);
        QCOMPARE(window.chart()->data().stacked, form == QLatin1String("Itemized"));
        QCOMPARE(window.chart()->data().categories, (QStringList{"Feb 2011", "Mar 2011"}));

        // The shown columns share the list's width without running past it.
        QCoreApplication::processEvents();
        auto* list = child<QTreeView>(window, "ListViewReport");
        int used = 0;
        for (int column = 0; column < kReportColumnCount; ++column)
            if (!list->isColumnHidden(column))
                used += list->columnWidth(column);
        QVERIFY2(used <= list->viewport()->width() && used > list->viewport()->width() - 40,
                 qPrintable(QStringLiteral("%1 of %2").arg(used).arg(list->viewport()->width())));

        // The chart draws the months the list shows.
        auto* axis = qobject_cast<QBarCategoryAxis*>(window.chart()->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->categories(), (QStringList{"Feb 2011", "Mar 2011"}));
    }

    void printsTheListAsShown()
    {
        Insert({Simple(2011, 1, 1), Simple(2011, 2, 2), Simple(2011, 3, 3), Simple(2011, 4, 4)});
        m_state.companySettings.InvData.TaxNames = {QStringLiteral("Local Tax"), QStringLiteral("State Tax"), QString()};
        ScopedPrompts prompts;
        TfrmReport window(m_state);
        window.show();
        window.setMonths(QDate(2011, 1, 1), QDate(2011, 3, 1));
        QTest::mouseClick(option(window, "Itemized"), Qt::LeftButton);
        action(window, "actPrint")->trigger();
        QCOMPARE(m_jobs, 1);
        QVERIFY(prompts->shown.empty());
        const QString itemised = pdfText(jobPath(1));
        for (const char* text : {"Sales and Tax Report", "Report Date - From: January 2011 To: March 2011",
                                 "Local Tax", "State Tax", "Tax 3", "Tax Total", "Sales Total", "March 2011",
                                 "Material", "$300.00", "$1.50", "Page 1 of’ 1"})
            QVERIFY2(itemised.contains(QString::fromUtf8(text)), text);
        QVERIFY(!itemised.contains(QStringLiteral("April 2011")));
        QCOMPARE(itemised.count(QStringLiteral("Labor")), 3);

        // Summarised tax report: only the shown headings print.
        QTest::mouseClick(option(window, "Summery"), Qt::LeftButton);
        QTest::mouseClick(option(window, "Tax Report"), Qt::LeftButton);
        action(window, "actPrint")->trigger();
        QCOMPARE(m_jobs, 2);
        const QString summarised = pdfText(jobPath(2));
        QVERIFY2(summarised.contains(QStringLiteral("Tax Report")), qPrintable(summarised));
        QVERIFY(summarised.contains(QStringLiteral("Tax Total")));
        QVERIFY(summarised.contains(QStringLiteral("$27.00")));
        for (const char* hidden : {"Type", "Local Tax", "Sales Total", "Labor", "$450.00"})
            QVERIFY2(!summarised.contains(QString::fromLatin1(hidden)), hidden);
    }

    void previewShowsTheReport()
    {
        Insert({Simple(2011, 3, 1)});
        ScopedPrompts prompts;
        TfrmReport window(m_state);
        window.show();
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!qobject_cast<TfrmPrntPreview*>(preview))
                return;
            caption = preview->windowTitle();
            preview->close();
        });
        action(window, "actPrintPreview")->trigger();
        QCOMPARE(caption, QStringLiteral("Sales and Tax Report"));
        QCOMPARE(m_jobs, 0);
        QVERIFY(window.isVisible());
    }

    void unreadableTotalsShowTheErrorAndEmptyTheList()
    {
        Insert({Simple(2011, 3, 1)});
        ScopedPrompts prompts;
        TfrmReport window(m_state);
        window.show();
        QCOMPARE(window.listModel()->rowCount(), 1);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("DROP TABLE tblReport;"));
        }
        click(window, "btnEndDateNext");
        QCOMPARE(prompts->texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("SQLite Error 1 - no such table: tblReport.")});
        QCOMPARE(window.windowTitle(), QStringLiteral("Report Date - From: March 2011 To: April 2011"));
        QCOMPARE(window.listModel()->rowCount(), 0);
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(window.chart()->isHidden());
        QVERIFY(window.isVisible());
    }
};

VELMAR_TEST_MAIN(TestReportWindow)
#include "tst_reportWindow.moc"
