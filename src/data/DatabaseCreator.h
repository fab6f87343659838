#pragma once

#include <QDate>
#include <QString>
#include <functional>

// Builds and seeds a new database at `path`. The file is built in one transaction in a
// temporary file beside the target and renamed into place only when complete, so a
// failed creation never leaves a file that looks like a database. A file already at
// `path` is left as it is.
// `afterStatement` is called with the number of each statement run (tests use it to
// interrupt the creation).
void CreateDatabase(const QString& path, const QDate& today,
                    const std::function<void(int)>& afterStatement = {});
