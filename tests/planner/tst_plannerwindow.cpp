#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Regional.h"
#include "app/gui/TfrmMain.h"
#include "data/Database.h"
#include "planner/ActivityStore.h"
#include "planner/gui/PlannerCalendarTable.h"
#include "planner/gui/TfrmActivityEdit.h"
#include "planner/gui/TfrmPlanner.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "catalogs/CatalogTestHelpers.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return Regional::WallClock(QDate(year, month, day), QTime(hour, minute));
}

qint64 addActivity(const QDateTime& start, const QDateTime& end, const QString& text, bool priority = false)
{
    TrecActivityEdit a;
    a.start = start;
    a.end = end;
    a.activity = text;
    a.priority = priority;
    return SaveActivity(a);
}

QStringList column(QTreeWidget* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

// Runs `body` on the modal window that opens next, then lets the caller's action go on.
void onNextModal(std::function<void(QWidget*)> body)
{
    QTimer::singleShot(0, [body = std::move(body)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        body(modal);
    });
}

} // namespace

class TestPlannerWindow : public QObject {
    Q_OBJECT

    AppState m_state;

    QTreeWidget* list(QWidget& w) { return child<QTreeWidget>(w, "lvActivityEdit"); }
    PlannerCalendarTable* calendar(QWidget& w) { return child<PlannerCalendarTable>(w, "sgCalenderDay"); }
    QComboBox* views(QWidget& w) { return child<QComboBox>(w, "cmboPlannerType"); }
    QColor colorOfDay(TfrmPlanner& w, int day)
    {
        const auto [row, col] = calendar(w)->grid().position(day);
        return calendar(w)->cellColor(row, col);
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblPlanner;"));
        // Wednesday 2 March 2011.
        SetClockForTesting(QDateTime(QDate(2011, 3, 2), QTime(10, 0)));
        m_state.preferences[PrefPlannerShow] = false;
    }
    void cleanup() { SetClockForTesting(QDateTime()); }

    void layoutCaptionsAndHints()
    {
        TfrmPlanner window(m_state);
        window.show();
        QCOMPARE(ToolBarCommands(window, QStringLiteral("tbPlanner")),
                 (QStringList{"actClose", "actNewActivity", "actPrintPreview", "actPrint", "actHelp"}));
        QCOMPARE(action(window, "actNewActivity")->text(), QStringLiteral("New Activity"));
        QCOMPARE(action(window, "actPrintPreview")->text(), QStringLiteral("Print Preview"));
        const std::pair<const char*, const char*> hints[] = {
            {"cmboPlannerType", "Select Activity list type or change planner settings"},
            {"sgCalenderDay", "Select a date to view or edit"},
            {"lblTodayDateDay", "Click to return to todays date"},
            {"lvActivityEdit", "Select an Activity to Edit"},
            {"btnActivityBack", "Previous Month"},
            {"btnActivityNext", "Next Month"},
        };
        for (const auto& [name, hint] : hints)
            COMPARE_HINT(child(window, QString::fromLatin1(name)), QString::fromUtf8(hint));
        QCOMPARE(action(window, "actPrint")->statusTip(), QStringLiteral("Print current activity list"));
        QCOMPARE(action(window, "actPrintPreview")->statusTip(), QStringLiteral("Print Preview current activity list"));
        QCOMPARE(child<QPushButton>(window, "btnActivityBack")->text(), QStringLiteral("<<"));
        QCOMPARE(child<QPushButton>(window, "btnActivityNext")->text(), QStringLiteral(">>"));
        QStringList items;
        for (int i = 0; i < views(window)->count(); ++i)
            items << views(window)->itemText(i);
        QCOMPARE(items, (QStringList{"Day Planner List", "Week Planner List", "Month Planner List"}));
        QCOMPARE(window.minimumSize(), QSize(750, 600));
        window.resize(500, 400);
        QCOMPARE(window.size(), QSize(750, 600));

        QCOMPARE(list(window)->columnCount(), 12);
        QStringList visible;
        for (int c = 0; c < 12; ++c)
            if (!list(window)->isColumnHidden(c))
                visible << list(window)->headerItem()->text(c);
        // The default view is the day list: no date column.
        QCOMPARE(visible, (QStringList{"Activity Start", "Activity End", "Activity"}));
        QCOMPARE(calendar(window)->rowCount(), 6);
        QCOMPARE(calendar(window)->item(0, 0)->text(), QStringLiteral("Sun"));
        QCOMPARE(calendar(window)->item(0, 6)->text(), QStringLiteral("Sat"));
        QCOMPARE(calendar(window)->item(1, 2)->text(), QStringLiteral("1"));
    }

