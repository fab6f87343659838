#include "data/BeginsWith.h"

#include <QList>
#include <QString>
#include <sqlite3.h>

namespace {

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// LIKE's own comparison: ASCII letters without regard to case, anything else exactly.
bool sameCharacter(char32_t a, char32_t b)
{
    if (a < 0x80 && b < 0x80)
        return asciiUpper(char(a)) == asciiUpper(char(b));
    return a == b;
}

bool beginsWithSlow(const char* text, int textBytes, const char* prefix, int prefixBytes)
{
    const QList<uint> upper = QString::fromUtf8(text, textBytes).toUpper().toUcs4();
    const QList<uint> wanted = QString::fromUtf8(prefix, prefixBytes).toUcs4();
    if (wanted.size() > upper.size())
        return false;
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        if (!sameCharacter(upper.at(i), wanted.at(i)))
            return false;
    }
    return true;
}

void beginsUpper(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const int textBytes = sqlite3_value_bytes(arguments[0]);
    const auto* prefix = reinterpret_cast<const char*>(sqlite3_value_text(arguments[1]));
    const int prefixBytes = sqlite3_value_bytes(arguments[1]);
    if (!text || !prefix) {
        sqlite3_result_null(context);
        return;
    }
    for (int i = 0; i < prefixBytes; ++i) {
        const auto p = static_cast<unsigned char>(prefix[i]);
        if (i >= textBytes) {
            sqlite3_result_int(context, 0);
            return;
        }
        const auto t = static_cast<unsigned char>(text[i]);
        if (t >= 0x80) {
            // Upper-casing may turn this character into ASCII or into several.
            sqlite3_result_int(context, beginsWithSlow(text, textBytes, prefix, prefixBytes));
            return;
        }
        if (p >= 0x80 || asciiUpper(char(t)) != asciiUpper(char(p))) {
            sqlite3_result_int(context, 0);
            return;
        }
    }
    sqlite3_result_int(context, 1);
}

} // namespace

void RegisterBeginsWith(sqlite3* db)
{
    sqlite3_create_function_v2(db, "BEGINS_UPPER", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               beginsUpper, nullptr, nullptr, nullptr);
}
