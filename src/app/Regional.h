#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <optional>

// The regional formats every stored date and every shown amount goes through.
namespace Regional {

// The default locale, with the C/POSIX locale read as en_US.
QLocale Locale();

// The locale's short date format with a two-digit year widened to four ("M/d/yyyy").
QString ShortDateFormat();
// The locale's long time format without its time-zone part ("h:mm:ss AP").
QString LongTimeFormat();

QString FormatShortDate(const QDate& date);
QString FormatLongTime(const QTime& time);
// Short date, a blank, long time.
QString FormatDateTime(const QDateTime& moment);
// Planner form: the short date, then a blank and the long time unless the time is midnight.
QString FormatActivityDateTime(const QDateTime& moment);

// Invalid date when the text is not a short date.
QDate ParseShortDate(const QString& text);
// Accepts the short date alone (midnight) or followed by a blank and the long time.
// Stored date-time texts are wall-clock times without a zone: the result is that
// wall-clock time held in UTC, so a time inside a local daylight-saving gap still reads
// and days step without a zone shift. Compare it only with values made by WallClock().
QDateTime ParseDateTime(const QString& text);
// A wall-clock date and time as ParseDateTime gives it.
QDateTime WallClock(const QDate& date, const QTime& time = QTime(0, 0));

// Money: the amount in ten-thousandths, ties to the even neighbour.
qint64 ToTenThousandths(double amount);
// Money shown: four decimals (ties to even), then two decimals with a third decimal
// of 5 or more rounding the magnitude up.
qint64 ToCents(double amount);
double RoundForDisplay(double amount);
// Currency text with the locale's symbol and two decimals ("$1,234.50").
QString CurrencyText(double amount);
// Reads a currency text as CurrencyText writes it in this locale back into cents.
// Empty when the text is anything else (another locale's symbol or separators, more
// than two decimals, stray characters, beyond 64 bits of cents).
std::optional<qint64> ParseCurrencyCents(const QString& text);

QChar DecimalSeparator();

} // namespace Regional
