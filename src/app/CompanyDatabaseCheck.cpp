#include "app/CompanyDatabaseCheck.h"

#include "data/DatabaseSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <sqlite3.h>

namespace {

// A read-only handle that closes itself.
class ReadOnlyDatabase {
public:
    explicit ReadOnlyDatabase(const QByteArray& path, int flags = SQLITE_OPEN_READONLY)
    {
        if (sqlite3_open_v2(path.constData(), &m_handle, flags, nullptr) != SQLITE_OK) {
            sqlite3_close(m_handle);
            m_handle = nullptr;
        }
    }
    ~ReadOnlyDatabase() { sqlite3_close(m_handle); }
    ReadOnlyDatabase(const ReadOnlyDatabase&) = delete;
    ReadOnlyDatabase& operator=(const ReadOnlyDatabase&) = delete;

    bool isOpen() const { return m_handle != nullptr; }
    sqlite3* handle() const { return m_handle; }

    // Appends the first column of every row to `out`; false when the query fails.
    bool column(const char* sql, const QString& parameter, QStringList& out) const
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_handle, sql, -1, &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            return false;
        }
        if (!parameter.isNull()) {
            const QByteArray text = parameter.toUtf8();
            sqlite3_bind_text(statement, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        int result;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return result == SQLITE_DONE;
    }

private:
    sqlite3* m_handle = nullptr;
};

constexpr const char* kColumnsOfTable = "SELECT name FROM pragma_table_info(?);";

// Column names of every table as our own creation statements make them.
const QHash<QString, QStringList>& expectedColumns()
{
    static const QHash<QString, QStringList> columns = [] {
        QHash<QString, QStringList> result;
        ReadOnlyDatabase memory(QByteArrayLiteral(":memory:"),
                                SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        for (const TableDefinition& table : DatabaseTables()) {
            sqlite3_exec(memory.handle(), table.createStatement.toUtf8().constData(), nullptr,
                         nullptr, nullptr);
            QStringList names;
            memory.column(kColumnsOfTable, table.name, names);
            result.insert(table.name, names);
        }
        return result;
    }();
    return columns;
}

} // namespace

bool IsCompanyDatabase(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    ReadOnlyDatabase candidate(QFile::encodeName(path));
    if (!candidate.isOpen())
        return false;

    QStringList check;
    if (!candidate.column("PRAGMA quick_check;", QString(), check) || check != QStringList{QStringLiteral("ok")})
        return false;

    const QHash<QString, QStringList>& expected = expectedColumns();
    for (auto table = expected.cbegin(); table != expected.cend(); ++table) {
        QStringList names;
        if (table.value().isEmpty()
            || !candidate.column(kColumnsOfTable, table.key(), names) || names != table.value())
            return false;
    }
    return true;
}
