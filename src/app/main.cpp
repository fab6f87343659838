#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/BackupRestore.h"
#include "app/InstanceLock.h"
#include "app/CommandLine.h"
#include "app/PromptService.h"
#include "app/Startup.h"
#include "app/gui/PdfCommand.h"
#include "app/gui/TfrmMain.h"
#include "app/gui/TfrmSaving.h"
#include "app/gui/ThemeIcons.h"
#include "app/gui/WidgetPromptService.h"
#include "data/DatabaseError.h"
#include "printing/gui/TmodPrintData.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include <cstdio>

namespace {

// A scripted command's standard error carries its own messages, not the toolkit's notes
// about the display-less platform it runs on; errors still get through.
void KeepOnlyToolkitErrors(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    // The commands run from scripts and cron jobs, where there may be no display at all.
    if (RunsWithoutWindows(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepOnlyToolkitErrors);
    }
    QApplication app(argc, argv);
    NameApplication();
    QApplication::setApplicationVersion(VersionText());
    const CommandLineRequest request = ParseCommandLine(QApplication::arguments());
    switch (request.action) {
    case CommandLineRequest::Action::ShowText:
        QTextStream(stdout) << request.text;
        return 0;
    case CommandLineRequest::Action::Error:
        QTextStream(stderr) << "velmar: " << request.text << Qt::endl;
        return kUsageStatus;
    case CommandLineRequest::Action::WritePdf: {
        QTextStream errors(stderr);
        return RunPdfCommand(request.documentNumber, request.pdfPath, errors);
    }
    case CommandLineRequest::Action::OpenWindows:
        break;
    }
    // Our own window icon, and the same command icons whatever the desktop.
    InstallIconTheme();
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    InstallPromptService(std::make_unique<WidgetPromptService>());

    // Held until the program ends; a second start leaves before the database is touched.
    InstanceLock instance;
    if (!ClaimSingleInstance(instance))
        return 0;
    RemoveRestoreLeftovers();

    AppState state;
    try {
        PrepareApplicationData(state, {ShowProgress, HideProgress});
    } catch (const VelmarError& error) {
        ShowError(error.text());
        return 1;
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
        return 1;
    }

    TfrmMain mainWindow(state);
    // The print service comes after the main window, which parents its preview windows;
    // every window that prints finds it in the shared state.
    TmodPrintData printData(state, &mainWindow);
    state.printData = &printData;
    mainWindow.show();
    return QApplication::exec();
}
