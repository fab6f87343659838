#include "planner/gui/TfrmActivityEdit.h"

#include "app/AppState.h"
#include "app/Guard.h"
#include "app/PromptService.h"
#include "app/Regional.h"
#include "app/gui/WidgetLook.h"
#include "catalogs/gui/CommandIcons.h"
#include "catalogs/gui/ProgressScope.h"
#include "data/LongText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kActivityLength = 35;
constexpr int kNotesLength = 250;

QToolButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                        CommandIcons::Kind kind)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(CommandIcons::icon(kind));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMinimumWidth(64);
    SetHint(button, hint);
    // The kind's standard key, named in the tool tip as on every other command.
    const QList<QKeySequence> keys = CommandIcons::shortcuts(kind);
    if (!keys.isEmpty()) {
        button->setShortcut(keys.first());
        button->setToolTip(hint + QStringLiteral(" (") + keys.first().toString(QKeySequence::NativeText)
                           + QLatin1Char(')'));
    }
    return button;
}

QDateTimeEdit* makeDatePicker(QWidget* parent, const char* name)
{
    auto* picker = new QDateTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    // Wall-clock values: no local zone, so a day with a daylight-saving change keeps
    // every time of day.
    picker->setTimeSpec(Qt::UTC);
    picker->setDisplayFormat(Regional::ShortDateFormat());
    picker->setCalendarPopup(true);
    return picker;
}

QTimeEdit* makeTimePicker(QWidget* parent, const char* name)
{
    auto* picker = new QTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setTimeSpec(Qt::UTC);
    picker->setDisplayFormat(Regional::LongTimeFormat());
    return picker;
}

} // namespace

