#include "data/Compaction.h"

#include "data/Database.h"

#include <QtGlobal>
#include <sqlite3.h>

namespace {
// auto_vacuum as the file reports it: 0 none, 1 full, 2 incremental.
constexpr qint64 kIncremental = 2;
} // namespace

void CompactAfterCommit(Connection& db) noexcept
{
    try {
        db.resetAll();
        // Frees every free page; stepping to the end is what moves them.
        Statement& vacuum = db.prepare(QStringLiteral("PRAGMA incremental_vacuum;"));
        while (vacuum.next()) {
        }
    } catch (const std::exception& failure) {
        qWarning("Compaction after a commit failed: %s", failure.what());
    } catch (...) {
        qWarning("Compaction after a commit failed");
    }
}

bool EnableIncrementalCompaction(const QString& path)
{
    try {
        Connection db = OpenDatabase(path);
        if (db.exec(QStringLiteral("PRAGMA auto_vacuum;")).columnInt(0) == kIncremental)
            return true;
        db.resetAll();
        // The new mode takes effect only through a VACUUM that rebuilds the file.
        db.exec(QStringLiteral("PRAGMA auto_vacuum = INCREMENTAL;"));
        db.vacuum();
        return db.exec(QStringLiteral("PRAGMA auto_vacuum;")).columnInt(0) == kIncremental;
    } catch (const std::exception& failure) {
        qWarning("Converting %s to incremental compaction failed: %s", qPrintable(path),
                 failure.what());
        return false;
    }
}
