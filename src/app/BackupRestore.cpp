#include "app/BackupRestore.h"

#include "app/AppPaths.h"
#include "app/CompanyDatabaseCheck.h"
#include "app/PromptService.h"
#include "app/SafeFileCopy.h"
#include "data/CompanySettings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kRestoreCancelled = QStringLiteral("Restore of company database cancelled");

QString copyErrorText(const FileCopyOutcome& outcome)
{
    return QStringLiteral("Error %1 : %2").arg(outcome.errorNumber).arg(outcome.errorText);
}

} // namespace

void BackupDatabase()
{
    const QString folder =
        Prompts().chooseFolder(QStringLiteral("Backup Company Database"), QDir::homePath());
    if (folder.isEmpty()) {
        ShowMessage(QStringLiteral("Backup of company database cancelled"));
        return;
    }
    const FileCopyOutcome outcome =
        CopyFileReplacing(DatabasePath(), QDir(folder).filePath(DatabaseFileName()));
    if (outcome.ok)
        ShowInfo(QStringLiteral("Backup of company database successful"));
    else
        ShowInfo(copyErrorText(outcome));
}

bool RestoreDatabase(CompanySettings& settings)
{
    const QString chosen = Prompts().chooseOpenFile(
        QStringLiteral("Restore Company Database\nDatabase File Name: ") + DatabaseFileName(),
        QDir::homePath(), QStringLiteral("Company database (%1);;All files (*)").arg(DatabaseFileName()),
        false);
    if (chosen.isEmpty()) {
        ShowMessage(kRestoreCancelled);
        return false;
    }
    // The name must match exactly, letter case included.
    if (QFileInfo(chosen).fileName() != DatabaseFileName()) {
        ShowMessage(QStringLiteral("Database File \"%1\" not found\n").arg(DatabaseFileName())
                    + kRestoreCancelled);
        return false;
    }
    // Copying anything but one of our databases over the file would lose every record.
    if (!IsCompanyDatabase(chosen)) {
        ShowMessage(QStringLiteral("\"%1\" is not a %2 company database.\n").arg(chosen, ProductName())
                    + kRestoreCancelled);
        return false;
    }
    const FileCopyOutcome outcome = CopyFileReplacing(chosen, DatabasePath());
    if (!outcome.ok) {
        ShowInfo(copyErrorText(outcome));
        return false;
    }
    CompanySettings restored;
    LoadCompanySettings(restored);
    settings = restored;
    ShowMessage(QStringLiteral("Restore of company database successful"));
    return true;
}
