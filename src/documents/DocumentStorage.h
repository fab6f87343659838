#pragma once

#include "documents/CurrentDocument.h"

#include <functional>
#include <vector>

class Connection;
class Statement;

// Document storage and numbering. Every operation opens its own connection
// to DatabasePath(); values are bound as parameters, so every text comes back exactly
// as it was saved. Database errors (DatabaseError) and unreadable stored values
// (ConversionError) are not caught.

// The number the next new document receives (tblCompanyInvData.intInvNumber).
int ReadDocumentCounter();
// Sets the counter to its current value plus 1.
void AdvanceDocumentCounter();

// The price sheet (tblPrices) for a new document, the frozen prices (tblSavedPrices) of
// document `invNumber` for a saved one. Rows with item numbers outside 1..27 are
// ignored; items without a row keep the values `prices` held before.
void LoadPriceTable(PriceTable& prices, bool isNew, int invNumber);
// As above for the current document (Header.IsNew, Header.InvNumber).
void LoadPriceTable(CurrentDocument& document);
// Replaces the 27 frozen prices of document `invNumber` (nothing when it is not above
// 0), in one transaction; freed pages are returned after the commit.
void SavePriceTable(const PriceTable& prices, int invNumber);
void SavePriceTable(const CurrentDocument& document);

// Header.IsNew set: starts a new document (the new-document values, the
// number from the counter, the company's current tax rates, the price sheet, empty
// notes, sheets, display texts, description and snapshot). Otherwise loads document
// Header.InvNumber with its sheets and frozen prices, runs ComputeTotals and takes the
// snapshot. A number without a header row fails with ConversionError.
void LoadDocument(CurrentDocument& document, const CompanySettings& settings);

// Hooks a save calls; a window passes the progress window here (core code has none).
struct SaveHooks {
    // Called with SavingCaption(...) unless BlankForm is set, before anything is written.
    std::function<void(const QString& caption)> showProgress;
};
// "Saving " + kind + " " + number + "..." ("Saving Invoice 1042...").
QString SavingCaption(const TrecInvHeader& header);

// Saves the current document: FoldIntoMonthlyTotals, then the header (insert and
// advance the counter when IsNew, else update), the work sheet rows and, when there is
// at least one sheet, the frozen prices. All of it, the monthly fold included, is one
// transaction: stored whole or not at all; freed pages are returned after the commit,
// and a failure there is not a failed save. On success IsNew is cleared (and a Credit's
// PaidInFull, by the fold); on failure the error propagates and the document in memory
// is as it was.
// The snapshot is not taken here: callers that go on editing call TakeSnapshot.
void SaveDocument(CurrentDocument& document, const SaveHooks& hooks = {});

// Removes the header and work sheet rows of Header.InvNumber (when above 0), in one
// transaction, then returns the freed pages. tblSavedPrices and tblReport are left
// alone, the document in memory is untouched, and the number is never handed out again.
void DeleteDocument(const CurrentDocument& document);
void DeleteDocument(int invNumber);

// A saved document as lists of documents show it: the stored texts, unconverted.
struct DocumentSummary {
    int InvNumber = 0;
    QString InvName;       // strInvName
    QString CustFullName;  // strCustFullName
    QString CustCmpnyName; // strCustCmpnyName
    QString InvDate;       // strInvDate
    QString InvTotal;      // strInvTotal
};

// The tblInvHeader columns a summary is read from, in the order ReadDocumentSummary
// expects them first in a row: "SELECT " + this + " FROM tblInvHeader ...".
extern const char* const kDocumentSummaryColumns;
DocumentSummary ReadDocumentSummary(const Statement& row);

// The `count` documents saved last, the latest first. Every save rewrites a document's
// work sheet rows, so the newest sheet rows tell the order of the saves; documents
// stored without a sheet (blank forms) and in-place conversions are not saves here.
// Reads a few rows from the end of tblInvData and one pass over the headers.
std::vector<DocumentSummary> RecentlySavedDocuments(int count);
