#pragma once

#include <QString>

// Why a file cannot take the place of the company database.
enum class CandidateFault {
    None,
    NotCompanyDatabase, // not an intact SQLite file holding exactly our fourteen tables
    WriteAheadLog,      // part of its data may live in a "-wal" file beside it
    HotJournal,         // an unfinished transaction waits in its "-journal" file
    DoesNotLoad,        // our tables, but the program could not start with it
};

struct CandidateCheck {
    CandidateFault fault = CandidateFault::None;
    // What was wrong, for DoesNotLoad.
    QString detail;
    bool ok() const { return fault == CandidateFault::None; }
};

// Looks at the file as it lies on disk, without opening it as a database: it must be
// a plain file in rollback-journal mode with no unfinished transaction beside it.
CandidateCheck CheckCandidateFile(const QString& path);

// The whole proof that a file can replace the database: the file checks above, an
// intact file whose schema is exactly the fourteen table statements we create and
// nothing else (no index, trigger or view), the single-row tables present, the document
// counter a whole number in range, and the company settings and preferences loading.
// Never changes the file's contents.
CandidateCheck CheckRestoreCandidate(const QString& path);

// Whether CheckRestoreCandidate passes.
bool IsCompanyDatabase(const QString& path);
