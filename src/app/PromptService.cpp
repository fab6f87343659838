#include "app/PromptService.h"

#include <stdexcept>

namespace {
std::unique_ptr<PromptService>& installed()
{
    static std::unique_ptr<PromptService> service;
    return service;
}
} // namespace

std::unique_ptr<PromptService> InstallPromptService(std::unique_ptr<PromptService> service)
{
    std::unique_ptr<PromptService> previous = std::move(installed());
    installed() = std::move(service);
    return previous;
}

PromptService& Prompts()
{
    if (!installed())
        throw std::logic_error("No prompt service installed");
    return *installed();
}

PromptAnswer AskYesNo(const QString& text, PromptAnswer defaultAnswer)
{
    return Prompts().askYesNo(text, defaultAnswer);
}

PromptAnswer AskYesNoCancel(const QString& text, PromptAnswer defaultAnswer)
{
    return Prompts().askYesNoCancel(text, defaultAnswer);
}

void ShowInfo(const QString& text)
{
    Prompts().showInfo(text);
}

void ShowMessage(const QString& text)
{
    Prompts().showMessage(text);
}

void ShowError(const QString& text)
{
    QString message = text;
    if (!message.endsWith(QLatin1Char('.')))
        message += QLatin1Char('.');
    Prompts().showError(message);
}
