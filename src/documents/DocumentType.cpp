#include "documents/DocumentType.h"

namespace DocumentType {

const QStringList& Names()
{
    static const QStringList names{
        QStringLiteral("Estimate"), QStringLiteral("Work Order"), QStringLiteral("Change Order"),
        QStringLiteral("Invoice"),  QStringLiteral("Credit"),     QStringLiteral("Past Due"),
    };
    return names;
}

QString Name(int kind)
{
    if (kind < 0 || kind >= Count)
        return QString();
    return Names().at(kind);
}

int IndexOf(const QString& invName)
{
    const QString upper = invName.toUpper();
    for (int i = 0; i < Count; ++i) {
        if (Names().at(i).toUpper() == upper)
            return i;
    }
    return -1;
}

bool Is(const QString& invName, int kind)
{
    return kind >= 0 && kind < Count && invName.toUpper() == Names().at(kind).toUpper();
}

bool IsDepositKind(const QString& invName)
{
    const int kind = IndexOf(invName);
    return kind == Estimate || kind == WorkOrder || kind == ChangeOrder;
}

bool IsPaymentKind(const QString& invName)
{
    const int kind = IndexOf(invName);
    return kind == Invoice || kind == Credit || kind == PastDue;
}

} // namespace DocumentType
