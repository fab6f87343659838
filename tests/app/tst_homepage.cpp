#include "app/AppState.h"
#include "app/Clock.h"
#include "app/HomeFigures.h"
#include "app/Regional.h"
#include "app/gui/HomePage.h"
#include "app/gui/TfrmMain.h"
#include "data/Database.h"
#include "maintenance/MaintenanceFixtures.h"
#include "planner/ActivityStore.h"
#include "planner/gui/TfrmPlanner.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

using MaintenanceFixture::Saved;

const QDate kToday(2011, 3, 20);

struct Fixture {
    // By number: the document as saved, with its totals.
    std::map<int, CurrentDocument> saved;
};

Saved Doc(const char* kind, int number, const char* date, int sheets, bool paid = false, bool recurring = false)
{
    Saved s;
    s.kind = QString::fromLatin1(kind);
    s.number = number;
    s.date = QString::fromLatin1(date);
    s.sheets = sheets;
    s.paidInFull = paid;
    s.recurring = recurring;
    s.customer = QStringLiteral("Customer %1").arg(number);
    return s;
}

// Seven unpaid invoices whose numbers, stored order and dates disagree (two share a
// date; 9/1/2010 sorts after 10/1/2010 as text), and documents that are not unpaid: two
// invoices paid in March, one in February, a recurring one, an estimate and a March
// credit. The first invoice is saved again last.
Fixture SaveFixture(AppState& state)
{
    Fixture f;
    const Saved documents[] = {
        Doc("Invoice", 612, "3/1/2011", 1),
        Doc("Invoice", 608, "2/10/2011", 2),
        Doc("Invoice", 611, "12/30/2010", 3),
        Doc("Invoice", 615, "9/1/2010", 1),
        Doc("Invoice", 605, "10/1/2010", 2),
        Doc("Invoice", 614, "2/10/2011", 4),
        Doc("Invoice", 601, "3/20/2011", 1),
        Doc("Invoice", 620, "3/5/2011", 2, true),
        Doc("Invoice", 621, "3/18/2011", 3, true),
        Doc("Invoice", 622, "2/28/2011", 2, true),
        Doc("Invoice", 623, "1/1/2011", 1, false, true),
        Doc("Estimate", 624, "1/2/2011", 2),
        Doc("Credit", 625, "3/10/2011", 1),
    };
    for (const Saved& s : documents)
        f.saved[s.number] = MaintenanceFixture::Save(state, s);

    CurrentDocument again;
    again.Header.IsNew = false;
    again.Header.InvNumber = 612;
    LoadDocument(again, state.companySettings);
    again.Header.CustPONumber = QStringLiteral("PO 77");
    SaveDocument(again);
    return f;
}

qint64 Cents(const CurrentDocument& document)
{
    return Regional::ToCents(document.Header.TotalAmount);
}

qint64 SalesCents(const CurrentDocument& document)
{
    return Regional::ToCents(document.Totals.LaborTotal + document.Totals.MaterialTotal);
}

QList<int> Numbers(const std::vector<DocumentSummary>& documents)
{
    QList<int> numbers;
    for (const DocumentSummary& d : documents)
        numbers << d.InvNumber;
    return numbers;
}

void SaveActivityAt(const QString& what, const QDateTime& start, const QDateTime& end)
{
    TrecActivityEdit activity;
    activity.activity = what;
    activity.start = start;
    activity.end = end;
    SaveActivity(activity);
}

QStringList ActivityNames(const HomeDay& day)
{
    QStringList names;
    for (const ActivityRow& row : day.activities)
        names << row.activity;
    return names;
}

QDateTime At(int year, int month, int day, int hour, int minute = 0)
{
    return Regional::WallClock(QDate(year, month, day), QTime(hour, minute));
}

template <class T>
T* Find(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qWarning("no %s", qPrintable(name));
    return found;
}

} // namespace

class TestHomePage : public QObject {
    Q_OBJECT

    AppState state;

    // What was open when a modal window came up: its name, and the editor's document or
    // the planner's day.
    struct Opened {
        QString window;
        int number = 0;
        QString kind;
        int mode = 0;
        bool editorOpen = false;
        QDate plannerDay;
    };

