#pragma once

#include "data/DatabaseError.h"

#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Text form of a yes/no value as stored in TEXT flag columns.
QString FlagText(bool value);
// Reads a stored yes/no text: "0" is no, any other whole number is yes,
// "True"/"False" in any case are accepted; anything else raises ConversionError.
bool ReadFlag(const QString& text);

class Connection;

// One prepared statement; owned by its connection and finalized when the connection closes.
class Statement {
public:
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Parameters are numbered from 1, as SQLite numbers them.
    Statement& bind(int index, const QVariant& value);
    Statement& bindAll(std::initializer_list<QVariant> values);
    Statement& bindAll(const std::vector<QVariant>& values);

    // One step, retried while the file is busy or locked. Returns SQLITE_ROW,
    // SQLITE_DONE or SQLITE_OK; anything else raises DatabaseError.
    int step();
    // Steps and tells whether a row is available.
    bool next();
    // Rewinds the statement so it can be stepped again with new bindings.
    void reset();

    qint64 columnInt(int column) const;
    double columnReal(int column) const;
    QString columnText(int column) const;
    bool columnFlag(int column) const;
    bool columnIsNull(int column) const;

private:
    friend class Connection;
    Statement(Connection& connection, sqlite3_stmt* handle);
    Connection& m_connection;
    sqlite3_stmt* m_handle;
};

// A connection that lives for one operation. It connects when the first statement
// is prepared and finalizes its statements and closes when destroyed.
class Connection {
public:
    explicit Connection(QString path);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    const QString& path() const { return m_path; }

    // Compiles the first statement of the text; the statement lives until close().
    Statement& prepare(const QString& sql);
    // Prepares, binds and steps a statement once; for statements that return no rows
    // or one row read right away.
    Statement& exec(const QString& sql, std::initializer_list<QVariant> values = {});
    Statement& exec(const QString& sql, const std::vector<QVariant>& values);
    // Compacts the whole file.
    void vacuum();
    qint64 lastInsertId() const;
    // Ends every unfinished result set so the connection holds no read lock.
    void resetAll();

    // Finalizes every statement, in order of creation, and closes the handle.
    void close();

    sqlite3* handle() const { return m_handle; }
    DatabaseError error(int code) const;

private:
    friend class DatabaseCreator;
    void connect(bool create);

    QString m_path;
    sqlite3* m_handle = nullptr;
    std::vector<std::unique_ptr<Statement>> m_statements;
};

// Several statements that must be stored together or not at all.
// Rolls back when destroyed without commit().
class Transaction {
public:
    explicit Transaction(Connection& connection);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void commit();

private:
    Connection& m_connection;
    bool m_open = false;
};

// A connection to the database at the current DatabasePath().
Connection OpenDatabase();
Connection OpenDatabase(const QString& path);
