#pragma once

#include <QDate>

struct CompanySettings;

// Large data sets several benchmarks share. Each writes into the database at
// DatabasePath() in one transaction, so a set-up takes seconds, not minutes.
namespace BenchFixtures {

inline constexpr int kSavedDocuments = 10000;
inline constexpr int kSheetsPerDocument = 6;
inline constexpr int kRecurringInvoices = 10;

// 10,000 saved documents of six sheets and every kind, a quarter of the non-recurring
// ones paid in full and ten of them recurring invoices, dated over 2010 and 2011,
// written as SaveDocument writes them. The document counter ends past them.
void SaveDocuments(const CompanySettings& settings);

// `rows` one-day activities spread evenly from `first` to `last`, each its own master,
// one in seven of high priority. Earlier rows are removed first.
void SaveActivities(int rows, const QDate& first, const QDate& last);

} // namespace BenchFixtures
