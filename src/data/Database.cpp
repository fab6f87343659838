#include "data/Database.h"

#include "app/AppPaths.h"
#include "data/BeginsWith.h"

#include <QThread>
#include <sqlite3.h>
#include <string>

namespace {

constexpr int kBusyAttempts = 8;
constexpr int kBusyWaitMs = 10;

bool isBusy(int rc)
{
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// SQLite's own UPPER changes only ASCII letters, so a search typed as "é" would never
// find "élodie". Searches upper-case both sides, so one Unicode-aware UPPER serves them.
void unicodeUpper(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const int length = sqlite3_value_bytes(arguments[0]);
    // Most text is plain ASCII; upper-case it in place without going through QString.
    std::string ascii(utf8 ? utf8 : "", size_t(length));
    bool plain = true;
    for (char& c : ascii) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            plain = false;
            break;
        }
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    if (plain) {
        sqlite3_result_text(context, ascii.data(), length, SQLITE_TRANSIENT);
        return;
    }
    const QByteArray upper = QString::fromUtf8(utf8, length).toUpper().toUtf8();
    sqlite3_result_text(context, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
}

} // namespace

QString FlagText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

bool ReadFlag(const QString& text)
{
    bool isNumber = false;
    const qlonglong number = text.toLongLong(&isNumber);
    if (isNumber)
        return number != 0;
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    throw ConversionError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
}

// ---------------------------------------------------------------- Statement

Statement::Statement(Connection& connection, sqlite3_stmt* handle)
    : m_connection(connection), m_handle(handle)
{
}

Statement::~Statement()
{
    if (m_handle)
        sqlite3_finalize(m_handle);
}

Statement& Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull() || !value.isValid()) {
        rc = sqlite3_bind_null(m_handle, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::Short:
            rc = sqlite3_bind_int64(m_handle, index, value.toLongLong());
            break;
        case QMetaType::Bool:
            // Flags in TEXT columns are "-1"/"0"; callers that need the integer
            // form pass an int.
            rc = sqlite3_bind_text16(m_handle, index, FlagText(value.toBool()).utf16(), -1,
                                     SQLITE_TRANSIENT);
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_handle, index, value.toDouble());
            break;
        default: {
            const QString text = value.toString();
            rc = sqlite3_bind_text16(m_handle, index, text.utf16(),
                                     int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw m_connection.error(rc);
    return *this;
}

Statement& Statement::bindAll(std::initializer_list<QVariant> values)
{
    int index = 1;
    for (const QVariant& v : values)
        bind(index++, v);
    return *this;
}

Statement& Statement::bindAll(const std::vector<QVariant>& values)
{
    int index = 1;
    for (const QVariant& v : values)
        bind(index++, v);
    return *this;
}

int Statement::step()
{
    int rc = SQLITE_OK;
    for (int attempt = 1;; ++attempt) {
        rc = sqlite3_step(m_handle);
        if (!isBusy(rc) || attempt >= kBusyAttempts)
            break;
        sqlite3_reset(m_handle);
        QThread::msleep(kBusyWaitMs);
    }
    if (rc == SQLITE_ROW || rc == SQLITE_DONE || rc == SQLITE_OK)
        return rc;
    throw m_connection.error(rc);
}

bool Statement::next()
{
    return step() == SQLITE_ROW;
}

void Statement::reset()
{
    sqlite3_reset(m_handle);
    sqlite3_clear_bindings(m_handle);
}

qint64 Statement::columnInt(int column) const
{
    return sqlite3_column_int64(m_handle, column);
}

double Statement::columnReal(int column) const
{
    return sqlite3_column_double(m_handle, column);
}

QString Statement::columnText(int column) const
{
    const void* data = sqlite3_column_text16(m_handle, column);
    if (!data)
        return QString();
    const int bytes = sqlite3_column_bytes16(m_handle, column);
    return QString(reinterpret_cast<const QChar*>(data), bytes / int(sizeof(QChar)));
}

bool Statement::columnFlag(int column) const
{
    return ReadFlag(columnText(column));
}

bool Statement::columnIsNull(int column) const
{
    return sqlite3_column_type(m_handle, column) == SQLITE_NULL;
}

// ---------------------------------------------------------------- Connection

Connection::Connection(QString path) : m_path(std::move(path)) {}

Connection::~Connection()
{
    close();
}

void Connection::connect(bool create)
{
    int flags = SQLITE_OPEN_READWRITE;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(m_path.toUtf8().constData(), &m_handle, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_create_function_v2(m_handle, "UPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   unicodeUpper, nullptr, nullptr, nullptr);
        RegisterBeginsWith(m_handle);
        return;
    }
    DatabaseError failure = (rc & 0xff) == SQLITE_CANTOPEN
        ? DatabaseError(rc, create ? QStringLiteral("Cannot create file %1").arg(m_path)
                                   : QStringLiteral("Cannot open file %1").arg(m_path))
        : error(rc);
    sqlite3_close(m_handle);
    m_handle = nullptr;
    throw failure;
}

DatabaseError Connection::error(int code) const
{
    if (!m_handle)
        return DatabaseError(code, QStringLiteral("SQLite Error %1").arg(code));
    return DatabaseError(code, QStringLiteral("SQLite Error %1 - %2")
                                   .arg(code)
                                   .arg(QString::fromUtf8(sqlite3_errmsg(m_handle))));
}

Statement& Connection::prepare(const QString& sql)
{
    if (!m_handle)
        connect(false);
    sqlite3_stmt* handle = nullptr;
    int rc = SQLITE_OK;
    for (int attempt = 1;; ++attempt) {
        rc = sqlite3_prepare16_v2(m_handle, sql.utf16(), int(sql.size() * sizeof(char16_t)),
                                  &handle, nullptr);
        if (!isBusy(rc) || attempt >= kBusyAttempts)
            break;
        QThread::msleep(kBusyWaitMs);
    }
    if (rc != SQLITE_OK)
        throw error(rc);
    if (!handle)
        throw DatabaseError(SQLITE_MISUSE, QStringLiteral("Empty SQL Statement"));
    m_statements.push_back(std::unique_ptr<Statement>(new Statement(*this, handle)));
    return *m_statements.back();
}

Statement& Connection::exec(const QString& sql, std::initializer_list<QVariant> values)
{
    Statement& statement = prepare(sql);
    statement.bindAll(values);
    statement.step();
    return statement;
}

Statement& Connection::exec(const QString& sql, const std::vector<QVariant>& values)
{
    Statement& statement = prepare(sql);
    statement.bindAll(values);
    statement.step();
    return statement;
}

void Connection::vacuum()
{
    // VACUUM refuses to run while a statement of this connection still holds a row.
    resetAll();
    exec(QStringLiteral("VACUUM;"));
}

void Connection::resetAll()
{
    for (const auto& statement : m_statements)
        sqlite3_reset(statement->m_handle);
}

qint64 Connection::lastInsertId() const
{
    return m_handle ? sqlite3_last_insert_rowid(m_handle) : 0;
}

void Connection::close()
{
    m_statements.clear();
    if (m_handle) {
        sqlite3_close(m_handle);
        m_handle = nullptr;
    }
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    // IMMEDIATE takes the write lock now, so a busy file fails here and not half-way.
    m_connection.exec(QStringLiteral("BEGIN IMMEDIATE;"));
    m_open = true;
}

Transaction::~Transaction()
{
    if (m_open && m_connection.handle())
        sqlite3_exec(m_connection.handle(), "ROLLBACK;", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    m_connection.resetAll();
    m_connection.exec(QStringLiteral("COMMIT;"));
    m_open = false;
}

Connection OpenDatabase()
{
    return Connection(DatabasePath());
}

Connection OpenDatabase(const QString& path)
{
    return Connection(path);
}
