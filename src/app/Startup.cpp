#include "app/Startup.h"

#include "app/AppPaths.h"
#include "app/Clock.h"
#include "data/Compaction.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
void ensureFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return;
    // The XDG data folder itself may not exist yet on a new account.
    if (!QDir().mkpath(path))
        throw VelmarError(QStringLiteral("Cannot create folder %1").arg(path));
}
} // namespace

void NameApplication()
{
    QCoreApplication::setApplicationName(ApplicationTitle());
    QCoreApplication::setOrganizationName(QLatin1String(kCompanyName));
}

void EnsureDataFolders()
{
    ensureFolder(CompanyFolder());
    ensureFolder(DataFolder());
}

bool PrepareApplicationData(AppState& state, const StartupHooks& hooks)
{
    EnsureDataFolders();
    bool created = false;
    if (!QFileInfo::exists(DatabasePath())) {
        if (hooks.showProgress)
            hooks.showProgress(QStringLiteral("Building DataBase..."));
        CreateDatabase(DatabasePath(), Today());
        created = true;
        if (hooks.hideProgress)
            hooks.hideProgress();
    } else {
        // An older or restored file; a failed conversion only leaves saves slower.
        EnableIncrementalCompaction(DatabasePath());
    }
    state.editorOpen = false;
    state.dataChanged = false;
    LoadCompanySettings(state.companySettings);
    LoadPreferences(state.preferences);
    return created;
}
