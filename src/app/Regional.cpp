#include "app/Regional.h"

#include <QRegularExpression>
#include <cfenv>
#include <cmath>

namespace Regional {

QLocale Locale()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString ShortDateFormat()
{
    QString format = Locale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString LongTimeFormat()
{
    QString format = Locale().timeFormat(QLocale::LongFormat);
    // Drop the time-zone field (t, tt, ttt, tttt) with the blanks around it.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

QString FormatShortDate(const QDate& date)
{
    return Locale().toString(date, ShortDateFormat());
}

QString FormatLongTime(const QTime& time)
{
    return Locale().toString(time, LongTimeFormat());
}

QString FormatDateTime(const QDateTime& moment)
{
    return FormatShortDate(moment.date()) + QLatin1Char(' ') + FormatLongTime(moment.time());
}

QString FormatActivityDateTime(const QDateTime& moment)
{
    if (moment.time() == QTime(0, 0))
        return FormatShortDate(moment.date());
    return FormatDateTime(moment);
}

QDate ParseShortDate(const QString& text)
{
    return Locale().toDate(text.trimmed(), ShortDateFormat());
}

QDateTime ParseDateTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    // Date and time first: most stored texts have both, and a short date that holds
    // blanks itself fails this split and is read whole below.
    const int blank = trimmed.indexOf(QLatin1Char(' '));
    if (blank > 0) {
        const QDate date = ParseShortDate(trimmed.left(blank));
        if (date.isValid()) {
            const QTime time = Locale().toTime(trimmed.mid(blank + 1).trimmed(), LongTimeFormat());
            if (time.isValid())
                return WallClock(date, time);
        }
    }
    const QDate dateOnly = ParseShortDate(trimmed);
    return dateOnly.isValid() ? WallClock(dateOnly) : QDateTime();
}

QDateTime WallClock(const QDate& date, const QTime& time)
{
    // UTC has no gaps: midnight in a zone that changes at midnight, or 2:30 AM on a
    // spring-forward day, is still a valid value.
    return QDateTime(date, time, Qt::UTC);
}

QChar DecimalSeparator()
{
    const QString separator = Locale().decimalPoint();
    return separator.isEmpty() ? QLatin1Char('.') : separator.at(0);
}

} // namespace Regional
