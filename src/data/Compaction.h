#pragma once

#include <QString>

class Connection;

// Deletes leave free pages in the file. A database made with incremental auto-vacuum
// returns them to the file system in a few page moves instead of rewriting the whole
// file, so a save costs the same in a small file and in years of work.

// Returns the free pages of the connection's file. Runs after a commit: whatever it
// meets (a full disk, a busy file), what was committed stays committed, so a failure
// is logged and never raised.
void CompactAfterCommit(Connection& db) noexcept;

// A database made without incremental auto-vacuum (an older file, a restored copy) is
// converted once with a full VACUUM. Returns false when the conversion failed; the file
// is usable either way and the next start tries again.
bool EnableIncrementalCompaction(const QString& path);
