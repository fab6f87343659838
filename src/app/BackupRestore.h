#pragma once

#include <QString>
#include <functional>

struct CompanySettings;

// What a long copy shows meanwhile: the progress window, and a call now and then that
// lets it paint (the copy runs in the one user-interface thread).
struct CopyHooks {
    std::function<void(const QString& caption)> showProgress;
    std::function<void()> hideProgress;
    std::function<void()> keepResponsive;
};

// The Backup Company Data command: copies the database file into a folder the user
// picks, replacing a backup of the same name.
void BackupDatabase();

// The Restore Company Data command: copies a backup the user picks over the database
// file and reloads `settings` from it. Returns true when the database was replaced.
// The candidate is copied beside the database and proven to load before anything is
// replaced; the database it replaces is kept beside it (KeptDatabasePath) and the
// message says where.
bool RestoreDatabase(CompanySettings& settings, const CopyHooks& hooks = {});

// Where a restore now would keep the database it replaces: beside the database, named
// after it and the moment, "velmar7.db.before-restore-20261210-143005", never over an
// earlier one.
QString KeptDatabasePath();

// The file the database lives in: DatabasePath(), or where it leads when it is a
// symbolic link, so a restore writes through the link instead of replacing it.
QString DatabaseFileBehindPath();

// Removes the partial copies an interrupted restore left beside the database. Runs at
// start-up once this program holds the data folder's lock.
void RemoveRestoreLeftovers();