TfrmActivityEdit::TfrmActivityEdit(AppState& state, QWidget* parent, const TrecActivityEdit& activity)
    : QDialog(parent), m_state(state), m_activity(activity)
{
    setObjectName(QStringLiteral("frmActivityEdit"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    tlbtnClose = makeButton(this, "tlbtnClose", QStringLiteral("Close"), QStringLiteral("Close"),
                            CommandIcons::Kind::Close);
    tlbtnSave = makeButton(this, "tlbtnSave", QStringLiteral("Save"), QStringLiteral("Save changes to this Activity"),
                           CommandIcons::Kind::Save);
    tlbtnCancel = makeButton(this, "tlbtnCancel", QStringLiteral("Cancel"),
                             QStringLiteral("Cancel changes to this activity"), CommandIcons::Kind::Cancel);
    tlbtnDelete = makeButton(this, "tlbtnDelete", QStringLiteral("Delete"), QStringLiteral("Delete this activity"),
                             CommandIcons::Kind::Delete);

    txtPlannerActivity = new QLineEdit(this);
    txtPlannerActivity->setObjectName(QStringLiteral("txtPlannerActivity"));
    txtPlannerActivity->setMaxLength(kActivityLength);
    FitToLength(txtPlannerActivity);
    ckbxActPriority = new QCheckBox(QStringLiteral("Mark Activity as a High Priority"), this);
    ckbxActPriority->setObjectName(QStringLiteral("ckbxActPriority"));
    dtPickerPlannerStartDateTime = makeDatePicker(this, "dtPickerPlannerStartDateTime");
    dtPickerPlannerStartTime = makeTimePicker(this, "dtPickerPlannerStartTime");
    dtPickerPlannerEndDateTime = makeDatePicker(this, "dtPickerPlannerEndDateTime");
    dtPickerPlannerEndTime = makeTimePicker(this, "dtPickerPlannerEndTime");
    txtActivityNotes = new QPlainTextEdit(this);
    txtActivityNotes->setObjectName(QStringLiteral("txtActivityNotes"));
    txtActivityNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtActivityNotes->setTabChangesFocus(true);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* button : {tlbtnClose, tlbtnSave, tlbtnCancel, tlbtnDelete})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* activityLabel = new QLabel(QStringLiteral("Activity"), this);
    activityLabel->setBuddy(txtPlannerActivity);
    auto* startLabel = new QLabel(QStringLiteral("Activity Start"), this);
    startLabel->setBuddy(dtPickerPlannerStartDateTime);
    auto* endLabel = new QLabel(QStringLiteral("Activity End"), this);
    endLabel->setBuddy(dtPickerPlannerEndDateTime);
    auto* notesLabel = new QLabel(QStringLiteral("Activity Notes"), this);
    notesLabel->setBuddy(txtActivityNotes);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->addWidget(activityLabel, 0, 0, 1, 4);
    fields->addWidget(txtPlannerActivity, 1, 0, 1, 4);
    fields->addWidget(ckbxActPriority, 2, 0, 1, 4);
    fields->addWidget(startLabel, 3, 0, 1, 2);
    fields->addWidget(endLabel, 3, 2, 1, 2);
    fields->addWidget(dtPickerPlannerStartDateTime, 4, 0);
    fields->addWidget(dtPickerPlannerStartTime, 4, 1);
    fields->addWidget(dtPickerPlannerEndDateTime, 4, 2);
    fields->addWidget(dtPickerPlannerEndTime, 4, 3);
    fields->addWidget(notesLabel, 5, 0, 1, 4);
    fields->addWidget(txtActivityNotes, 6, 0, 1, 4);
    fields->setRowStretch(6, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(fields);
    resize(480, 380);

    setTabOrder(txtPlannerActivity, ckbxActPriority);
    setTabOrder(ckbxActPriority, dtPickerPlannerStartDateTime);
    setTabOrder(dtPickerPlannerStartDateTime, dtPickerPlannerStartTime);
    setTabOrder(dtPickerPlannerStartTime, dtPickerPlannerEndDateTime);
    setTabOrder(dtPickerPlannerEndDateTime, dtPickerPlannerEndTime);
    setTabOrder(dtPickerPlannerEndTime, txtActivityNotes);
    setTabOrder(txtActivityNotes, tlbtnClose);
    setTabOrder(tlbtnClose, tlbtnSave);
    setTabOrder(tlbtnSave, tlbtnCancel);
    setTabOrder(tlbtnCancel, tlbtnDelete);

    pShowFormInformation();
    fillFromRecord();

    connect(txtPlannerActivity, &QLineEdit::textChanged, this, [this] { pEditActivity(Cause::Other); });
    connect(ckbxActPriority, &QCheckBox::toggled, this, [this] { pEditActivity(Cause::Other); });
    connect(dtPickerPlannerStartDateTime, &QDateTimeEdit::dateChanged, this, [this] { pEditActivity(Cause::StartDate); });
    connect(dtPickerPlannerEndDateTime, &QDateTimeEdit::dateChanged, this, [this] { pEditActivity(Cause::EndDate); });
    connect(dtPickerPlannerStartTime, &QTimeEdit::timeChanged, this, [this] { pEditActivity(Cause::Other); });
    connect(dtPickerPlannerEndTime, &QTimeEdit::timeChanged, this, [this] { pEditActivity(Cause::Other); });
    connect(txtActivityNotes, &QPlainTextEdit::textChanged, this, [this] {
        limitNotes();
        pEditActivity(Cause::Other);
    });
    connect(tlbtnClose, &QToolButton::clicked, this, [this] { close(); });
    connect(tlbtnSave, &QToolButton::clicked, this, [this] { tlbtnSaveClick(); });
    connect(tlbtnCancel, &QToolButton::clicked, this, [this] { tlbtnCancelClick(); });
    connect(tlbtnDelete, &QToolButton::clicked, this, [this] { tlbtnDeleteClick(); });
}

void TfrmActivityEdit::pShowFormInformation()
{
    setWindowTitle(QStringLiteral("Activity Edit Form"));
    SetHint(txtPlannerActivity, QStringLiteral("Enter or Edit Activity here"));
    SetHint(ckbxActPriority, QStringLiteral("Check if this Activity is a high priority"));
    SetHint(dtPickerPlannerStartDateTime, QStringLiteral("Select a start date for your activity"));
    SetHint(dtPickerPlannerStartTime, QStringLiteral("Select a start Time for this Activity"));
    SetHint(dtPickerPlannerEndDateTime, QStringLiteral("Select an end date for your activity"));
    SetHint(dtPickerPlannerEndTime, QStringLiteral("Select an end Time for this Activity"));
    SetHint(txtActivityNotes, QStringLiteral("Enter or Edit Activity Notes here"));
}

void TfrmActivityEdit::fillFromRecord()
{
    m_filling = true;
    const bool existing = !m_activity.masterId.isEmpty();
    const QTime eight(8, 0);
    const QTime startTime = existing ? m_activity.start.time() : eight;
    const QTime endTime = existing ? m_activity.end.time() : eight;
    dtPickerPlannerStartDateTime->setDateTime(Regional::WallClock(m_activity.start.date(), startTime));
    dtPickerPlannerEndDateTime->setDateTime(Regional::WallClock(m_activity.end.date(), endTime));
    dtPickerPlannerStartTime->setTime(startTime);
    dtPickerPlannerEndTime->setTime(endTime);
    tlbtnDelete->setVisible(existing);
    tlbtnCancel->setVisible(existing);
    txtPlannerActivity->setText(m_activity.activity);
    m_acceptedNotes = LongText::ToWidget(m_activity.notes);
    txtActivityNotes->setPlainText(m_acceptedNotes);
    ckbxActPriority->setChecked(m_activity.priority);
    tlbtnSave->setVisible(false);
    m_filling = false;
}

void TfrmActivityEdit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    txtPlannerActivity->setFocus();
}

QDateTime TfrmActivityEdit::startDateTime() const
{
    return dtPickerPlannerStartDateTime->dateTime();
}

QDateTime TfrmActivityEdit::endDateTime() const
{
    return dtPickerPlannerEndDateTime->dateTime();
}

bool TfrmActivityEdit::saveShown() const
{
    return !tlbtnSave->isHidden();
}

void TfrmActivityEdit::pShowSave(bool shown)
{
    tlbtnSave->setVisible(shown);
    tlbtnCancel->setVisible(shown);
}

void TfrmActivityEdit::pCopyTimes()
{
    const QSignalBlocker startBlock(dtPickerPlannerStartDateTime);
    const QSignalBlocker endBlock(dtPickerPlannerEndDateTime);
    dtPickerPlannerStartDateTime->setDateTime(
        Regional::WallClock(dtPickerPlannerStartDateTime->date(), dtPickerPlannerStartTime->time()));
    dtPickerPlannerEndDateTime->setDateTime(
        Regional::WallClock(dtPickerPlannerEndDateTime->date(), dtPickerPlannerEndTime->time()));
}

void TfrmActivityEdit::pEditActivity(Cause cause)
{
    if (m_filling)
        return;
    pCopyTimes();
    pShowSave(!txtPlannerActivity->text().isEmpty());
    if (cause == Cause::Other || startDateTime() <= endDateTime())
        return;
    if (cause == Cause::EndDate)
        ShowInfo(QStringLiteral("Date must be equal to or later than: ")
                 + Regional::FormatShortDate(startDateTime().date()));
    const QSignalBlocker endBlock(dtPickerPlannerEndDateTime);
    dtPickerPlannerEndDateTime->setDateTime(
        Regional::WallClock(dtPickerPlannerStartDateTime->date(), dtPickerPlannerEndTime->time()));
}

void TfrmActivityEdit::limitNotes()
{
    const QString text = txtActivityNotes->toPlainText();
    // A stored note longer than the limit may still be shortened.
    const bool shorter = text.size() < m_acceptedNotes.size();
    if (LongText::StoredLength(text) <= kNotesLength || shorter) {
        m_acceptedNotes = text;
        return;
    }
    const int cursor = qMax(0, txtActivityNotes->textCursor().position() - int(text.size() - m_acceptedNotes.size()));
    const QSignalBlocker block(txtActivityNotes);
    txtActivityNotes->setPlainText(m_acceptedNotes);
    QTextCursor position = txtActivityNotes->textCursor();
    position.setPosition(qMin(cursor, int(m_acceptedNotes.size())));
    txtActivityNotes->setTextCursor(position);
}

bool TfrmActivityEdit::pSavePlannerActivity()
{
    TrecActivityEdit activity = m_activity;
    activity.start = startDateTime();
    activity.end = endDateTime();
    activity.activity = txtPlannerActivity->text();
    activity.notes = LongText::ForSave(m_activity.notes, txtActivityNotes->toPlainText());
    activity.priority = ckbxActPriority->isChecked();
    const bool saved = Guarded([&] {
        const ProgressScope progress(QStringLiteral("Saving Activity Information..."));
        activity.masterId = QString::number(SaveActivity(activity));
    });
    if (!saved)
        return false;
    m_activity = activity;
    tlbtnSave->setVisible(false);
    m_state.dataChanged = true;
    return true;
}

void TfrmActivityEdit::pDeletePlannerActivity()
{
    if (AskYesNo(QStringLiteral("Delete this Activity from your list?")) == PromptAnswer::Yes
        && !m_activity.masterId.isEmpty()) {
        Guarded([this] {
            const ProgressScope progress(QStringLiteral("Deleting Activity Information..."));
            DeleteActivity(m_activity.masterId);
        });
    }
    m_state.dataChanged = true;
    tlbtnSave->setVisible(false);
}

void TfrmActivityEdit::tlbtnSaveClick()
{
    pEditActivity(Cause::Other);
    if (!saveShown())
        return;
    if (pSavePlannerActivity())
        close();
}

void TfrmActivityEdit::tlbtnCancelClick()
{
    pEditActivity(Cause::Other);
    if (saveShown()) {
        switch (AskYesNoCancel(QStringLiteral("Do you want to save changes to this Activity?"))) {
        case PromptAnswer::Yes:
            if (!pSavePlannerActivity())
                return;
            break;
        case PromptAnswer::No:
            tlbtnSave->setVisible(false);
            break;
        default:
            return;
        }
    }
    close();
}

void TfrmActivityEdit::tlbtnDeleteClick()
{
    pEditActivity(Cause::Other);
    pDeletePlannerActivity();
    close();
}

void TfrmActivityEdit::closeEvent(QCloseEvent* event)
{
    if (saveShown()) {
        switch (AskYesNoCancel(QStringLiteral("Save changes before closing?"))) {
        case PromptAnswer::Yes:
            if (!pSavePlannerActivity()) {
                event->ignore();
                return;
            }
            break;
        case PromptAnswer::No:
            break;
        default:
            event->ignore();
            return;
        }
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

void TfrmActivityEdit::reject()
{
    // Escape closes through the same question as the Close button.
    close();
}