    void opensOnTodayInTheDefaultView_data()
    {
        QTest::addColumn<int>("defaultView");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("day") << 0 << QStringList{"3/2/2011"};
        QTest::newRow("week") << 1 << QStringList{"3/1/2011", "3/2/2011", "3/5/2011"};
        QTest::newRow("month") << 2 << QStringList{"3/1/2011", "3/2/2011", "3/5/2011", "3/6/2011", "3/31/2011"};
    }
    void opensOnTodayInTheDefaultView()
    {
        QFETCH(int, defaultView);
        QFETCH(QStringList, dates);
        addActivity(at(2011, 2, 28, 9), at(2011, 3, 1, 9), QStringLiteral("Feb"));
        addActivity(at(2011, 3, 2, 9), at(2011, 3, 2, 10), QStringLiteral("Today"));
        addActivity(at(2011, 3, 5, 9), at(2011, 3, 5, 10), QStringLiteral("Saturday"));
        addActivity(at(2011, 3, 6, 9), at(2011, 3, 6, 10), QStringLiteral("Next Sunday"));
        addActivity(at(2011, 3, 31, 9), at(2011, 3, 31, 10), QStringLiteral("Last"));
        m_state.companySettings.PlannerDefaultView = defaultView;
        TfrmPlanner window(m_state);
        window.show();
        QCOMPARE(views(window)->currentIndex(), defaultView);
        QCOMPARE(window.selectedDate(), QDate(2011, 3, 2));
        QCOMPARE(child<QLabel>(window, "lblDayMnthYear")->text(), QStringLiteral("Wednesday, March 2, 2011"));
        QCOMPARE(child<QLabel>(window, "lblTodayDateDay")->text(), QStringLiteral("Today: 3/2/2011"));
        QStringList listed = column(list(window), PlannerList::ColDate);
        listed.removeDuplicates();
        QCOMPARE(listed, dates);
    }

    void aMultiDayActivityInTheMonthView()
    {
        addActivity(at(2011, 3, 14, 9), at(2011, 3, 16, 17), QStringLiteral("Paint"));
        addActivity(at(2011, 3, 16, 8), at(2011, 3, 16, 9), QStringLiteral("Estimate"), true);
        addActivity(at(2011, 3, 5, 8), at(2011, 3, 5, 9), QStringLiteral("Saturday job"));
        m_state.companySettings.PlannerDefaultView = 2;
        TfrmPlanner window(m_state);
        window.show();
        QTreeWidget* rows = list(window);
        QCOMPARE(column(rows, PlannerList::ColActivity), (QStringList{"Saturday job", "Paint", "Paint", "Paint", "Estimate"}));
        QCOMPARE(column(rows, PlannerList::ColDate), (QStringList{"3/5/2011", "3/14/2011", "3/15/2011", "3/16/2011", "3/16/2011"}));
        QCOMPARE(rows->topLevelItem(2)->text(PlannerList::ColActivityStart), QStringLiteral("3/14/2011 9:00 AM"));
        QCOMPARE(rows->topLevelItem(2)->text(PlannerList::ColActivityEnd), QStringLiteral("3/16/2011 5:00 PM"));
        QCOMPARE(rows->topLevelItem(2)->text(PlannerList::ColStartText), QStringLiteral("3/14/2011 9:00:00 AM"));
        QCOMPARE(rows->topLevelItem(2)->text(PlannerList::ColDayOfYear), QStringLiteral("74"));
        QCOMPARE(rows->topLevelItem(4)->text(PlannerList::ColPriority), QStringLiteral("-1"));
        for (int c = 0; c < PlannerList::ListColumnCount; ++c)
            QCOMPARE(rows->isColumnHidden(c), IsHiddenListColumn(c));
        // Rows alternate, the first in the window colour.
        QCOMPARE(rows->topLevelItem(0)->background(PlannerList::ColActivity).color(), window.palette().color(QPalette::Window));
        QCOMPARE(rows->topLevelItem(1)->background(PlannerList::ColActivity).color(), rows->palette().color(QPalette::Base));
        QCOMPARE(rows->topLevelItem(2)->background(PlannerList::ColActivity).color(), window.palette().color(QPalette::Window));

        const CompanySettings& s = m_state.companySettings;
        QCOMPARE(colorOfDay(window, 14), ToQColor(s.PlannerActivityColor));
        QCOMPARE(colorOfDay(window, 15), ToQColor(s.PlannerActivityColor));
        QCOMPARE(colorOfDay(window, 16), ToQColor(s.PlannerPriorityColor));
        QCOMPARE(colorOfDay(window, 5), ToQColor(s.PlannerActivityColor));
        QCOMPARE(colorOfDay(window, 12), ToQColor(s.PlannerWeekendColor));
        QCOMPARE(colorOfDay(window, 17), window.palette().color(QPalette::Base));
        QCOMPARE(calendar(window)->cellColor(0, 3), ToQColor(s.PlannerHeaderColor));
    }

