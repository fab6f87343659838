#pragma once

#include <QString>
#include <QStringList>

// The six document kinds. A document stores its kind as the display name
// itself (TrecInvHeader::InvName, tblInvHeader.strInvName); every kind test compares
// names without regard to case, and a name that matches none of the six (the empty
// name of a new document) fails every test.
namespace DocumentType {

enum Kind : int {
    Estimate = 0,
    WorkOrder = 1,
    ChangeOrder = 2,
    Invoice = 3,
    Credit = 4,
    PastDue = 5,
};

inline constexpr int Count = 6;

// "Estimate", "Work Order", "Change Order", "Invoice", "Credit", "Past Due".
// An index outside 0..5 gives the empty text.
QString Name(int kind);
// The six names in their fixed order.
const QStringList& Names();

// The index 0..5 of a name (case-insensitive), or -1 when it names no kind.
int IndexOf(const QString& invName);
// invName names kind `kind`, without regard to case.
bool Is(const QString& invName, int kind);
// Estimate, Work Order, Change Order: they ask for a deposit.
bool IsDepositKind(const QString& invName);
// Invoice, Credit, Past Due: they record an amount paid.
bool IsPaymentKind(const QString& invName);

} // namespace DocumentType
