#pragma once

#include <QString>

struct CompanySettings;

// Writes what the company information window edits into its four single-row tables
// (company, document data, document colours, planner settings), all or nothing.
// The document counter in tblCompanyInvData is left alone.
void SaveCompanySettings(const CompanySettings& settings);

// A tax rate as the tax amount field shows it: d.dddd.
QString TaxAmountText(double rate);
// Completes a tax amount field's text after an edit: a blank first character becomes
// "0", a blank second one ".", blank third to sixth ones "0"; the result is always six
// characters such as 0.0500.
QString CompleteTaxAmount(const QString& text, QChar blank = QLatin1Char(' '));
// The rate a tax amount field holds.
double TaxRateFromText(const QString& text);

inline constexpr int kMaxPaymentTerms = 10;
// "Payment Terms are full", or "You may add N more Payment Terms".
QString PaymentTermsCountText(int termCount);
