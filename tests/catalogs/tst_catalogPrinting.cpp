#include "app/AppState.h"
#include "catalogs/CustomerStore.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "catalogs/gui/TfrmPriceVelmar.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "CatalogTestHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

// The customer list and the price list printed and previewed from their windows.
class TestCatalogPrinting : public QObject {
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
    // The lines of the printed text holding one of the needles, in printed order.
    static QStringList linesWith(const QString& text, const QStringList& needles)
    {
        QStringList found;
        for (const QString& line : text.split(QLatin1Char('\n')))
            for (const QString& needle : needles)
                if (line.contains(needle))
                    found << needle;
        return found;
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
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
        m_state.printData = nullptr;
        m_printData.reset();
    }

    void theCustomerListPrintsAsFiltered()
    {
        TrecCustomer springfield;
        springfield.FirstName = QStringLiteral("Ann");
        springfield.LastName = QStringLiteral("Dobbs");
        springfield.City = QStringLiteral("Springfield");
        springfield.State = QStringLiteral("IL");
        springfield.ZipCode = QStringLiteral("62701");
        springfield.TaxExemptNumber = QStringLiteral("12-345");
        SaveCustomer(springfield);

        ScopedPrompts prompts;
        m_state.windowMode = 3;
        TfrmCustomer window(m_state);
        window.show();
        QVERIFY(action(window, "actPrint")->isEnabled());
        QVERIFY(action(window, "actPrintPreview")->isEnabled());
        window.findChild<QComboBox*>(QStringLiteral("cmboCustSearch"))->setCurrentIndex(int(CustomerSearch::LastName));
        QTest::keyClicks(window.findChild<QLineEdit*>(QStringLiteral("txtCustSearch")), QStringLiteral("do"));
        action(window, "actPrint")->trigger();
        QCOMPARE(m_jobs, 1);
        QVERIFY(prompts->shown.empty());

        const QString text = pdfText(jobPath(1));
        QVERIFY2(text.contains(QStringLiteral("Customer List")), qPrintable(text));
        QCOMPARE(linesWith(text, {"John Doe", "Jane Doe", "Ann Dobbs", "Joe Blow"}),
                 (QStringList{"John Doe", "Jane Doe", "Ann Dobbs"}));
        QVERIFY(text.contains(QStringLiteral("Springfield,IL 62701")));
        QVERIFY(text.contains(QStringLiteral("Tax Number: 12-345")));
        QVERIFY(text.contains(QStringLiteral("Tax Exempt, Tax Number: 1414141")));
    }

    void theCustomerListPreviews()
    {
        ScopedPrompts prompts;
        m_state.windowMode = 3;
        TfrmCustomer window(m_state);
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
        QCOMPARE(caption, QStringLiteral("Preview Customer List"));
        QCOMPARE(m_jobs, 0);
        QVERIFY(window.isVisible());
    }

    void thePriceListPrintsItsTwentyTwoRows()
    {
        ScopedPrompts prompts;
        m_state.windowMode = 2;
        TfrmPriceVelmar window(m_state);
        window.show();
        QVERIFY(action(window, "actPrint")->isEnabled());
        action(window, "actPrint")->trigger();
        QCOMPARE(m_jobs, 1);

        const QString text = pdfText(jobPath(1));
        QVERIFY2(text.contains(QStringLiteral("Price Sheet List")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Interior Painting - per SQFT")));
        QVERIFY(text.contains(QStringLiteral("Exterior Paint Window Frame/Trim - each")));
        QVERIFY(!text.contains(QStringLiteral("Paint Closets")));
        QVERIFY(!text.contains(QStringLiteral("Wallpaper")));
        QVERIFY(text.contains(QStringLiteral("$28.35")));
        QVERIFY(text.contains(QStringLiteral("$6.88")));
        int itemLines = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (line.contains(QRegularExpression(QStringLiteral(" - (per SQFT|per LNFT|each)\\s+Labor: \\$"))))
                ++itemLines;
        QCOMPARE(itemLines, 22);
    }

    void printingWaitsForTheEditToEnd()
    {
        ScopedPrompts prompts;
        m_state.windowMode = 2;
        TfrmPriceVelmar window(m_state);
        window.show();
        QTreeView* list = window.findChild<QTreeView*>(QStringLiteral("lstPrice"));
        const QModelIndex first = list->model()->index(0, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());
        action(window, "actCancel")->trigger();
        QVERIFY(action(window, "actPrint")->isEnabled());
    }
};

VELMAR_TEST_MAIN(TestCatalogPrinting)
#include "tst_catalogPrinting.moc"
