#pragma once

#include "catalogs/ScopedListFeed.h"
#include "planner/ActivityStore.h"
#include "printing/ListFeeds.h"

#include <QDialog>

struct AppState;
class PlannerCalendarTable;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TodayLabel;

// The planner: a month calendar marking the days with activities, and a list of the
// activities of the selected day, week or month. Activities open in the activity editor;
// the list prints through the print service.
class TfrmPlanner : public QDialog {
    Q_OBJECT
public:
    // Opens on `startDay`, or on today when it is not given.
    TfrmPlanner(AppState& state, QWidget* parent = nullptr, const QDate& startDay = QDate());

    QDate selectedDate() const { return m_selected; }
    const std::vector<ActivityRow>& listedRows() const { return m_rows; }
    const DayMarks& dayMarks() const { return m_year.marks; }

    // Selects a date as a click in the calendar would (the date may lie in another month).
    void selectDate(const QDate& date);
    // Opens a listed row, or a new activity on the selected day, in the editor.
    void lvActivityEditClick(int row);
    void actNewActivityExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void pShowFormInformation();
    void pSearchPlannerActivity(int year);
    void pDrawCalendar();
    void pSelectDayInPlanner();
    void pSHowDayPlannerActivity();
    void pAllowPrinting();
    void pSetColumnWidths();
    void stepMonth(int months);
    void returnToToday();
    void openEditor(const TrecActivityEdit& activity);
    void printList(bool preview);
    PlannerView view() const;

    AppState& m_state;
    QDate m_startDay;
    QDate m_selected;
    // The shown year's rows, read once per year and again after the editor changed data.
    YearActivities m_year;
    std::vector<ActivityRow> m_rows;
    PlannerListFeed m_feed;
    ScopedListFeed m_feedInUse{m_state, &m_feed};
    bool m_shownOnce = false;

    QAction* actClose;
    QAction* actNewActivity;
    QAction* actPrintPreview;
    QAction* actPrint;
    QAction* actHelp;
    QComboBox* cmboPlannerType;
    QPushButton* btnActivityBack;
    QPushButton* btnActivityNext;
    TodayLabel* lblTodayDateDay;
    PlannerCalendarTable* sgCalenderDay;
    QLabel* lblDayMnthYear;
    QTreeWidget* lvActivityEdit;
};
