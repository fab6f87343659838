#pragma once

#include "documents/DocumentStorage.h"

#include <QString>
#include <QStringList>
#include <vector>

// The searches of the document maintenance window: what is to be done (the maintenance
// type), which documents are listed (the search type) and the rows found.
namespace Maintenance {

enum Type : int {
    ViewAll = 0,
    ViewUnpaid = 1,
    EstimateToWorkOrder = 2,
    EstimateOrWorkOrderToInvoice = 3,
    ChangeOrderToInvoice = 4,
    InvoiceToCredit = 5,
    PastDueNotice = 6,
    MarkPaidInFull = 7,
    Delete = 8,
    AddToRecurring = 9,
    RemoveFromRecurring = 10,
    ViewRecurring = 11,
};
inline constexpr int TypeCount = 12;

// The twelve maintenance types, in list order.
const QStringList& TypeNames();
// The search types a maintenance type offers, the three text searches last.
QStringList SearchTypeNames(int type);
// The list's hint for a maintenance type.
QString ListHint(int type);
// Whether search type `search` of maintenance type `type` is one of the three text
// searches ("Invoice Number", "Customer Last Name", "Customer Company Name").
bool IsTextSearch(int type, int search);
// Maintenance types whose click opens the document editor instead of asking.
bool OpensEditor(int type);

// One found document, its cells as the list shows them.
struct Row {
    int Number = 0;
    QString InvType;   // strInvName
    QString Customer;  // strCustFullName
    QString Company;   // strCustCmpnyName
    QString Total;     // strInvTotal
    QString Info;      // "Paid", "Recurring" or empty
};

// "Paid" when the paid-in-full text reads as a non-zero whole number, otherwise
// "Recurring" when the recurring text does, otherwise empty.
QString InfoText(const QString& paidInFull, const QString& recurring);

// Runs the search of a maintenance type, a search type and the search text, on its own
// connection; rows come in the order the database returns them. The text is matched as
// typed from the start of the field: quotes, '%' and '_' are plain characters.
std::vector<Row> QuerySavedInvoices(int type, int search, const QString& text);

// The invoices the "View\Edit\Print Unpaid Invoices" list holds (neither paid in full nor
// recurring), with their dates, in the order the database returns them.
std::vector<DocumentSummary> UnpaidInvoices();

} // namespace Maintenance
