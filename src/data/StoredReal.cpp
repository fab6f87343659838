#include "data/StoredReal.h"

#include <QLocale>

#include <charconv>

double StoredReal(double value)
{
    // Pricing calls this for every sheet on every change: no allocation.
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
    double rounded = value;
    std::from_chars(digits, written.ptr, rounded);
    return rounded;
}

QString PlainDecimalText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also -0.0
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
