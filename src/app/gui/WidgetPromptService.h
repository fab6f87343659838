#pragma once

#include "app/PromptService.h"

// The prompt service of the running program: Qt message boxes and choosers. A chooser
// caption of several lines becomes a title (its first line) and a note in the chooser,
// since window titles cannot break lines.
class WidgetPromptService : public PromptService {
public:
    PromptAnswer askYesNo(const QString& text, PromptAnswer defaultAnswer) override;
    PromptAnswer askYesNoCancel(const QString& text, PromptAnswer defaultAnswer) override;
    void showInfo(const QString& text) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    QString chooseOpenFile(const QString& caption, const QString& folder,
                           const QString& filter, bool newFolder) override;
    QString chooseSaveFile(const QString& caption, const QString& suggestedPath,
                           const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
};
