#pragma once

#include <QDate>
#include <QDateTime>

// "Today" and "now" for the whole program. Tests fix them with SetClockForTesting.
QDate Today();
QDateTime Now();

// Fixes the clock at the given moment; an invalid value returns to the system clock.
void SetClockForTesting(const QDateTime& fixedNow);
