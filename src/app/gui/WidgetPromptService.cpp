#include "app/gui/WidgetPromptService.h"

#include "app/AppPaths.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
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

int box(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox message(icon, ApplicationTitle(), text, buttons, parentWindow());
    return message.exec();
}

} // namespace

PromptAnswer WidgetPromptService::askYesNo(const QString& text)
{
    return toAnswer(box(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No));
}

PromptAnswer WidgetPromptService::askYesNoCancel(const QString& text)
{
    return toAnswer(box(QMessageBox::Question, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
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
    // Read-only also takes away renaming and deleting files in the chooser.
    const QFileDialog::Options options = newFolder ? QFileDialog::Options() : QFileDialog::ReadOnly;
    return QFileDialog::getOpenFileName(parentWindow(), caption, folder, filter, nullptr, options);
}

QString WidgetPromptService::chooseSaveFile(const QString& caption, const QString& suggestedPath,
                                            const QString& filter)
{
    return QFileDialog::getSaveFileName(parentWindow(), caption, suggestedPath, filter);
}

QString WidgetPromptService::chooseFolder(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parentWindow(), caption, folder);
}

std::optional<QColor> WidgetPromptService::chooseColor(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parentWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
