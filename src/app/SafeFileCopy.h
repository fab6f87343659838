#pragma once

#include <QString>

// The result of a file copy; on failure the system's error number and text.
struct FileCopyOutcome {
    bool ok = false;
    int errorNumber = 0;
    QString errorText;
};

// Copies `source` to `target`, replacing a file of that name. The bytes go to a
// temporary file beside the target, are flushed to disk and then renamed over the
// target, so a failed or interrupted copy leaves the old target as it was.
FileCopyOutcome CopyFileReplacing(const QString& source, const QString& target);
