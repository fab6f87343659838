#include "app/ShellServices.h"

#include "app/AppPaths.h"
#include "app/PromptService.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void OpenHelpFile()
{
    const QString path = HelpFilePath();
    // A missing file is a failure even where the desktop would open an error page.
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowMessage(QStringLiteral("Unable to open the Help files!"));
}

void OpenWebSite()
{
    if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSiteAddress))))
        ShowMessage(QStringLiteral("Unable to open the Web Browser!"));
}
