#pragma once

#include <QString>
#include <QStringList>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

// The controls of the document editor, made with their names, limits and hints.
namespace EditorWidgets {

QSpinBox* ArrowsOnlySpin(QWidget* parent, const char* name, int minimum, int maximum, const char* hint);
QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, const char* hint);
QLineEdit* LineEdit(QWidget* parent, const char* name, int maxLength, const char* hint);
// Read-only, right-aligned, out of the tab order; yellow for the totals that matter.
QLineEdit* ReadOnlyBox(QWidget* parent, const char* name, bool yellow);
QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy, const char* name = nullptr);
// A group of radio buttons, the first one checked.
QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* title, const QStringList& choices,
                      QButtonGroup*& group, const char* hint);
// A button that carries a command: the command's caption, hint and enabled state.
void BindButton(QPushButton* button, QAction* action);
// A check box that carries a command: triggering the command clicks the box.
void BindCheckBox(QCheckBox* box, QAction* action);
// A command that is not on the tool bar, added to the window.
QAction* Command(QWidget* parent, const char* name, const QString& caption, const QString& hint);

} // namespace EditorWidgets
