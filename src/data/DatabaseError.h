#pragma once

#include <QString>
#include <stdexcept>

// Errors of the data layer. The text is what the general error box shows.
class VelmarError : public std::runtime_error {
public:
    explicit VelmarError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// An error reported by the SQLite engine (or the access layer around it).
class DatabaseError : public VelmarError {
public:
    DatabaseError(int code, const QString& text) : VelmarError(text), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

// A stored value that cannot be read as the kind its column holds.
class ConversionError : public VelmarError {
public:
    using VelmarError::VelmarError;
};
