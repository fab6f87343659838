#include "catalogs/AllowNumDecimalOnly.h"

#include "app/Regional.h"

AllowNumDecimalOnly::AllowNumDecimalOnly(QObject* parent)
    : QValidator(parent), m_separator(Regional::DecimalSeparator())
{
    setObjectName(QStringLiteral("AllowNumDecimalOnly"));
}

bool AllowNumDecimalOnly::accepts(const QString& text, QChar separator)
{
    bool separatorSeen = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            continue;
        if (c == separator && !separatorSeen) {
            separatorSeen = true;
            continue;
        }
        return false;
    }
    return true;
}

QValidator::State AllowNumDecimalOnly::validate(QString& input, int&) const
{
    return accepts(input, m_separator) ? Acceptable : Invalid;
}
