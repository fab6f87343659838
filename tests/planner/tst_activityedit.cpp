#include "app/AppState.h"
#include "app/Regional.h"
#include "app/gui/TfrmSaving.h"
#include "data/Database.h"
#include "planner/ActivityStore.h"
#include "planner/gui/TfrmActivityEdit.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "catalogs/CatalogTestHelpers.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <ctime>

Q_DECLARE_METATYPE(PromptAnswer)

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return Regional::WallClock(QDate(year, month, day), QTime(hour, minute));
}

int storedCount(const QString& where = QStringLiteral("1=1"))
{
    return int(OpenDatabase().exec(QStringLiteral("SELECT COUNT(*) FROM tblPlanner WHERE ") + where + QLatin1Char(';'))
                   .columnInt(0));
}

TrecActivityEdit existing()
{
    TrecActivityEdit a;
    a.start = at(2011, 3, 14, 9);
    a.end = at(2011, 3, 16, 17);
    a.activity = QStringLiteral("Paint the Jones porch");
    a.notes = QStringLiteral("Two coats\r\nsouth side");
    a.priority = true;
    a.masterId = QString::number(SaveActivity(a));
    return a;
}

bool shown(QWidget& window, const char* name)
{
    return !child(window, QString::fromLatin1(name))->isHidden();
}

} // namespace

class TestActivityEdit : public QObject {
    Q_OBJECT

    AppState m_state;

