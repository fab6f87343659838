#include "app/Clock.h"
#include "app/gui/TfrmMain.h"
#include "maintenance/RecurringRun.h"
#include "maintenance/RecurringStatus.h"
#include "printing/DataFeed.h"
#include "printing/InvoiceData.h"
#include "printing/ManualForms.h"
#include "printing/PrintRequest.h"
#include "printing/gui/TfrmPrntPreview.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "MaintenanceFixtures.h"

#include <QLabel>
#include <QPushButton>

using namespace MaintenanceFixture;

class TestRecurring : public QObject {
    Q_OBJECT

    AppState state;
    const QDateTime runMoment{QDate(2026, 12, 10), QTime(9, 30)};
    const QString today = QStringLiteral("12/10/2026");

    // Recurring invoices 502 and 505 with their own dates and customers, counter at 510.
    void saveTemplates()
    {
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("1/5/2026"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), false, true, 2, QStringLiteral("Estimate 400")});
        Save(state, {QStringLiteral("Invoice"), 503});
        Save(state, {QStringLiteral("Estimate"), 504});
        Save(state, {QStringLiteral("Invoice"), 505, QStringLiteral("2/7/2026"), QStringLiteral("Bob Stone"),
                     QStringLiteral("Stone Realty"), false, true, 3});
        // A recurring flag on another kind is no recurring invoice.
        OpenDatabase().exec(QStringLiteral("UPDATE tblInvHeader SET strRecurring = '-1' WHERE intInvNumber = 504;"));
        SetCounter(510);
    }

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        SetClockForTesting(runMoment);
        state.printData = nullptr;
        state.windowMode = 0;
    }

    void cleanup()
    {
        SetClockForTesting(QDateTime());
    }

    void runIssuesEachRecurringInvoiceAnew()
    {
        saveTemplates();
        const QStringList templates = Dump(QStringLiteral("tblInvHeader"), QStringLiteral("WHERE intInvNumber < 510"));
        const QStringList templateSheets = Dump(QStringLiteral("tblInvData"));
        QStringList previews;
        QStringList numbersDuringRun;
        QStringList numbers;
        RecurringRunSteps steps;
        steps.showPreview = [&] {
            QCOMPARE(state.windowMode, 1);
            previews << PreviewCaption(state, state.windowMode);
            numbersDuringRun = numbers;
        };
        QCOMPARE(RunRecurringInvoices(state, numbers, steps), today);

        QCOMPARE(previews, (QStringList{QStringLiteral("Preview Invoice 510"), QStringLiteral("Preview Invoice 511")}));
        QCOMPARE(numbersDuringRun, (QStringList{QStringLiteral("502"), QStringLiteral("505")}));
        QVERIFY(numbers.isEmpty());
        QCOMPARE(ReadDocumentCounter(), 512);
        const struct {
            int copy, source;
            QString customer;
        } expected[] = {{510, 502, QStringLiteral("Jane Doe")}, {511, 505, QStringLiteral("Bob Stone")}};
        for (const auto& e : expected) {
            QCOMPARE(Column(e.copy, QStringLiteral("strInvName")), QStringLiteral("Invoice"));
            QCOMPARE(Column(e.copy, QStringLiteral("strRecurring")), QStringLiteral("0"));
            QCOMPARE(Column(e.copy, QStringLiteral("strInvDate")), today);
            QCOMPARE(Column(e.copy, QStringLiteral("strCustFullName")), e.customer);
            QCOMPARE(Column(e.copy, QStringLiteral("strFromInvNameNumber")),
                     Column(e.source, QStringLiteral("strFromInvNameNumber")));
            QCOMPARE(Column(e.copy, QStringLiteral("strInvTotal")), Column(e.source, QStringLiteral("strInvTotal")));
            QCOMPARE(Column(e.copy, QStringLiteral("strInvNotes")), QStringLiteral("Two coats\r\nof white"));
            QCOMPARE(SheetNames(e.copy), SheetNames(e.source));
            QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblSavedPrices WHERE intPrcItemInvNum = ?;"), {e.copy}), 27);
        }
        QCOMPARE(Column(504, QStringLiteral("strInvName")), QStringLiteral("Estimate"));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 6);
        // The templates stay as they were, still on the list.
        QCOMPARE(Dump(QStringLiteral("tblInvHeader"), QStringLiteral("WHERE intInvNumber < 510")), templates);
        QCOMPARE(Dump(QStringLiteral("tblInvData"), QStringLiteral("WHERE intInvNumber < 510")), templateSheets);
        QCOMPARE(CountRecurringInvoices(), 2);
        QCOMPARE(ReadRecurringLastPrinted(), today);
    }

    void nothingOnTheListDoesNothing()
    {
        Save(state, {QStringLiteral("Estimate"), 502});
        OpenDatabase().exec(QStringLiteral("UPDATE tblInvHeader SET strRecurring = '-1';"));
        QStringList numbers;
        int previews = 0;
        QCOMPARE(RunRecurringInvoices(state, numbers, {[&] { ++previews; }, {}}), QString());
        QCOMPARE(previews, 0);
        QCOMPARE(ReadDocumentCounter(), 503);
        QCOMPARE(ReadRecurringLastPrinted(), QStringLiteral(" Never"));
    }

    void aPaidTemplatesCopyCountsInTheRunsMonth()
    {
        Save(state, {QStringLiteral("Invoice"), 502, QStringLiteral("1/5/2026"), QStringLiteral("Jane Doe"),
                     QStringLiteral("Harbor Homes"), true});
        OpenDatabase().exec(QStringLiteral("UPDATE tblInvHeader SET strRecurring = '-1';"));
        const double january = MonthLabor(2026, 1);
        QVERIFY(january > 0);
        QStringList numbers;
        RunRecurringInvoices(state, numbers, {});
        QCOMPARE(MonthLabor(2026, 1), january);
        QCOMPARE(MonthLabor(2026, 12), january);
    }

    void anErrorEndsTheRunKeepingWhatWasSaved()
    {
        saveTemplates();
        // The second template's sheet cannot be read.
        OpenDatabase().exec(QStringLiteral("UPDATE tblInvData SET intIntExt = 'x' WHERE intInvNumber = 505;"));
        QStringList numbers;
        QVERIFY_THROWS_EXCEPTION(ConversionError, RunRecurringInvoices(state, numbers, {}));
        QCOMPARE(Column(510, QStringLiteral("strCustFullName")), QStringLiteral("Jane Doe"));
        QCOMPARE(ReadDocumentCounter(), 511);
        QCOMPARE(ReadRecurringLastPrinted(), QStringLiteral(" Never"));
        QCOMPARE(numbers, (QStringList{QStringLiteral("502"), QStringLiteral("505")}));
    }

    void blankFormsThenARunSavesAndPrintsRealInvoices()
    {
        saveTemplates();
        SetBlankFormModes(state);
        QVERIFY(state.currentDocument.Header.BlankForm);
        BlankFormChoice choice{QStringLiteral("Invoice"), QStringLiteral("Net 30"), 0, false};
        QCOMPARE(PrintBlankForms(state, choice, 1, [] { return true; }), 1);
        QVERIFY(state.currentDocument.Header.BlankForm);

        QStringList progress;
        QList<int> descriptionRows;
        RecurringRunSteps steps;
        steps.showPreview = [&] {
            QVERIFY(!state.currentDocument.Header.BlankForm);
            const PrintRequest request = BuildPrintRequest(state, 1);
            descriptionRows << request.ownedFeeds.front()->rowCount();
        };
        steps.save = [&](CurrentDocument& document) {
            SaveDocument(document, {[&](const QString& caption) { progress << caption; }});
        };
        QStringList numbers;
        RunRecurringInvoices(state, numbers, steps);
        QCOMPARE(progress, (QStringList{QStringLiteral("Saving Invoice 511..."), QStringLiteral("Saving Invoice 512...")}));
        QCOMPARE(descriptionRows.size(), 2);
        QVERIFY(descriptionRows[0] > 0 && descriptionRows[1] > 0);
        QCOMPARE(SheetNames(511), SheetNames(502));
    }

    void mainWindowButtonRunsWithPreviews()
    {
        saveTemplates();
        TmodPrintData service(state);
        state.printData = &service;
        TfrmMain window(state);
        window.show();
        auto* button = window.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"));
        auto* label = window.findChild<QLabel*>(QStringLiteral("lblRecurringLastPrinted"));
        QCOMPARE(label->text(), QStringLiteral(" Never"));
        QVERIFY(button->isEnabled());

        QStringList captions;
        std::function<void()> closePreview;
        closePreview = [&] {
            auto* preview = qobject_cast<TfrmPrntPreview*>(QApplication::activeModalWidget());
            if (!preview) {
                QTimer::singleShot(10, closePreview);
                return;
            }
            captions << preview->windowTitle();
            preview->close();
            if (captions.size() < 2)
                QTimer::singleShot(10, closePreview);
        };
        QTimer::singleShot(10, closePreview);
        ScopedPrompts prompts;
        button->click();
        QCOMPARE(captions, (QStringList{QStringLiteral("Preview Invoice 510"), QStringLiteral("Preview Invoice 511")}));
        QVERIFY(prompts->texts(QStringLiteral("error")).isEmpty());
        QCOMPARE(label->text(), today);
        QVERIFY(button->isEnabled());
        QCOMPARE(ReadDocumentCounter(), 512);
        state.printData = nullptr;
    }
};

VELMAR_TEST_MAIN(TestRecurring)
#include "tst_recurring.moc"