    // Closes the next modal window as soon as it is up, noting what it shows.
    void noteAndCloseNextModal(Opened& opened)
    {
        QTimer::singleShot(0, this, [this, &opened] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            opened.window = modal->objectName();
            opened.number = state.currentDocument.Header.InvNumber;
            opened.kind = state.currentDocument.Header.InvName;
            opened.mode = state.windowMode;
            opened.editorOpen = state.editorOpen;
            if (auto* planner = qobject_cast<TfrmPlanner*>(modal))
                opened.plannerDay = planner->selectedDate();
            modal->close();
        });
    }

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblPlanner;"));
        SetClockForTesting(QDateTime(kToday, QTime(9, 0)));
    }
    void cleanup() { SetClockForTesting(QDateTime()); }

    void unpaidInvoicesMonthAndRecentDocuments()
    {
        Fixture f = SaveFixture(state);
        const HomeFigures figures = GatherHomeFigures(kToday);

        // Unpaid: invoices neither paid in full nor recurring.
        QCOMPARE(figures.unpaidCount, 7);
        qint64 expectedCents = 0;
        for (int number : {612, 608, 611, 615, 605, 614, 601})
            expectedCents += Cents(f.saved[number]);
        QCOMPARE(figures.unpaidCents, expectedCents);
        QCOMPARE(figures.unreadableTotals, 0);

        // Oldest by date, not by stored text or number; a shared date by number.
        QList<int> oldest;
        QList<qint64> ages;
        for (const HomeUnpaidInvoice& entry : figures.oldestUnpaid) {
            oldest << entry.invoice.InvNumber;
            QVERIFY(entry.ageDays.has_value());
            ages << *entry.ageDays;
        }
        QCOMPARE(oldest, (QList<int>{615, 605, 611, 608, 614}));
        QCOMPARE(ages, (QList<qint64>{200, 170, 80, 38, 38}));
        QCOMPARE(figures.oldestUnpaid.front().invoice.CustFullName, QStringLiteral("Customer 615"));

        // March: the two paid March invoices less the March credit; February stays out.
        QCOMPARE(figures.month, QDate(2011, 3, 1));
        QVERIFY(figures.monthRecorded);
        QCOMPARE(Regional::ToCents(figures.monthSales),
                 SalesCents(f.saved[620]) + SalesCents(f.saved[621]) - SalesCents(f.saved[625]));
        QCOMPARE(Regional::ToCents(figures.monthTax),
                 Regional::ToCents(f.saved[620].Totals.TaxTotal() + f.saved[621].Totals.TaxTotal()
                                   - f.saved[625].Totals.TaxTotal()));

        // Latest save first: the re-saved 612 leads and is listed once.
        QCOMPARE(Numbers(figures.recentDocuments),
                 (QList<int>{612, 625, 624, 623, 622, 621, 620, 601, 614, 605}));
        QCOMPARE(figures.recentDocuments.front().InvName, QStringLiteral("Invoice"));

        // A deleted document drops out and the next one moves up.
        DeleteDocument(624);
        QCOMPARE(Numbers(GatherHomeFigures(kToday).recentDocuments),
                 (QList<int>{612, 625, 623, 622, 621, 620, 601, 614, 605, 615}));
    }

    void unreadableStoredTextsAreNotTakenForFigures()
    {
        const CurrentDocument kept = MaintenanceFixture::Save(state, Doc("Invoice", 701, "3/1/2011", 2));
        MaintenanceFixture::Save(state, Doc("Invoice", 702, "3/2/2011", 1));
        MaintenanceFixture::Save(state, Doc("Invoice", 703, "3/3/2011", 1));
        {
            Connection db = OpenDatabase();
            // Written under other regional settings.
            db.exec(QStringLiteral("UPDATE tblInvHeader SET strInvTotal = ? WHERE intInvNumber = 702;"),
                    {QString::fromUtf8("12,50\u00a0€")});
            db.exec(QStringLiteral("UPDATE tblInvHeader SET strInvDate = ? WHERE intInvNumber = 703;"),
                    {QStringLiteral("01.03.2011")});
        }
        const HomeFigures figures = GatherHomeFigures(kToday);
        QCOMPARE(figures.unpaidCount, 3);
        QCOMPARE(figures.unreadableTotals, 1);
        const CurrentDocument third = [&] {
            CurrentDocument d;
            d.Header.IsNew = false;
            d.Header.InvNumber = 703;
            LoadDocument(d, state.companySettings);
            return d;
        }();
        QCOMPARE(figures.unpaidCents, Cents(kept) + Regional::ToCents(third.Header.TotalAmount));
        // The undated invoice comes after the dated ones, without an age.
        QCOMPARE(figures.oldestUnpaid.size(), size_t(3));
        QCOMPARE(figures.oldestUnpaid.back().invoice.InvNumber, 703);
        QVERIFY(!figures.oldestUnpaid.back().ageDays.has_value());
    }

    void activitiesOfTodayAndTomorrow_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("onToday");
        QTest::addColumn<QStringList>("onTomorrow");
        // The three-day job sorts by its own start, before the day's other work.
        QTest::newRow("in the year") << kToday
                                     << QStringList{"Lee job", "Smith estimate", "Porch"}
                                     << QStringList{"Lee job", "Visit"};
        QTest::newRow("at the year's end") << QDate(2011, 12, 31) << QStringList{"Eve job"}
                                           << QStringList{"New Year job"};
    }
    void activitiesOfTodayAndTomorrow()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, onToday);
        QFETCH(QStringList, onTomorrow);
        SaveActivityAt(QStringLiteral("Porch"), At(2011, 3, 20, 13), At(2011, 3, 20, 15));
        SaveActivityAt(QStringLiteral("Smith estimate"), At(2011, 3, 20, 8), At(2011, 3, 20, 8, 30));
        SaveActivityAt(QStringLiteral("Lee job"), At(2011, 3, 19, 8), At(2011, 3, 21, 17));
        SaveActivityAt(QStringLiteral("Visit"), At(2011, 3, 21, 9), At(2011, 3, 21, 10));
        SaveActivityAt(QStringLiteral("Later"), At(2011, 3, 22, 9), At(2011, 3, 22, 10));
        // The same days of the year, a year before.
        SaveActivityAt(QStringLiteral("Last year"), At(2010, 3, 20, 9), At(2010, 3, 21, 10));
        SaveActivityAt(QStringLiteral("Eve job"), At(2011, 12, 31, 10), At(2011, 12, 31, 12));
        SaveActivityAt(QStringLiteral("New Year job"), At(2012, 1, 1, 9), At(2012, 1, 1, 11));
        SaveActivityAt(QStringLiteral("Old New Year"), At(2011, 1, 1, 9), At(2011, 1, 1, 11));

        const HomeFigures figures = GatherHomeFigures(today);
        QCOMPARE(figures.days[0].day, today);
        QCOMPARE(figures.days[1].day, today.addDays(1));
        QCOMPARE(ActivityNames(figures.days[0]), onToday);
        QCOMPARE(ActivityNames(figures.days[1]), onTomorrow);
    }

    void entriesOpenWhatTheyName_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("child");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("number");
        QTest::addColumn<QDate>("day");
        QTest::newRow("recent document, Enter")
            << "lstvwHomeRecent" << 1 << -1 << false << "frmInvoiceVelmar" << 625 << QDate();
        QTest::newRow("oldest unpaid, click")
            << "lstvwHomeUnpaid" << 0 << -1 << true << "frmInvoiceVelmar" << 615 << QDate();
        QTest::newRow("tomorrow's heading, Enter")
            << "lstvwHomeDays" << 1 << -1 << false << "frmPlanner" << 0 << kToday.addDays(1);
        QTest::newRow("today's activity, click")
            << "lstvwHomeDays" << 0 << 0 << true << "frmPlanner" << 0 << kToday;
    }
    void entriesOpenWhatTheyName()
    {
        QFETCH(QString, list);
        QFETCH(int, top);
        QFETCH(int, child);
        QFETCH(bool, byMouse);
        QFETCH(QString, window);
        QFETCH(int, number);
        QFETCH(QDate, day);
        SaveFixture(state);
        SaveActivityAt(QStringLiteral("Porch"), At(2011, 3, 20, 13), At(2011, 3, 20, 15));
        ScopedPrompts prompts;
        TfrmMain main(state);
        main.show();
        auto* entries = Find<QTreeWidget>(main, list);
        QVERIFY(entries);
        QTreeWidgetItem* item = entries->topLevelItem(top);
        QVERIFY(item);
        if (child >= 0)
            item = item->child(child);
        QVERIFY(item);

        Opened opened;
        noteAndCloseNextModal(opened);
        entries->setFocus();
        entries->setCurrentItem(item);
        if (byMouse)
            QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, entries->visualItemRect(item).center());
        else
            QTest::keyClick(entries, Qt::Key_Return);

        QCOMPARE(opened.window, window);
        if (number > 0) {
            QCOMPARE(opened.number, number);
            QCOMPARE(opened.mode, 1);
            QVERIFY(opened.editorOpen);
            QVERIFY(!state.editorOpen);
        } else {
            QCOMPARE(opened.plannerDay, day);
        }
        // The editor may ask about the fixture's tax rates; nothing failed.
        QVERIFY2(prompts->texts(QStringLiteral("error")).isEmpty(), qPrintable(prompts->texts().join('|')));
    }

    void theReportOpensOnThisMonth()
    {
        TfrmMain main(state);
        main.show();
        auto* report = Find<QPushButton>(main, QStringLiteral("btnHomeReport"));
        QVERIFY(report);
        Opened opened;
        noteAndCloseNextModal(opened);
        report->setFocus();
        QTest::keyClick(report, Qt::Key_Return);
        QCOMPARE(opened.window, QStringLiteral("frmReport"));
        QCOMPARE(opened.mode, 7);
    }

    void tabReachesEveryEntryList()
    {
        SaveFixture(state);
        TfrmMain main(state);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QStringList reached;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &main, Qt::Key_Tab);
            if (QWidget* focus = QApplication::focusWidget())
                reached << focus->objectName();
        }
        const QStringList order{"lstvwHomeDays", "lstvwHomeUnpaid", "btnHomeReport", "lstvwHomeRecent"};
        const qsizetype first = reached.indexOf(order.first());
        QVERIFY2(first >= 0, qPrintable(reached.join(',')));
        QCOMPARE(reached.mid(first, order.size()), order);
        // Reaching a list puts its first entry under the cursor, ready for Enter.
        QVERIFY(Find<QTreeWidget>(main, QStringLiteral("lstvwHomeRecent"))->currentItem());
    }

    void theClosingOfAWindowRefreshesThePage()
    {
        TfrmMain main(state);
        main.show();
        auto* recent = Find<QTreeWidget>(main, QStringLiteral("lstvwHomeRecent"));
        auto* count = Find<QLabel>(main, QStringLiteral("lblHomeUnpaidCount"));
        auto* total = Find<QLabel>(main, QStringLiteral("lblHomeUnpaidTotal"));
        QVERIFY(recent && count && total);
        // A fresh database: nothing saved, nothing owed.
        QVERIFY(recent->isHidden());
        QVERIFY(!Find<QLabel>(main, QStringLiteral("lblHomeNoRecent"))->isHidden());
        QCOMPARE(count->text(), QStringLiteral("0"));
        QCOMPARE(total->text(), QStringLiteral("$0.00"));

        CurrentDocument saved;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            saved = MaintenanceFixture::Save(state, Doc("Invoice", 640, "3/15/2011", 2));
            if (modal)
                modal->close();
        });
        main.findChild<QAction*>(QStringLiteral("actCustomerMaintenance"))->trigger();

        QVERIFY(!recent->isHidden());
        QCOMPARE(recent->topLevelItemCount(), 1);
        QCOMPARE(recent->topLevelItem(0)->text(0), QStringLiteral("Invoice 640"));
        QCOMPARE(count->text(), QStringLiteral("1"));
        QCOMPARE(total->text(), Regional::CurrencyText(saved.Header.TotalAmount));
    }

    void aFailedReadIsReportedAndNotShownAsFigures()
    {
        OpenDatabase().exec(QStringLiteral("DROP TABLE tblReport;"));
        ScopedPrompts prompts;
        TfrmMain main(state);
        main.show();
        QCOMPARE(prompts->texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("SQLite Error 1 - no such table: tblReport.")});
        QVERIFY(!Find<QLabel>(main, QStringLiteral("lblHomeFailed"))->isHidden());
        QVERIFY(Find<QWidget>(main, QStringLiteral("grpHomeUnpaid"))->isHidden());
    }
};

VELMAR_TEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
