#pragma once

#include <QColor>
#include <QString>
#include <memory>
#include <optional>

// Every message box and chooser of the program goes through this interface, so tests
// can install a scripted one that records what the user would see and answers it.
enum class PromptAnswer { Yes, No, Cancel, Ok };

class PromptService {
public:
    virtual ~PromptService() = default;

    // `defaultAnswer` is the button Enter presses.
    virtual PromptAnswer askYesNo(const QString& text, PromptAnswer defaultAnswer) = 0;
    virtual PromptAnswer askYesNoCancel(const QString& text, PromptAnswer defaultAnswer) = 0;
    // Information icon, OK.
    virtual void showInfo(const QString& text) = 0;
    // Plain box without icon, OK.
    virtual void showMessage(const QString& text) = 0;
    // The general error box: application title, error icon, OK.
    virtual void showError(const QString& text) = 0;

    // Empty text when the user cancels. Without `newFolder` the chooser offers no way to
    // make a folder.
    virtual QString chooseOpenFile(const QString& caption, const QString& folder,
                                   const QString& filter, bool newFolder = true) = 0;
    virtual QString chooseSaveFile(const QString& caption, const QString& suggestedPath,
                                   const QString& filter) = 0;
    virtual QString chooseFolder(const QString& caption, const QString& folder) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
};

// The installed service. The program installs the real one at start-up; tests install
// their own. Returns the previous one.
std::unique_ptr<PromptService> InstallPromptService(std::unique_ptr<PromptService> service);
PromptService& Prompts();

// Enter gives the answer that changes nothing unless the caller names another: a
// question that deletes or drops data must never do so by a reflex press of Enter.
PromptAnswer AskYesNo(const QString& text, PromptAnswer defaultAnswer = PromptAnswer::No);
PromptAnswer AskYesNoCancel(const QString& text, PromptAnswer defaultAnswer = PromptAnswer::Cancel);
void ShowInfo(const QString& text);
void ShowMessage(const QString& text);
// The general error box; a full stop is appended when the text lacks one.
void ShowError(const QString& text);
