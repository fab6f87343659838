#pragma once

#include "app/PromptService.h"

#include <QStringList>
#include <deque>

// A prompt service for tests: records every text the user would see and answers
// from queues. Questions without a queued answer are answered Cancel (and recorded), or
// with their default button when `pressEnter` is set, as a user pressing Enter would.
class ScriptedPrompts : public PromptService {
public:
    struct Shown {
        QString kind;  // "yesno", "yesnocancel", "info", "message", "error", "open", "save", "folder", "color"
        QString text;
        // The button Enter would press in a question; Ok for everything else.
        PromptAnswer defaultAnswer = PromptAnswer::Ok;
    };

    std::deque<PromptAnswer> answers;
    std::deque<QString> files;    // answers to the open, save and folder choosers
    std::deque<std::optional<QColor>> colors;
    std::vector<Shown> shown;
    bool pressEnter = false;
    // For each open chooser shown, whether it offered to make a new folder.
    std::vector<bool> openOffersNewFolder;

    // Texts shown of one kind, in order.
    QStringList texts(const QString& kind = QString()) const;
    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }
    // The default button of the last question asked.
    PromptAnswer lastDefault() const;

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

private:
    PromptAnswer nextAnswer(PromptAnswer defaultAnswer);
    QString nextFile();
};

// Installs a fresh ScriptedPrompts for the lifetime of the object.
class ScopedPrompts {
public:
    ScopedPrompts();
    ~ScopedPrompts();
    ScriptedPrompts* operator->() { return m_prompts; }
    ScriptedPrompts& operator*() { return *m_prompts; }

private:
    ScriptedPrompts* m_prompts;
    std::unique_ptr<PromptService> m_previous;
};
