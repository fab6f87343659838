#include "app/gui/WidgetPromptService.h"

#include "app/AppPaths.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace {

QWidget* parentWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

PromptAnswer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
    }
}

QMessageBox::StandardButton toButton(PromptAnswer answer)
{
    switch (answer) {
    case PromptAnswer::Yes: return QMessageBox::Yes;
    case PromptAnswer::No: return QMessageBox::No;
    case PromptAnswer::Ok: return QMessageBox::Ok;
    default: return QMessageBox::Cancel;
    }
}

int box(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
        PromptAnswer defaultAnswer = PromptAnswer::Ok)
{
    QMessageBox message(icon, ApplicationTitle(), text, buttons, parentWindow());
    message.setDefaultButton(toButton(defaultAnswer));
    // Escape gives Cancel where there is one, otherwise No: never Yes.
    if (buttons & QMessageBox::Cancel)
        message.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & QMessageBox::No)
        message.setEscapeButton(QMessageBox::No);
    return message.exec();
}

// The first line of a caption, and the rest.
std::pair<QString, QString> titleAndNote(const QString& caption)
{
    const qsizetype lineBreak = caption.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        return {caption, QString()};
    return {caption.left(lineBreak), caption.mid(lineBreak + 1)};
}

QString runFileDialog(QFileDialog& dialog, const QString& note)
{
    if (!note.isEmpty()) {
        // The note needs the toolkit's own chooser: a desktop chooser takes no extra text.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            auto* label = new QLabel(note, &dialog);
            label->setObjectName(QStringLiteral("lblChooserNote"));
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

PromptAnswer WidgetPromptService::askYesNo(const QString& text, PromptAnswer defaultAnswer)
{
    return toAnswer(box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, defaultAnswer));
}

PromptAnswer WidgetPromptService::askYesNoCancel(const QString& text, PromptAnswer defaultAnswer)
{
    return toAnswer(box(QMessageBox::Question, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, defaultAnswer));
}

void WidgetPromptService::showInfo(const QString& text)
{
    box(QMessageBox::Information, text, QMessageBox::Ok);
}

void WidgetPromptService::showMessage(const QString& text)
{
    box(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void WidgetPromptService::showError(const QString& text)
{
    box(QMessageBox::Critical, text, QMessageBox::Ok);
}

QString WidgetPromptService::chooseOpenFile(const QString& caption, const QString& folder,
                                            const QString& filter, bool newFolder)
{
    const auto [title, note] = titleAndNote(caption);
    QFileDialog dialog(parentWindow(), title, folder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Read-only also takes away renaming and deleting files in the chooser.
    if (!newFolder)
        dialog.setOption(QFileDialog::ReadOnly);
    return runFileDialog(dialog, note);
}

QString WidgetPromptService::chooseSaveFile(const QString& caption, const QString& suggestedPath,
                                            const QString& filter)
{
    const auto [title, note] = titleAndNote(caption);
    QFileDialog dialog(parentWindow(), title, suggestedPath, filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return runFileDialog(dialog, note);
}

QString WidgetPromptService::chooseFolder(const QString& caption, const QString& folder)
{
    const auto [title, note] = titleAndNote(caption);
    QFileDialog dialog(parentWindow(), title, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return runFileDialog(dialog, note);
}

std::optional<QColor> WidgetPromptService::chooseColor(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parentWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
