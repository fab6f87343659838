#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. Without options the program opens its windows.
struct CommandLineRequest {
    enum class Action {
        OpenWindows, // no options: the ordinary start
        ShowText,    // --help or --version: print `text` on standard output, exit 0
        WritePdf,    // --pdf NUMBER FILE
        Error,       // wrong arguments: print `text` on standard error, exit kUsageStatus
    };
    Action action = Action::OpenWindows;
    QString text;
    int documentNumber = 0;
    QString pdfPath;
};

// Exit statuses of the commands.
inline constexpr int kCommandFailedStatus = 1;
inline constexpr int kUsageStatus = 2;

// `arguments` as QCoreApplication::arguments() gives them (program name first, the
// toolkit's own options already taken out). Needs the application name set.
CommandLineRequest ParseCommandLine(const QStringList& arguments);

// True when argv holds one of the options that do their work without a window, so the
// caller can start the toolkit without a display before the application object exists.
bool RunsWithoutWindows(int argc, const char* const* argv);
