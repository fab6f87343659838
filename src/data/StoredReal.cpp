#include "data/StoredReal.h"

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
