#pragma once

#include "documents/CurrentDocument.h"

class Connection;

// Totals, taxes and the monthly accumulation.

// The text the total shows on a paid-in-full document.
inline const char* const kPaidInFullText = "Paid In Full";

// The document's effective tax rates: the frozen rate N when the document is not tax
// exempt and tax N is in use, otherwise 0.
struct EffectiveRates {
    double Rate1 = 0;
    double Rate2 = 0;
    double Rate3 = 0;
};
EffectiveRates ComputeEffectiveRates(const TrecInvHeader& header);

// Recomputes everything from the document and the company's tax basis (TaxOn):
// each sheet's SquareFeet and SheetTotal, document.Totals, the five currency texts of
// document.PrintData, Header.TotalAmount and Header.InvTotal.
void ComputeTotals(CurrentDocument& document, const CompanySettings& settings);

// Adds the eight amounts (any sign) to the tblReport row of the month of `date`
// (regional short date), creating the row when the month has none; the sums are stored
// as StoredReal writes them. Runs on the given
// connection (inside the caller's transaction, if any). A date that does not read as
// a short date raises ConversionError "'<date>' is not a valid date".
void AddToMonthlyReport(Connection& db, const QString& date, const MonthlyAmounts& amounts);
// The same on its own connection.
void AddToMonthlyReport(const QString& date, const MonthlyAmounts& amounts);

// Brings tblReport up to date for the save that is about to happen, comparing the
// document with its snapshot: an Invoice takes back the snapshot's amounts when the
// snapshot was paid in full and adds the current ones when PaidInFull is set; a Credit
// adds back a previous credit (snapshot kind Credit), subtracts the current amounts and
// clears PaidInFull; other kinds change nothing, and neither does a blank form of any
// kind. SaveDocument calls it first, inside its transaction; the overload on its own
// connection is for callers outside a save.
void FoldIntoMonthlyTotals(Connection& db, CurrentDocument& document);
void FoldIntoMonthlyTotals(CurrentDocument& document);