    // Print follows the list alone: whether the planner was last closed maximized does not matter.
    void printCommandsFollowTheList_data()
    {
        QTest::addColumn<bool>("activities");
        QTest::addColumn<bool>("lastMaximized");
        QTest::newRow("empty list") << false << true;
        QTest::newRow("rows, last closed maximized") << true << true;
        QTest::newRow("rows, last closed normal") << true << false;
    }
    void printCommandsFollowTheList()
    {
        QFETCH(bool, activities);
        QFETCH(bool, lastMaximized);
        if (activities)
            addActivity(at(2011, 3, 2, 9), at(2011, 3, 2, 10), QStringLiteral("Today"));
        m_state.preferences[PrefPlannerShow] = lastMaximized;
        TfrmPlanner window(m_state);
        window.show();
        QCOMPARE(window.isMaximized(), lastMaximized);
        QCOMPARE(action(window, "actPrint")->isEnabled(), activities);
        QCOMPARE(action(window, "actPrintPreview")->isEnabled(), activities);
        // Another day without activities empties the list.
        window.selectDate(QDate(2011, 3, 3));
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());
    }

    void closingStoresTheMaximizedState_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("maximized") << true;
        QTest::newRow("normal") << false;
    }
    void closingStoresTheMaximizedState()
    {
        QFETCH(bool, maximized);
        m_state.preferences[PrefPlannerShow] = !maximized;
        TfrmPlanner window(m_state);
        window.show();
        window.setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
        QTRY_COMPARE(window.isMaximized(), maximized);
        action(window, "actClose")->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(m_state.preferences[PrefPlannerShow], maximized);
    }

    void monthsAndDays()
    {
        addActivity(at(2012, 1, 10, 9), at(2012, 1, 10, 10), QStringLiteral("Next year"));
        SetClockForTesting(QDateTime(QDate(2011, 3, 31), QTime(10, 0)));
        m_state.companySettings.PlannerDefaultView = 2;
        TfrmPlanner window(m_state);
        window.show();
        QTest::mouseClick(child<QPushButton>(window, "btnActivityBack"), Qt::LeftButton);
        QCOMPARE(window.selectedDate(), QDate(2011, 2, 28));
        QCOMPARE(calendar(window)->rowCount(), 6);
        QCOMPARE(child<QLabel>(window, "lblDayMnthYear")->text(), QStringLiteral("Monday, February 28, 2011"));

        // Into the next year: its activities are searched.
        window.selectDate(QDate(2011, 12, 15));
        QVERIFY(!window.dayMarks().activity[10]);
        QTest::mouseClick(child<QPushButton>(window, "btnActivityNext"), Qt::LeftButton);
        QCOMPARE(window.selectedDate(), QDate(2012, 1, 15));
        QVERIFY(window.dayMarks().activity[10]);
        QCOMPARE(column(list(window), PlannerList::ColActivity), QStringList{"Next year"});
        QCOMPARE(colorOfDay(window, 10), ToQColor(m_state.companySettings.PlannerActivityColor));

        // A click on a day selects it; the heading row and empty cells do nothing.
        views(window)->setCurrentIndex(0);
        const auto [row, col] = calendar(window)->grid().position(10);
        QTest::mouseClick(calendar(window)->viewport(), Qt::LeftButton, {},
                          calendar(window)->visualItemRect(calendar(window)->item(row, col)).center());
        QCOMPARE(window.selectedDate(), QDate(2012, 1, 10));
        QCOMPARE(column(list(window), PlannerList::ColActivityStart), QStringList{"1/10/2012 9:00 AM"});
        QTest::mouseClick(calendar(window)->viewport(), Qt::LeftButton, {},
                          calendar(window)->visualItemRect(calendar(window)->item(0, 3)).center());
        // January 2012 starts on a Sunday and ends on a Tuesday: Thursday of the last row is empty.
        QCOMPARE(calendar(window)->item(5, 4)->text(), QString());
        QTest::mouseClick(calendar(window)->viewport(), Qt::LeftButton, {},
                          calendar(window)->visualItemRect(calendar(window)->item(5, 4)).center());
        QCOMPARE(window.selectedDate(), QDate(2012, 1, 10));

        // The today label returns to today, from the keyboard too.
        child(window, "lblTodayDateDay")->setFocus();
        QTest::keyClick(child(window, "lblTodayDateDay"), Qt::Key_Space);
        QCOMPARE(window.selectedDate(), QDate(2011, 3, 31));
        QVERIFY(!window.dayMarks().activity[10]);
    }

    void aRowOpensInTheEditorAndTheListFollowsItsSave()
    {
        addActivity(at(2011, 3, 1, 9), at(2011, 3, 3, 17), QStringLiteral("Paint"));
        m_state.companySettings.PlannerDefaultView = 1;
        m_state.dataChanged = true;
        ScopedPrompts prompts;
        TfrmPlanner window(m_state);
        window.show();
        QCOMPARE(list(window)->topLevelItemCount(), 3);
        QString seen;
        onNextModal([&](QWidget* modal) {
            auto* editor = qobject_cast<TfrmActivityEdit*>(modal);
            QVERIFY(editor);
            // The dispatcher cleared DataChanged before the editor opened.
            QVERIFY(!m_state.dataChanged);
            seen = Regional::FormatDateTime(editor->startDateTime()) + QStringLiteral(" - ")
                   + Regional::FormatDateTime(editor->endDateTime());
            child<QLineEdit>(*editor, "txtPlannerActivity")->setText(QStringLiteral("Paint trim"));
            child<QDateTimeEdit>(*editor, "dtPickerPlannerEndDateTime")->setDate(QDate(2011, 3, 4));
            QTest::mouseClick(child<QToolButton>(*editor, "tlbtnSave"), Qt::LeftButton);
        });
        ClickListRow(list(window), 1, PlannerList::ColActivity);
        QCOMPARE(seen, QStringLiteral("3/1/2011 9:00:00 AM - 3/3/2011 5:00:00 PM"));
        QVERIFY(!m_state.dataChanged);
        QCOMPARE(column(list(window), PlannerList::ColActivity), QStringList(4, QStringLiteral("Paint trim")));
        QVERIFY(window.dayMarks().activity[QDate(2011, 3, 4).dayOfYear()]);
        QVERIFY(prompts->shown.empty());
    }

    void aNewActivityOpensOnTheSelectedDay()
    {
        m_state.companySettings.PlannerDefaultView = 0;
        TfrmPlanner window(m_state);
        window.show();
        window.selectDate(QDate(2011, 3, 15));
        QDateTime start;
        onNextModal([&](QWidget* modal) {
            auto* editor = qobject_cast<TfrmActivityEdit*>(modal);
            QVERIFY(editor);
            start = editor->startDateTime();
            QVERIFY(child(*editor, "tlbtnDelete")->isHidden());
            QTest::keyClicks(child(*editor, "txtPlannerActivity"), QStringLiteral("Estimate"));
            QTest::mouseClick(child<QToolButton>(*editor, "tlbtnSave"), Qt::LeftButton);
        });
        action(window, "actNewActivity")->trigger();
        QCOMPARE(start, at(2011, 3, 15, 8));
        QCOMPARE(column(list(window), PlannerList::ColActivityStart), QStringList{"3/15/2011 8:00 AM"});
        QVERIFY(action(window, "actPrint")->isEnabled());
    }

    // Delete answered No changes nothing, yet the planner reads the activities again.
    void deleteAnsweredNoStillRefreshes()
    {
        addActivity(at(2011, 3, 2, 9), at(2011, 3, 2, 10), QStringLiteral("Today"));
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::No);
        TfrmPlanner window(m_state);
        window.show();
        onNextModal([&](QWidget* modal) {
            // Meanwhile another activity arrives on the 20th.
            addActivity(at(2011, 3, 20, 9), at(2011, 3, 20, 10), QStringLiteral("Meanwhile"));
            QTest::mouseClick(child<QToolButton>(*modal, "tlbtnDelete"), Qt::LeftButton);
        });
        ClickListRow(list(window), 0, PlannerList::ColActivity);
        QCOMPARE(prompts->texts(), QStringList{"Delete this Activity from your list?"});
        QCOMPARE(column(list(window), PlannerList::ColActivity), QStringList{"Today"});
        QVERIFY(window.dayMarks().activity[QDate(2011, 3, 20).dayOfYear()]);
        QCOMPARE(colorOfDay(window, 20), ToQColor(m_state.companySettings.PlannerActivityColor));
    }

    void anUnreadableRowIsReportedAndTheRestStillLists()
    {
        addActivity(at(2011, 3, 2, 9), at(2011, 3, 2, 10), QStringLiteral("Fine"));
        OpenDatabase().exec(QStringLiteral(
            "INSERT INTO tblPlanner(intActMasterID,intActYear,intActDayOfYear,strActStartDateTime,strActEndDateTime,"
            "strActivity,strActPriority,strActNote) VALUES (99,2011,61,'02.03.2011 08:00','02.03.2011 09:00','Odd','0','');"));
        ScopedPrompts prompts;
        TfrmPlanner window(m_state);
        window.show();
        QCOMPARE(column(list(window), PlannerList::ColActivity), (QStringList{"Fine", "Odd"}));
        QCOMPARE(list(window)->topLevelItem(1)->text(PlannerList::ColActivityStart), QStringLiteral("02.03.2011 08:00"));
        ClickListRow(list(window), 1, PlannerList::ColActivity);
        QCOMPARE(prompts->texts(QStringLiteral("error")),
                 QStringList{"'02.03.2011 08:00' is not a valid date and time."});
        QVERIFY(window.isVisible());
    }

    void theWeekListPrints()
    {
        addActivity(at(2011, 3, 1, 9), at(2011, 3, 2, 17), QStringLiteral("Paint the Jones porch"));
        addActivity(at(2011, 3, 4, 8), at(2011, 3, 4, 9), QStringLiteral("Estimate for Smith"));
        addActivity(at(2011, 3, 8, 8), at(2011, 3, 8, 9), QStringLiteral("Next week"));
        QTemporaryDir output;
        TmodPrintData printData(m_state);
        printData.printerProvider = [&] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(output.filePath(QStringLiteral("planner.pdf")));
            return printer;
        };
        m_state.printData = &printData;
        m_state.companySettings.PlannerDefaultView = 1;
        ScopedPrompts prompts;
        {
            TfrmPlanner window(m_state);
            window.show();
            action(window, "actPrint")->trigger();
            QCOMPARE(m_state.windowMode, 4);
        }
        m_state.printData = nullptr;
        QVERIFY(prompts->shown.empty());
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), output.filePath(QStringLiteral("planner.pdf")), QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Week Planner List of Activities for:")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Wednesday, March 2, 2011")));
        QVERIFY(text.contains(QStringLiteral("Activity Date")));
        QCOMPARE(text.count(QStringLiteral("Paint the Jones porch")), 2);
        QVERIFY(text.contains(QStringLiteral("3/4/2011")));
        QVERIFY(text.contains(QStringLiteral("3/1/2011 9:00:00 AM")));
        QVERIFY(!text.contains(QStringLiteral("Next week")));
    }

    void thePlannerCommandOpensThePlanner()
    {
        TfrmMain main(m_state);
        main.show();
        QString opened;
        onNextModal([&](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        });
        action(main, "actShowHidePlanner")->trigger();
        QCOMPARE(opened, QStringLiteral("TfrmPlanner"));
    }
};

VELMAR_TEST_MAIN(TestPlannerWindow)
#include "tst_plannerwindow.moc"
