#pragma once

#include <QString>
#include <QStringList>

// Rows handed to the report engine. Each list window exposes its rows through one of
// these while it is open; the print service never reads widgets directly.
class DataFeed {
public:
    virtual ~DataFeed() = default;
    virtual int rowCount() const = 0;
    virtual QStringList columnNames() const = 0;
    // The text of a named column in a row; empty for an unknown column.
    virtual QString value(int row, const QString& column) const = 0;
};
