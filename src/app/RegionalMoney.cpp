#include "app/Regional.h"

#include <charconv>
#include <cfenv>
#include <cmath>
#include <limits>

// Money amounts as the totals round them and as the user reads them. An amount can be
// far beyond what a 64-bit count of cents holds (a price field takes ten characters),
// so the text is built from the exact decimal digits of the rounded amount.
namespace Regional {

namespace {

// Ties to even, whatever rounding mode the caller left behind.
double nearestEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

// The exact decimal digits of a non-negative double rounded to `decimals` places
// (ties to even), without the decimal point.
QByteArray decimalDigits(double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, decimals);
    QByteArray digits(buffer, int(result.ptr - buffer));
    digits.replace('.', QByteArray());
    return digits;
}

// Adds one to a string of decimal digits.
void incrementDigits(QByteArray& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.prepend('1');
}

// The magnitude rounded to cents, as decimal digits (at least three: "005" is 5 cents).
QByteArray centDigits(double amount)
{
    const double magnitude = std::fabs(amount);
    // Below 2^53 ten-thousandths the scaled amount is held to the unit, and rounding it
    // is the rule the totals have always used (0.00495 scales to the tie 49.5). Above,
    // the product would be off by more than a ten-thousandth: round the exact value.
    constexpr double exactScaledLimit = 9007199254740992.0; // 2^53
    const double scaled = magnitude * 10000.0;
    QByteArray digits = scaled < exactScaledLimit ? decimalDigits(nearestEven(scaled), 0)
                                                  : decimalDigits(magnitude, 4);
    while (digits.size() < 5)
        digits.prepend('0');
    // Two decimals from four: a third decimal of 5 or more rounds the magnitude up.
    const bool up = digits.at(digits.size() - 2) >= '5';
    digits.chop(2);
    if (up)
        incrementDigits(digits);
    return digits;
}

// The whole part in the locale's digits and grouping.
QString wholeText(const QLocale& locale, const QByteArray& digits)
{
    bool fits = false;
    const qulonglong value = digits.toULongLong(&fits);
    if (fits)
        return locale.toString(value);
    // Beyond 64 bits: groups of three, as every locale groups that far out.
    const QString plain = QString::fromLatin1(digits);
    QString text;
    const qsizetype lead = plain.size() % 3 == 0 ? 3 : plain.size() % 3;
    text += plain.left(lead);
    for (qsizetype i = lead; i < plain.size(); i += 3)
        text += locale.groupSeparator() + plain.mid(i, 3);
    return text;
}

} // namespace

qint64 ToTenThousandths(double amount)
{
    if (std::isnan(amount))
        return 0;
    const double scaled = nearestEven(amount * 10000.0);
    // Saturate instead of casting out of range (undefined behaviour).
    constexpr double limit = 9223372036854774784.0; // largest double below 2^63
    if (scaled >= limit)
        return std::numeric_limits<qint64>::max();
    if (scaled <= -limit)
        return -std::numeric_limits<qint64>::max();
    return static_cast<qint64>(scaled);
}

qint64 ToCents(double amount)
{
    const qint64 fixed = ToTenThousandths(amount);
    const qint64 magnitude = fixed < 0 ? -fixed : fixed;
    qint64 cents = magnitude / 100;
    if (magnitude % 100 >= 50)
        ++cents;
    return fixed < 0 ? -cents : cents;
}

double RoundForDisplay(double amount)
{
    return double(ToCents(amount)) / 100.0;
}

QString CurrencyText(double amount)
{
    const QLocale locale = Locale();
    if (!std::isfinite(amount))
        return locale.toCurrencyString(amount, locale.currencySymbol(), 2);
    QByteArray digits = centDigits(amount);
    const QByteArray cents = digits.right(2);
    digits.chop(2);
    const bool negative = amount < 0 && (digits.count('0') != digits.size() || cents != "00");
    // The locale's own currency pattern (symbol place, negative form), shown for one unit.
    const QString pattern = locale.toCurrencyString(negative ? -1.0 : 1.0, locale.currencySymbol(), 2);
    const QString one = locale.toString(1.0, 'f', 2);
    const QString number = wholeText(locale, digits) + locale.decimalPoint()
        + locale.toString(cents.toInt()).rightJustified(2, locale.zeroDigit().at(0));
    const qsizetype at = pattern.indexOf(one);
    if (at < 0)
        return locale.toCurrencyString(RoundForDisplay(amount), locale.currencySymbol(), 2);
    return QString(pattern).replace(at, one.size(), number);
}

std::optional<qint64> ParseCurrencyCents(const QString& text)
{
    const QLocale locale = Locale();
    QString rest;
    rest.reserve(text.size());
    const QString symbol = locale.currencySymbol();
    QString plain = text;
    if (!symbol.isEmpty())
        plain.remove(symbol);
    for (const QChar c : std::as_const(plain)) {
        if (!c.isSpace())
            rest += c;
    }

    bool negative = false;
    if (rest.startsWith(QLatin1Char('(')) && rest.endsWith(QLatin1Char(')'))) {
        negative = true;
        rest = rest.mid(1, rest.size() - 2);
    } else if (rest.startsWith(locale.negativeSign()) || rest.startsWith(QLatin1Char('-'))) {
        negative = true;
        rest = rest.mid(rest.startsWith(locale.negativeSign()) ? locale.negativeSign().size() : 1);
    } else if (rest.endsWith(QLatin1Char('-'))) {
        negative = true;
        rest.chop(1);
    }

    QString whole = rest;
    QString fraction;
    const QString point = locale.decimalPoint();
    const qsizetype at = rest.indexOf(point);
    if (at >= 0) {
        whole = rest.left(at);
        fraction = rest.mid(at + point.size());
        if (fraction.isEmpty() || fraction.size() > 2)
            return std::nullopt;
    }
    // Group separators only where the locale puts them: every three digits from the point.
    const QString group = locale.groupSeparator();
    QStringList groups = group.isEmpty() ? QStringList{whole} : whole.split(group);
    if (groups.size() > 1) {
        if (groups.first().isEmpty() || groups.first().size() > 3)
            return std::nullopt;
        for (qsizetype i = 1; i < groups.size(); ++i) {
            if (groups.at(i).size() != 3)
                return std::nullopt;
        }
    }
    const QString digits = groups.join(QString()) + fraction.leftJustified(2, locale.zeroDigit().at(0));
    if (groups.join(QString()).isEmpty())
        return std::nullopt;

    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    qint64 cents = 0;
    for (const QChar c : digits) {
        const int value = c.digitValue();
        if (value < 0)
            return std::nullopt;
        if (cents > (limit - value) / 10)
            return std::nullopt;
        cents = cents * 10 + value;
    }
    return negative ? -cents : cents;
}

} // namespace Regional
