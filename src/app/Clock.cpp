#include "app/Clock.h"

namespace {
QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDate Today()
{
    return Now().date();
}

QDateTime Now()
{
    const QDateTime& fixed = fixedMoment();
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void SetClockForTesting(const QDateTime& fixedNow)
{
    fixedMoment() = fixedNow;
}
