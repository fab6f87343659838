#pragma once

#include "documents/DocumentType.h"
#include "documents/WorkSheet.h"

#include <QString>
#include <QStringList>
#include <vector>

struct CompanySettings;

// The document model.

// The document header, in the field order.
struct TrecInvHeader {
    QString InvName;              // strInvName: the kind's display name
    int InvNumber = 0;            // intInvNumber
    QString InvDate;              // strInvDate: regional short date ("3/14/2011")
    QString FromInvNameNumber;    // strFromInvNameNumber ("Invoice 512")
    bool Recurring = false;       // strRecurring
    bool PaidInFull = false;      // strPaidInFull
    int InvFootNotes = 0;         // intInvFootNotes: 0 none, 1..3
    QString CustCmpnyName;        // strCustCmpnyName
    QString CustFullName;         // strCustFullName
    QString CustAddress;          // strCustAddress
    QString CustCtyStZp;          // strCustCtyStZp
    QString CustMainPhone;        // strCustMainPhone
    QString CustExtraPhone1;      // strCustExtraPhone1 ("Fax: 225-123-4568")
    QString CustExtraPhone2;      // strCustExtraPhone2
    QString CustPymntTerms;       // strCustPymntTerms
    QString CustPONumber;         // strCustPONumber, at most 25 characters
    QString CustTaxExemptNum;     // strCustTaxExemptNum, at most 25 characters
    int CustDiscountPercent = 0;  // intCustDiscountPercent, 0..100
    QString CustNotes;            // strCustNotes, never printed
    bool CustTaxExempt = false;   // strCustTaxExempt
    bool UseTax1 = false;         // strUseTax1
    bool UseTax2 = false;         // strUseTax2
    bool UseTax3 = false;         // strUseTax3
    double TaxRate1 = 0;          // dbTaxRate1 (fraction)
    double TaxRate2 = 0;          // dbTaxRate2
    double TaxRate3 = 0;          // dbTaxRate3
    double PaidAmount = 0;        // dbPaidAmount
    double DepositAmount = 0;     // dbDepositAmount
    double TotalAmount = 0;       // not stored as a number (ComputeTotals)
    QString InvTotal;             // strInvTotal: TotalAmount as currency text
    bool IsNew = true;            // not stored: saving inserts and advances the counter
    bool BlankForm = false;       // not stored: blank hand-write forms
    bool AddSignatureLine = false;// not stored: print the signature band
    bool PrintContract = false;   // not stored: print the contract after the document
    bool PrintWarranty = false;   // not stored: print the warranty after the document
};

// DocumentTotals: the eight amounts in the order of the snapshot and of
// tblReport, then the discount total.
struct DocumentTotals {
    double LaborTotal = 0;
    double LaborTax1 = 0;
    double LaborTax2 = 0;
    double LaborTax3 = 0;
    double MaterialTotal = 0;
    double MaterialTax1 = 0;
    double MaterialTax2 = 0;
    double MaterialTax3 = 0;
    double DiscountTotal = 0;

    double TaxTotal() const
    {
        return LaborTax1 + LaborTax2 + LaborTax3 + MaterialTax1 + MaterialTax2 + MaterialTax3;
    }
};

// The eight amounts of DocumentTotals (without the discount), in snapshot order:
// labour total, labour tax 1..3, material total, material tax 1..3.
struct MonthlyAmounts {
    double LaborTotal = 0;
    double LaborTax1 = 0;
    double LaborTax2 = 0;
    double LaborTax3 = 0;
    double MaterialTotal = 0;
    double MaterialTax1 = 0;
    double MaterialTax2 = 0;
    double MaterialTax3 = 0;

    static MonthlyAmounts From(const DocumentTotals& totals);
    MonthlyAmounts negated() const;
    bool operator==(const MonthlyAmounts&) const = default;
};

// The snapshot of the document as last loaded or saved.
struct TrecSavedData {
    QString InvName;      // kind
    bool PaidInFull = false;
    QString InvDate;
    MonthlyAmounts Amounts;
};

// The display texts of the document.
struct TrecPrintData {
    QString FootNote;      // the chosen foot note's text (set by the editor)
    QString Discount;      // currency text of the discount total
    QString DepositOrPaid; // deposit (deposit kinds) or amount paid; total when paid in full
    QString TaxTotal;      // currency text of the six taxes
    QString SubTotal;      // labour + material + discount
    QString Total;         // currency text of TotalAmount, or "Paid In Full"
    // Two further fields of the original record, never filled.
    QString Unused1;
    QString Unused2;
};

// The one document being worked on; a member of AppState. The main window's hidden
// lists of the original design are the plain containers here:
//   lstvwInvoiceData -> WorkSheets, txtInvoiceNotes -> Notes,
//   txtInvoiceData   -> Description (one printed line per entry).
struct CurrentDocument {
    TrecInvHeader Header;
    QString Notes;                     // strInvNotes; line breaks CR LF
    std::vector<WorkSheet> WorkSheets; // at most MaxWorkSheets, in list order
    PriceTable Prices;
    DocumentTotals Totals;
    TrecPrintData PrintData;
    TrecSavedData SavedData;
    QStringList Description;           // built by BuildDescription
};

// The informational line under the kind: "Estimate Valid Until 3/31/2011",
// "Change Order Valid Until ...", "Credit for Invoice 512", "Past Due Notice for ...",
// or empty. The validity date is InvDate + EstimateValidDays in the short date format;
// a date that does not read as a short date gives the empty text.
QString DocumentTitle(const TrecInvHeader& header, const CompanySettings& settings);

// The kinds offered for a document: names First..Last of the type list, the
// first one selected; Enabled tells whether the kind choice can be changed.
// A saved document whose name matches no kind is offered all six.
struct KindRange {
    int First = 0;
    int Last = DocumentType::Count - 1;
    bool Enabled = true;
    QStringList names() const;
};
KindRange OfferedKinds(const TrecInvHeader& header);

// Recurring and paid in full.
inline const char* const kPaidInFullAndRecurringMessage =
    "Invoice can not be Paid In Full and Recurring";
// The recurring choice can be on: the kind is Invoice and it is not paid in full.
bool RecurringAllowed(const TrecInvHeader& header);
// Applies both rules in the editor's order: a non-invoice is not recurring (cleared
// without a message), then a paid-in-full invoice is not recurring. Returns true when a
// recurring choice that was on was turned off because the invoice is paid in full (the
// editor then shows kPaidInFullAndRecurringMessage).
bool ApplyRecurringRules(TrecInvHeader& header);

// Takes the snapshot: kind, PaidInFull, InvDate and the eight DocumentTotals.
void TakeSnapshot(CurrentDocument& document);
