#include "support/ScriptedPrompts.h"

QStringList ScriptedPrompts::texts(const QString& kind) const
{
    QStringList result;
    for (const Shown& item : shown)
        if (kind.isEmpty() || item.kind == kind)
            result << item.text;
    return result;
}

PromptAnswer ScriptedPrompts::nextAnswer(PromptAnswer defaultAnswer)
{
    if (answers.empty())
        return pressEnter ? defaultAnswer : PromptAnswer::Cancel;
    const PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedPrompts::nextFile()
{
    if (files.empty())
        return QString();
    const QString file = files.front();
    files.pop_front();
    return file;
}

PromptAnswer ScriptedPrompts::lastDefault() const
{
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (it->kind == QLatin1String("yesno") || it->kind == QLatin1String("yesnocancel"))
            return it->defaultAnswer;
    return PromptAnswer::Ok;
}

PromptAnswer ScriptedPrompts::askYesNo(const QString& text, PromptAnswer defaultAnswer)
{
    shown.push_back({QStringLiteral("yesno"), text, defaultAnswer});
    return nextAnswer(defaultAnswer);
}

PromptAnswer ScriptedPrompts::askYesNoCancel(const QString& text, PromptAnswer defaultAnswer)
{
    shown.push_back({QStringLiteral("yesnocancel"), text, defaultAnswer});
    return nextAnswer(defaultAnswer);
}

void ScriptedPrompts::showInfo(const QString& text)
{
    shown.push_back({QStringLiteral("info"), text});
}

void ScriptedPrompts::showMessage(const QString& text)
{
    shown.push_back({QStringLiteral("message"), text});
}

void ScriptedPrompts::showError(const QString& text)
{
    shown.push_back({QStringLiteral("error"), text});
}

QString ScriptedPrompts::chooseOpenFile(const QString& caption, const QString&, const QString&,
                                        bool newFolder)
{
    shown.push_back({QStringLiteral("open"), caption});
    openOffersNewFolder.push_back(newFolder);
    return nextFile();
}

QString ScriptedPrompts::chooseSaveFile(const QString& caption, const QString&, const QString&)
{
    shown.push_back({QStringLiteral("save"), caption});
    return nextFile();
}

QString ScriptedPrompts::chooseFolder(const QString& caption, const QString&)
{
    shown.push_back({QStringLiteral("folder"), caption});
    return nextFile();
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor& initial)
{
    shown.push_back({QStringLiteral("color"), initial.name()});
    if (colors.empty())
        return std::nullopt;
    const auto color = colors.front();
    colors.pop_front();
    return color;
}

ScopedPrompts::ScopedPrompts() : m_prompts(new ScriptedPrompts)
{
    m_previous = InstallPromptService(std::unique_ptr<PromptService>(m_prompts));
}

ScopedPrompts::~ScopedPrompts()
{
    InstallPromptService(std::move(m_previous));
}
