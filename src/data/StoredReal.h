#pragma once

// A real as the stored data has always carried it (the number as a statement literal
// would carry it): rounded to 15 significant digits. Every real the documents write
// (header amounts and rates, frozen prices, monthly totals, sheet totals) goes through it.
double StoredReal(double value);
