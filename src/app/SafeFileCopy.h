#pragma once

#include <QString>
#include <functional>

// The result of a file copy; on failure the system's error number and text.
struct FileCopyOutcome {
    bool ok = false;
    int errorNumber = 0;
    QString errorText;
};

// Outcome of a failed system call: its errno and the system's text for it.
FileCopyOutcome FileCopyFailure(int errorNumber);

// Called after each chunk with the bytes copied so far and the source's size.
using CopyProgress = std::function<void(qint64 copied, qint64 total)>;

// Copies `source` to `target`, replacing a file of that name. The bytes go to a
// temporary file beside the target, are flushed to disk and then renamed over the
// target, so a failed or interrupted copy leaves the old target as it was. A failing
// write reports its own error (a full disk is "No space left on device").
FileCopyOutcome CopyFileReplacing(const QString& source, const QString& target,
                                  const CopyProgress& progress = {});

// Copies `source` to a new hidden file beside `besideTarget` that has not existed
// before, flushed to disk; `copyPath` receives its path. The caller renames or
// removes it.
FileCopyOutcome CopyToPartialFile(const QString& source, const QString& besideTarget,
                                  QString& copyPath, const CopyProgress& progress = {});

// Renames `from` over `to` and flushes the folder, so the new name survives a crash.
FileCopyOutcome RenameReplacing(const QString& from, const QString& to);

// Whether a file name is one of the temporary copies made above for `targetName`.
bool IsPartialCopyOf(const QString& fileName, const QString& targetName);

// Removes what interrupted copies to `targetName` left in `folder`.
void RemovePartialCopies(const QString& folder, const QString& targetName);