    QToolButton* button(QWidget& window, const char* name) { return child<QToolButton>(window, QString::fromLatin1(name)); }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblPlanner;"));
    }
    void cleanup()
    {
        qunsetenv("TZ");
        tzset();
    }

    void controlsCaptionsAndHints()
    {
        TfrmActivityEdit window(m_state, nullptr, NewActivityOn(QDate(2011, 3, 15)));
        QCOMPARE(window.windowTitle(), QStringLiteral("Activity Edit Form"));
        const std::pair<const char*, const char*> hints[] = {
            {"txtPlannerActivity", "Enter or Edit Activity here"},
            {"ckbxActPriority", "Check if this Activity is a high priority"},
            {"dtPickerPlannerStartDateTime", "Select a start date for your activity"},
            {"dtPickerPlannerStartTime", "Select a start Time for this Activity"},
            {"dtPickerPlannerEndDateTime", "Select an end date for your activity"},
            {"dtPickerPlannerEndTime", "Select an end Time for this Activity"},
            {"txtActivityNotes", "Enter or Edit Activity Notes here"},
            {"tlbtnClose", "Close"},
            {"tlbtnSave", "Save changes to this Activity"},
            {"tlbtnCancel", "Cancel changes to this activity"},
            {"tlbtnDelete", "Delete this activity"},
        };
        for (const auto& [name, hint] : hints)
            COMPARE_HINT(child(window, QString::fromLatin1(name)), QString::fromUtf8(hint));
        QCOMPARE(child<QCheckBox>(window, "ckbxActPriority")->text(), QStringLiteral("Mark Activity as a High Priority"));
        QCOMPARE(child<QLineEdit>(window, "txtPlannerActivity")->maxLength(), 35);
        QCOMPARE(LabelOf(window, child(window, "txtPlannerActivity")), QStringLiteral("Activity"));
        QCOMPARE(LabelOf(window, child(window, "dtPickerPlannerStartDateTime")), QStringLiteral("Activity Start"));
        QCOMPARE(LabelOf(window, child(window, "dtPickerPlannerEndDateTime")), QStringLiteral("Activity End"));
        QCOMPARE(LabelOf(window, child(window, "txtActivityNotes")), QStringLiteral("Activity Notes"));
        for (const char* name : {"tlbtnClose", "tlbtnSave", "tlbtnCancel", "tlbtnDelete"})
            QCOMPARE(button(window, name)->text(), QString::fromLatin1(name + 5));
    }

    void aNewActivityStartsAndEndsAtEight()
    {
        TfrmActivityEdit window(m_state, nullptr, NewActivityOn(QDate(2011, 3, 15)));
        window.show();
        QCOMPARE(window.startDateTime(), at(2011, 3, 15, 8));
        QCOMPARE(window.endDateTime(), at(2011, 3, 15, 8));
        QCOMPARE(child<QTimeEdit>(window, "dtPickerPlannerStartTime")->text(), QStringLiteral("8:00:00 AM"));
        QCOMPARE(child<QDateTimeEdit>(window, "dtPickerPlannerEndDateTime")->text(), QStringLiteral("3/15/2011"));
        QVERIFY(!shown(window, "tlbtnSave") && !shown(window, "tlbtnCancel") && !shown(window, "tlbtnDelete"));

        QTest::keyClicks(child(window, "txtPlannerActivity"), QStringLiteral("Estimate"));
        QVERIFY(shown(window, "tlbtnSave") && shown(window, "tlbtnCancel"));
        QVERIFY(!shown(window, "tlbtnDelete"));
        // Emptied again, there is nothing to save.
        child<QLineEdit>(window, "txtPlannerActivity")->clear();
        QVERIFY(!shown(window, "tlbtnSave") && !shown(window, "tlbtnCancel"));
    }

    void anExistingActivityShowsItsValues()
    {
        const TrecActivityEdit activity = existing();
        TfrmActivityEdit window(m_state, nullptr, activity);
        window.show();
        QCOMPARE(window.startDateTime(), activity.start);
        QCOMPARE(window.endDateTime(), activity.end);
        QCOMPARE(child<QTimeEdit>(window, "dtPickerPlannerEndTime")->text(), QStringLiteral("5:00:00 PM"));
        QCOMPARE(child<QLineEdit>(window, "txtPlannerActivity")->text(), activity.activity);
        QCOMPARE(child<QPlainTextEdit>(window, "txtActivityNotes")->toPlainText(), QStringLiteral("Two coats\nsouth side"));
        QVERIFY(child<QCheckBox>(window, "ckbxActPriority")->isChecked());
        QVERIFY(!shown(window, "tlbtnSave"));
        QVERIFY(shown(window, "tlbtnCancel") && shown(window, "tlbtnDelete"));
    }

    void theTimePickersCarryIntoTheDatePickers()
    {
        TfrmActivityEdit window(m_state, nullptr, existing());
        window.show();
        child<QTimeEdit>(window, "dtPickerPlannerStartTime")->setTime(QTime(10, 30));
        child<QTimeEdit>(window, "dtPickerPlannerEndTime")->setTime(QTime(16, 15));
        QCOMPARE(window.startDateTime(), at(2011, 3, 14, 10, 30));
        QCOMPARE(window.endDateTime(), at(2011, 3, 16, 16, 15));
        QVERIFY(shown(window, "tlbtnSave"));
    }

    void startAndEndRules_data()
    {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("start past the end moves the end along")
            << "dtPickerPlannerStartDateTime" << QDate(2011, 3, 18) << at(2011, 3, 18, 9) << at(2011, 3, 18, 17)
            << QStringList();
        QTest::newRow("end before the start is refused")
            << "dtPickerPlannerEndDateTime" << QDate(2011, 3, 10) << at(2011, 3, 14, 9) << at(2011, 3, 14, 17)
            << QStringList{"Date must be equal to or later than: 3/14/2011"};
        QTest::newRow("start earlier changes nothing else")
            << "dtPickerPlannerStartDateTime" << QDate(2011, 3, 1) << at(2011, 3, 1, 9) << at(2011, 3, 16, 17)
            << QStringList();
        QTest::newRow("end on the start day is fine")
            << "dtPickerPlannerEndDateTime" << QDate(2011, 3, 14) << at(2011, 3, 14, 9) << at(2011, 3, 14, 17)
            << QStringList();
    }
    void startAndEndRules()
    {
        QFETCH(QString, picker);
        QFETCH(QDate, date);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(QStringList, messages);
        ScopedPrompts prompts;
        TfrmActivityEdit window(m_state, nullptr, existing());
        window.show();
        child<QDateTimeEdit>(window, picker)->setDate(date);
        QCOMPARE(window.startDateTime(), start);
        QCOMPARE(window.endDateTime(), end);
        QCOMPARE(prompts->texts(QStringLiteral("info")), messages);
    }

    void savingStoresOneRowPerDayAndCloses()
    {
        ScopedPrompts prompts;
        TfrmActivityEdit window(m_state, nullptr, NewActivityOn(QDate(2011, 3, 14)));
        window.show();
        QTest::keyClicks(child(window, "txtPlannerActivity"), QStringLiteral("Paint \"the\" porch"));
        child<QTimeEdit>(window, "dtPickerPlannerStartTime")->setTime(QTime(9, 0));
        child<QDateTimeEdit>(window, "dtPickerPlannerEndDateTime")->setDate(QDate(2011, 3, 16));
        child<QTimeEdit>(window, "dtPickerPlannerEndTime")->setTime(QTime(17, 0));
        QTest::mouseClick(button(window, "tlbtnSave"), Qt::LeftButton);

        QVERIFY(!window.isVisible());
        QVERIFY(m_state.dataChanged);
        QVERIFY(prompts->shown.empty());
        QCOMPARE(storedCount(QStringLiteral("strActStartDateTime = '3/14/2011 9:00:00 AM' AND "
                                            "strActEndDateTime = '3/16/2011 5:00:00 PM' AND "
                                            "strActivity = 'Paint \"the\" porch'")),
                 3);
        QVERIFY(TfrmSaving::instance());
        QCOMPARE(TfrmSaving::instance()->windowTitle(), QStringLiteral("Saving Activity Information..."));
        QTRY_VERIFY(!TfrmSaving::instance());
    }

    // Cancel and closing with unsaved changes ask; Yes saves, No drops, Cancel stays.
    void unsavedChangesAreSettled_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("open");
        const QString cancelQuestion = QStringLiteral("Do you want to save changes to this Activity?");
        const QString closeQuestion = QStringLiteral("Save changes before closing?");
        QTest::newRow("Cancel, Yes") << "tlbtnCancel" << PromptAnswer::Yes << cancelQuestion << true << false;
        QTest::newRow("Cancel, No") << "tlbtnCancel" << PromptAnswer::No << cancelQuestion << false << false;
        QTest::newRow("Cancel, Cancel") << "tlbtnCancel" << PromptAnswer::Cancel << cancelQuestion << false << true;
        QTest::newRow("Close, Yes") << "tlbtnClose" << PromptAnswer::Yes << closeQuestion << true << false;
        QTest::newRow("Close, No") << "tlbtnClose" << PromptAnswer::No << closeQuestion << false << false;
        QTest::newRow("Close, Cancel") << "tlbtnClose" << PromptAnswer::Cancel << closeQuestion << false << true;
        QTest::newRow("Escape, Yes") << "Escape" << PromptAnswer::Yes << closeQuestion << true << false;
        QTest::newRow("Escape, Cancel") << "Escape" << PromptAnswer::Cancel << closeQuestion << false << true;
    }
    void unsavedChangesAreSettled()
    {
        QFETCH(QString, how);
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, question);
        QFETCH(bool, saved);
        QFETCH(bool, open);
        ScopedPrompts prompts;
        prompts->answers.push_back(answer);
        TfrmActivityEdit window(m_state, nullptr, existing());
        window.show();
        child<QLineEdit>(window, "txtPlannerActivity")->setText(QStringLiteral("Changed"));
        if (how == QLatin1String("Escape"))
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QTest::mouseClick(button(window, how.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")), QStringList{question});
        QCOMPARE(storedCount(QStringLiteral("strActivity = 'Changed'")), saved ? 3 : 0);
        QCOMPARE(storedCount(), 3);
        QCOMPARE(window.isVisible(), open);
        QCOMPARE(m_state.dataChanged, saved);
    }

    // Cancel first refreshes Save from the activity text, so an existing activity always
    // asks; No closes and stores nothing.
    void cancelOnAnUnchangedActivityAsksAndNoStoresNothing()
    {
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::No);
        TfrmActivityEdit window(m_state, nullptr, existing());
        window.show();
        QTest::mouseClick(button(window, "tlbtnCancel"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")),
                 QStringList{QStringLiteral("Do you want to save changes to this Activity?")});
        QVERIFY(!m_state.dataChanged);
        QCOMPARE(storedCount(), 3);
    }

    void deleting_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("Yes") << PromptAnswer::Yes << 1;
        QTest::newRow("No") << PromptAnswer::No << 4;
    }
    void deleting()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(int, left);
        // The progress window of an earlier save keeps its first caption while it is up.
        QTRY_VERIFY(!TfrmSaving::instance());
        TrecActivityEdit other;
        other.start = other.end = at(2011, 4, 1, 8);
        other.activity = QStringLiteral("Other");
        SaveActivity(other);
        ScopedPrompts prompts;
        prompts->answers.push_back(answer);
        TfrmActivityEdit window(m_state, nullptr, existing());
        window.show();
        child<QLineEdit>(window, "txtPlannerActivity")->setText(QStringLiteral("Changed"));
        QTest::mouseClick(button(window, "tlbtnDelete"), Qt::LeftButton);
        // Closed either way, without asking about the change, and the planner refreshes.
        QCOMPARE(prompts->texts(), QStringList{"Delete this Activity from your list?"});
        QVERIFY(!window.isVisible());
        QVERIFY(m_state.dataChanged);
        QCOMPARE(storedCount(), left);
        if (answer == PromptAnswer::Yes)
            QCOMPARE(TfrmSaving::instance()->windowTitle(), QStringLiteral("Deleting Activity Information..."));
        QTRY_VERIFY(!TfrmSaving::instance());
    }

    void aFailedSaveKeepsTheWindowAndTheOldRows()
    {
        OpenDatabase().exec(QStringLiteral(
            "CREATE TRIGGER tgrFull BEFORE INSERT ON tblPlanner WHEN NEW.intActDayOfYear = 74 "
            "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END;"));
        // Stored on days 72 and 73; the edit reaches day 74, where the insert fails.
        TrecActivityEdit activity;
        activity.start = at(2011, 3, 13, 9);
        activity.end = at(2011, 3, 14, 9);
        activity.activity = QStringLiteral("Before");
        activity.masterId = QString::number(SaveActivity(activity));
        ScopedPrompts prompts;
        TfrmActivityEdit window(m_state, nullptr, activity);
        window.show();
        child<QLineEdit>(window, "txtPlannerActivity")->setText(QStringLiteral("After"));
        child<QDateTimeEdit>(window, "dtPickerPlannerEndDateTime")->setDate(QDate(2011, 3, 16));
        QTest::mouseClick(button(window, "tlbtnSave"), Qt::LeftButton);
        QCOMPARE(prompts->texts(QStringLiteral("error")), QStringList{"SQLite Error 19 - database or disk is full."});
        QVERIFY(window.isVisible());
        QVERIFY(shown(window, "tlbtnSave"));
        QVERIFY(!m_state.dataChanged);
        QCOMPARE(storedCount(QStringLiteral("strActivity = 'Before'")), 2);
        QCOMPARE(storedCount(), 2);
        QTRY_VERIFY(!TfrmSaving::instance());
    }

    // Line breaks count as stored, CR LF; a longer stored note can still be shortened.
    void notesKeepTo250StoredCharacters()
    {
        TfrmActivityEdit window(m_state, nullptr, NewActivityOn(QDate(2011, 3, 14)));
        window.show();
        auto* notes = child<QPlainTextEdit>(window, "txtActivityNotes");
        notes->setPlainText(QString(240, QLatin1Char('a')) + QStringLiteral("\n\n\n\n"));
        notes->moveCursor(QTextCursor::End);
        QTest::keyClicks(notes, QStringLiteral("bcdef"));
        QCOMPARE(notes->toPlainText().size() + notes->toPlainText().count(QLatin1Char('\n')), 250);
        QVERIFY(notes->toPlainText().endsWith(QStringLiteral("\n\n\n\nbc")));
        QTest::keyClick(notes, Qt::Key_Backspace);
        QTest::keyClicks(notes, QStringLiteral("z"));
        QVERIFY(notes->toPlainText().endsWith(QStringLiteral("\n\n\n\nbz")));
    }

    // A wall-clock time inside the local spring-forward gap stays what it is.
    void aTimeInTheSpringGapSavesAsWritten()
    {
        qputenv("TZ", "America/New_York");
        tzset();
        TrecActivityEdit activity;
        activity.start = at(2024, 3, 9, 22);
        activity.end = at(2024, 3, 10, 2, 30);
        activity.activity = QStringLiteral("Night job");
        activity.masterId = QString::number(SaveActivity(activity));
        TfrmActivityEdit window(m_state, nullptr, activity);
        window.show();
        QCOMPARE(child<QTimeEdit>(window, "dtPickerPlannerEndTime")->text(), QStringLiteral("2:30:00 AM"));
        QCOMPARE(window.endDateTime(), activity.end);
        child<QCheckBox>(window, "ckbxActPriority")->setChecked(true);
        QTest::mouseClick(button(window, "tlbtnSave"), Qt::LeftButton);
        QCOMPARE(storedCount(QStringLiteral("strActEndDateTime = '3/10/2024 2:30:00 AM' AND strActPriority = '-1'")), 2);
    }
};

VELMAR_TEST_MAIN(TestActivityEdit)
#include "tst_activityedit.moc"
