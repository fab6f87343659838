#pragma once

#include "planner/ActivityStore.h"

#include <QDialog>

struct AppState;
class QCheckBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;
class QToolButton;

// Creates, changes and deletes one planner activity. Saving replaces all its day rows
// and sets DataChanged, so the planner redraws.
class TfrmActivityEdit : public QDialog {
    Q_OBJECT
public:
    TfrmActivityEdit(AppState& state, QWidget* parent, const TrecActivityEdit& activity);

    // The start and end as the date pickers carry them.
    QDateTime startDateTime() const;
    QDateTime endDateTime() const;

    // The commands, as their buttons run them.
    void tlbtnSaveClick();
    void tlbtnCancelClick();
    void tlbtnDeleteClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    enum class Cause { Other, StartDate, EndDate };
    void pShowFormInformation();
    void fillFromRecord();
    void pEditActivity(Cause cause);
    void pCopyTimes();
    void pShowSave(bool shown);
    bool pSavePlannerActivity();
    void pDeletePlannerActivity();
    void limitNotes();
    bool saveShown() const;

    AppState& m_state;
    TrecActivityEdit m_activity;
    bool m_filling = false;
    bool m_shownOnce = false;
    QString m_acceptedNotes;

    QLineEdit* txtPlannerActivity;
    QCheckBox* ckbxActPriority;
    QDateTimeEdit* dtPickerPlannerStartDateTime;
    QTimeEdit* dtPickerPlannerStartTime;
    QDateTimeEdit* dtPickerPlannerEndDateTime;
    QTimeEdit* dtPickerPlannerEndTime;
    QPlainTextEdit* txtActivityNotes;
    QToolButton* tlbtnClose;
    QToolButton* tlbtnSave;
    QToolButton* tlbtnCancel;
    QToolButton* tlbtnDelete;
};
