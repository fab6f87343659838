#include "app/CompanyDatabaseCheck.h"

#include "app/Preferences.h"
#include "data/CompanySettings.h"
#include "data/DatabaseError.h"
#include "data/DatabaseSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <climits>

#include <sqlite3.h>

namespace {

// A read-only handle that closes itself.
class ReadOnlyDatabase {
public:
    explicit ReadOnlyDatabase(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_handle, SQLITE_OPEN_READONLY,
                            nullptr)
            != SQLITE_OK) {
            sqlite3_close(m_handle);
            m_handle = nullptr;
        }
    }
    ~ReadOnlyDatabase() { sqlite3_close(m_handle); }
    ReadOnlyDatabase(const ReadOnlyDatabase&) = delete;
    ReadOnlyDatabase& operator=(const ReadOnlyDatabase&) = delete;

    bool isOpen() const { return m_handle != nullptr; }
    sqlite3* handle() const { return m_handle; }

private:
    sqlite3* m_handle = nullptr;
};

// A statement that finalizes itself.
class Query {
public:
    Query(sqlite3* db, const QString& sql)
    {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Query() { sqlite3_finalize(m_statement); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool prepared() const { return m_statement != nullptr; }
    // The next row; false at the end or on an error (see failed()).
    bool next()
    {
        if (!m_statement)
            return false;
        m_last = sqlite3_step(m_statement);
        return m_last == SQLITE_ROW;
    }
    bool failed() const { return !m_statement || (m_last != SQLITE_DONE && m_last != SQLITE_ROW); }
    QString text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)));
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_last = SQLITE_OK;
};

// The single-row tables and the column that holds their id 1.
struct SingleRowTable {
    const char* table;
    const char* idColumn;
};
constexpr SingleRowTable kSingleRowTables[] = {
    {"tblAppPreferences", "intAppPreferencesIdNumber"},
    {"tblCompanyInfo", "intCompInfoID"},
    {"tblCompanyInvData", "intCompInvDataID"},
    {"tblContractWarranty", "intContractWarrantyID"},
    {"tblCompColorData", "intColorID"},
    {"tblRecurring", "intRecurringID"},
    {"tblPlannerSettings", "intPlannerSettingsID"},
};

// sqlite_master keeps a CREATE statement without its closing semicolon.
const QHash<QString, QString>& expectedSchema()
{
    static const QHash<QString, QString> schema = [] {
        QHash<QString, QString> result;
        for (const TableDefinition& table : DatabaseTables()) {
            QString sql = table.createStatement.trimmed();
            if (sql.endsWith(QLatin1Char(';')))
                sql.chop(1);
            result.insert(table.name, sql);
        }
        return result;
    }();
    return schema;
}

CandidateCheck fault(CandidateFault kind, const QString& detail = QString())
{
    return {kind, detail};
}

bool schemaIsOurs(sqlite3* db)
{
    const QHash<QString, QString>& expected = expectedSchema();
    Query rows(db, QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master;"));
    int found = 0;
    while (rows.next()) {
        const QString name = rows.text(1);
        const auto table = expected.constFind(name);
        if (rows.text(0) != QLatin1String("table") || table == expected.cend()
            || rows.text(2) != name || rows.text(3) != table.value())
            return false;
        ++found;
    }
    // Names are unique in sqlite_master, so fourteen matches are the fourteen tables.
    return !rows.failed() && found == int(expected.size());
}

CandidateCheck singleRowsAndCounter(sqlite3* db)
{
    for (const SingleRowTable& single : kSingleRowTables) {
        Query count(db, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = 1;")
                            .arg(QLatin1String(single.table), QLatin1String(single.idColumn)));
        if (!count.next())
            return fault(CandidateFault::NotCompanyDatabase);
        if (count.integer(0) < 1)
            return fault(CandidateFault::DoesNotLoad,
                         QStringLiteral("the row of %1 is missing").arg(QLatin1String(single.table)));
    }
    Query counter(db, QStringLiteral("SELECT typeof(intInvNumber), intInvNumber FROM tblCompanyInvData "
                                     "WHERE intCompInvDataID = 1;"));
    if (!counter.next())
        return fault(CandidateFault::NotCompanyDatabase);
    // The counter is handed out and then advanced by one, as a whole number.
    const qint64 next = counter.integer(1);
    if (counter.text(0) != QLatin1String("integer") || next < 1 || next >= INT_MAX)
        return fault(CandidateFault::DoesNotLoad,
                     QStringLiteral("its document counter \"%1\" is not a number from 1 to %2")
                         .arg(counter.text(1))
                         .arg(INT_MAX - 1));
    return {};
}

} // namespace

CandidateCheck CheckCandidateFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return fault(CandidateFault::NotCompanyDatabase);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fault(CandidateFault::NotCompanyDatabase);
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return fault(CandidateFault::NotCompanyDatabase);
    // File format versions 2 mean write-ahead logging.
    if (header.at(18) == 2 || header.at(19) == 2)
        return fault(CandidateFault::WriteAheadLog);

    // A journal whose header is not zeroed would be played back into the file on the
    // next open, and a copy without it is a half-written database.
    QFile journal(path + QStringLiteral("-journal"));
    if (journal.open(QIODevice::ReadOnly)) {
        const QByteArray start = journal.read(8);
        if (start.count('\0') != start.size())
            return fault(CandidateFault::HotJournal);
    }
    return {};
}

CandidateCheck CheckRestoreCandidate(const QString& path)
{
    CandidateCheck check = CheckCandidateFile(path);
    if (!check.ok())
        return check;
    {
        ReadOnlyDatabase candidate(path);
        if (!candidate.isOpen())
            return fault(CandidateFault::NotCompanyDatabase);
        Query integrity(candidate.handle(), QStringLiteral("PRAGMA quick_check;"));
        if (!integrity.next() || integrity.text(0) != QLatin1String("ok") || integrity.next())
            return fault(CandidateFault::NotCompanyDatabase);
        if (!schemaIsOurs(candidate.handle()))
            return fault(CandidateFault::NotCompanyDatabase);
        check = singleRowsAndCounter(candidate.handle());
        if (!check.ok())
            return check;
    }
    // What the start-up reads must read: a NULL flag would stop every start.
    try {
        CompanySettings settings;
        LoadCompanySettings(settings, path);
        Preferences preferences;
        LoadPreferences(preferences, path);
    } catch (const VelmarError& error) {
        return fault(CandidateFault::DoesNotLoad, error.text());
    }
    return {};
}

bool IsCompanyDatabase(const QString& path)
{
    return CheckRestoreCandidate(path).ok();
}
