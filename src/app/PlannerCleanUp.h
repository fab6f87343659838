#pragma once

#include <QString>
#include <functional>

// How the clean-up shows that it is busy; either may be empty.
struct CleanUpProgress {
    std::function<void(const QString& caption)> show;
    std::function<void()> hide;
};

// Days after which an activity is removed for a stored removal code: 0 keeps every
// activity, 1 one day, 2 thirty days, 3 a year of 360 days. Unknown codes keep everything.
int RemovalAgeInDays(qint64 code);

// Removes the planner activities that ended on or before today at midnight minus the
// company's removal age, then compacts the file. Nothing is read past the settings row
// when activities are kept. An end text that cannot be read raises ConversionError and
// removes nothing.
void CleanUpPlanner(const CleanUpProgress& progress = {});
