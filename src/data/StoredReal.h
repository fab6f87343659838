#pragma once

// A real as the stored data has always carried it (the number as a statement literal
// would carry it): rounded to 15 significant digits. Every real the documents write
// (header amounts and rates, frozen prices, monthly totals, sheet totals) goes through it.
double StoredReal(double value);

#include <QString>

// A stored real as an edit field receives it: plain decimal digits with a point, never an
// exponent ("0.00001", not "1e-05"), shortest text that reads back as the same double.
QString PlainDecimalText(double value);
