#include "documents/gui/EditorWidgets.h"

#include "app/gui/TextLimit.h"
#include "app/gui/WidgetLook.h"
#include "catalogs/gui/CommandIcons.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace EditorWidgets {

QSpinBox* ArrowsOnlySpin(QWidget* parent, const char* name, int minimum, int maximum, const char* hint)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    // Changed by its arrows (or the arrow keys) only.
    spin->findChild<QLineEdit*>()->setReadOnly(true);
    spin->setMinimumWidth(70);
    SetHint(spin, QString::fromLatin1(hint));
    return spin;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    if (hint)
        SetHint(box, QString::fromLatin1(hint));
    return box;
}

QLineEdit* LineEdit(QWidget* parent, const char* name, int maxLength, const char* hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        SetTextLimit(edit, maxLength);
    if (hint)
        SetHint(edit, QString::fromLatin1(hint));
    return edit;
}

QLineEdit* ReadOnlyBox(QWidget* parent, const char* name, bool yellow)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    if (yellow) {
        edit->setReadOnly(true);
        edit->setStyleSheet(QStringLiteral("QLineEdit { background: #ffff80; color: black; }"));
    } else {
        ShowReadOnly(edit);
    }
    return edit;
}

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* title, const QStringList& choices,
                      QButtonGroup*& group, const char* hint)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    SetHint(box, QString::fromLatin1(hint));
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    for (int i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(choices[i], box);
        radio->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    return box;
}

// A button that carries a command: the command's caption, hint and enabled state.
void BindButton(QPushButton* button, QAction* action)
{
    // Enter in a field must not press a button of the page.
    button->setAutoDefault(false);
    button->setText(action->text());
    button->setToolTip(action->toolTip());
    button->setStatusTip(action->statusTip());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setToolTip(action->toolTip());
        button->setStatusTip(action->statusTip());
        button->setEnabled(action->isEnabled());
    });
}

// A check box that carries a command: triggering the command clicks the box.
void BindCheckBox(QCheckBox* box, QAction* action)
{
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, box, [box, action] {
        const QSignalBlocker blocker(action);
        box->click();
        action->setChecked(box->isChecked());
    });
    QObject::connect(box, &QCheckBox::toggled, action, [action](bool on) {
        const QSignalBlocker blocker(action);
        action->setChecked(on);
    });
}

QAction* Command(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    SetHint(action, hint);
    parent->addAction(action);
    return action;
}

} // namespace EditorWidgets
