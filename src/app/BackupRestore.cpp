#include "app/BackupRestore.h"

#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/CompanyDatabaseCheck.h"
#include "app/PromptService.h"
#include "app/SafeFileCopy.h"
#include "data/CompanySettings.h"
#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

const QString kRestoreCancelled = QStringLiteral("Restore of company database cancelled");

QString copyErrorText(const FileCopyOutcome& outcome)
{
    return QStringLiteral("Error %1 : %2").arg(outcome.errorNumber).arg(outcome.errorText);
}

QString refusalText(const QString& chosen, const CandidateCheck& check)
{
    switch (check.fault) {
    case CandidateFault::WriteAheadLog:
        return QStringLiteral("\"%1\" is kept in write-ahead log mode: part of its data may be in "
                              "another file, so it cannot be restored.\n")
                   .arg(chosen);
    case CandidateFault::HotJournal:
        return QStringLiteral("\"%1\" has an unfinished transaction in \"%1-journal\", so it "
                              "cannot be restored as it is.\n")
                   .arg(chosen);
    case CandidateFault::DoesNotLoad:
        return QStringLiteral("\"%1\" is a damaged %2 company database: %3.\n")
                   .arg(chosen, ProductName(), check.detail);
    case CandidateFault::NotCompanyDatabase:
    case CandidateFault::None:
        break;
    }
    return QStringLiteral("\"%1\" is not a %2 company database.\n").arg(chosen, ProductName());
}

// Lets a journal an interrupted write left beside the database be rolled back by the
// engine now, while it still belongs to this file, not to the one that replaces it.
void settleDatabase(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    try {
        Connection db = OpenDatabase(path);
        db.exec(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
    } catch (const VelmarError&) {
        // A database that cannot be read is what a restore is for.
    }
}

} // namespace

QString DatabaseFileBehindPath()
{
    const QString path = DatabasePath();
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

QString KeptDatabasePath()
{
    const QString base = QDir(DataFolder()).filePath(
        DatabaseFileName() + QStringLiteral(".before-restore-")
        + Now().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString path = base;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = base + QStringLiteral("-%1").arg(n);
    return path;
}

void RemoveRestoreLeftovers()
{
    RemovePartialCopies(DataFolder(), DatabaseFileName());
    // The copy of the replaced database, when the restore was cut off while making it.
    const QDir data(DataFolder());
    const QString keptPrefix = QLatin1Char('.') + DatabaseFileName() + QStringLiteral(".before-restore-");
    for (const QString& name : data.entryList({keptPrefix + QStringLiteral("*.partial")},
                                              QDir::Files | QDir::Hidden | QDir::System))
        if (IsPartialCopyOf(name, name.mid(1, name.size() - int(sizeof(".12345678.partial") - 1) - 1)))
            QFile::remove(data.filePath(name));
    const QFileInfo live(DatabaseFileBehindPath());
    if (live.absolutePath() != QFileInfo(DatabasePath()).absolutePath())
        RemovePartialCopies(live.absolutePath(), live.fileName());
}

void BackupDatabase()
{
    const QString folder =
        Prompts().chooseFolder(QStringLiteral("Backup Company Database"), QDir::homePath());
    if (folder.isEmpty()) {
        ShowMessage(QStringLiteral("Backup of company database cancelled"));
        return;
    }
    // A journal left by an interrupted write would not come along with the copy.
    settleDatabase(DatabasePath());
    const FileCopyOutcome outcome =
        CopyFileReplacing(DatabasePath(), QDir(folder).filePath(DatabaseFileName()));
    if (outcome.ok)
        ShowInfo(QStringLiteral("Backup of company database successful"));
    else
        ShowInfo(copyErrorText(outcome));
}

bool RestoreDatabase(CompanySettings& settings, const CopyHooks& hooks)
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
    // A journal or log beside the chosen file would not come along with the copy.
    CandidateCheck check = CheckCandidateFile(chosen);
    if (!check.ok()) {
        ShowMessage(refusalText(chosen, check) + kRestoreCancelled);
        return false;
    }

    // The progress window goes before any message, so it never covers one.
    bool progressShown = false;
    const auto hideProgress = [&] {
        if (progressShown && hooks.hideProgress)
            hooks.hideProgress();
        progressShown = false;
    };
    const auto hideOnTheWayOut = qScopeGuard(hideProgress);
    if (hooks.showProgress) {
        hooks.showProgress(QStringLiteral("Restoring Company Data ..."));
        progressShown = true;
    }

    // The candidate is checked as copied beside the database, so what was proven is
    // what goes into place, and the rename that puts it there is atomic.
    const QString live = DatabaseFileBehindPath();
    QString staged;
    FileCopyOutcome outcome = CopyToPartialFile(chosen, live, staged, [&](qint64, qint64) {
        if (hooks.keepResponsive)
            hooks.keepResponsive();
    });
    if (!outcome.ok) {
        hideProgress();
        ShowInfo(copyErrorText(outcome));
        return false;
    }
    auto removeStaged = qScopeGuard([&] { QFile::remove(staged); });

    check = CheckRestoreCandidate(staged);
    if (!check.ok()) {
        hideProgress();
        ShowMessage(refusalText(chosen, check) + kRestoreCancelled);
        return false;
    }

    settleDatabase(live);
    QString kept;
    if (QFileInfo::exists(live)) {
        kept = KeptDatabasePath();
        outcome = CopyFileReplacing(live, kept);
        if (!outcome.ok) {
            hideProgress();
            ShowInfo(copyErrorText(outcome));
            return false;
        }
    }
    outcome = RenameReplacing(staged, live);
    if (!outcome.ok) {
        hideProgress();
        ShowInfo(copyErrorText(outcome));
        return false;
    }
    removeStaged.dismiss();
    // Nothing of the replaced file may be played back into the restored one.
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(live + QLatin1String(suffix));

    CompanySettings restored;
    LoadCompanySettings(restored);
    settings = restored;
    hideProgress();
    QString text = QStringLiteral("Restore of company database successful");
    if (!kept.isEmpty())
        text += QStringLiteral("\nThe database it replaced is kept as \"%1\".").arg(kept);
    ShowMessage(text);
    return true;
}
