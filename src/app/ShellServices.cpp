#include "app/ShellServices.h"

#include "app/AppPaths.h"
#include "app/PromptService.h"

#include <QFileInfo>
#include <QProcess>

namespace {

// The desktop opener reports through its exit status whether the page opened;
// QDesktopServices would only say that the opener started. It runs without blocking
// the window (without a desktop it waits for the program it opened), and a failure
// is shown when it reports one.
void openWithDesktop(const QString& target, const QString& failure)
{
    auto* opener = new QProcess;
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failure](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             ShowMessage(failure);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, failure](QProcess::ProcessError error) {
                         // A crash or a lost pipe ends in finished(); only a start that
                         // never happened ends here.
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         ShowMessage(failure);
                     });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->start(QStringLiteral("xdg-open"), {target});
}

} // namespace

void OpenHelpFile()
{
    const QString path = HelpFilePath();
    // A missing file is a failure even where the desktop would open an error page.
    if (!QFileInfo::exists(path)) {
        ShowMessage(QStringLiteral("Unable to open the Help files!"));
        return;
    }
    openWithDesktop(path, QStringLiteral("Unable to open the Help files!"));
}

void OpenWebSite()
{
    openWithDesktop(QString::fromLatin1(kWebSiteAddress),
                    QStringLiteral("Unable to open the Web Browser!"));
}
