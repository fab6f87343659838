#include "documents/CurrentDocument.h"

#include "app/Regional.h"
#include "data/CompanySettings.h"

MonthlyAmounts MonthlyAmounts::From(const DocumentTotals& t)
{
    return {t.LaborTotal,    t.LaborTax1,    t.LaborTax2,    t.LaborTax3,
            t.MaterialTotal, t.MaterialTax1, t.MaterialTax2, t.MaterialTax3};
}

MonthlyAmounts MonthlyAmounts::negated() const
{
    return {-LaborTotal,    -LaborTax1,    -LaborTax2,    -LaborTax3,
            -MaterialTotal, -MaterialTax1, -MaterialTax2, -MaterialTax3};
}

namespace {

QString ValidUntil(const TrecInvHeader& header, int days)
{
    const QDate date = Regional::ParseShortDate(header.InvDate);
    if (!date.isValid())
        return QString();
    return Regional::FormatShortDate(date.addDays(days));
}

} // namespace

QString DocumentTitle(const TrecInvHeader& header, const CompanySettings& settings)
{
    const int days = settings.InvData.EstimateValidDays;
    switch (DocumentType::IndexOf(header.InvName)) {
    case DocumentType::Estimate:
    case DocumentType::ChangeOrder: {
        if (days <= 0)
            return QString();
        const QString date = ValidUntil(header, days);
        if (date.isEmpty())
            return QString();
        return (DocumentType::Is(header.InvName, DocumentType::Estimate)
                    ? QStringLiteral("Estimate Valid Until ")
                    : QStringLiteral("Change Order Valid Until "))
            + date;
    }
    case DocumentType::Credit:
        if (header.FromInvNameNumber.isEmpty())
            return QString();
        return QStringLiteral("Credit for ") + header.FromInvNameNumber;
    case DocumentType::PastDue:
        if (header.FromInvNameNumber.isEmpty())
            return QString();
        return QStringLiteral("Past Due Notice for ") + header.FromInvNameNumber;
    default:
        return QString();
    }
}

QStringList KindRange::names() const
{
    QStringList result;
    for (int i = First; i <= Last; ++i)
        result << DocumentType::Name(i);
    return result;
}

KindRange OfferedKinds(const TrecInvHeader& header)
{
    if (header.IsNew)
        return {0, 5, true};
    switch (DocumentType::IndexOf(header.InvName)) {
    case DocumentType::Estimate:
        return {0, 3, true};
    case DocumentType::WorkOrder:
        return {1, 3, true};
    case DocumentType::ChangeOrder:
        return {2, 3, true};
    case DocumentType::Invoice:
        return {3, 3, false};
    case DocumentType::Credit:
        return {4, 4, false};
    case DocumentType::PastDue:
        return {5, 5, false};
    default:
        return {0, 5, true};
    }
}

bool RecurringAllowed(const TrecInvHeader& header)
{
    return DocumentType::Is(header.InvName, DocumentType::Invoice) && !header.PaidInFull;
}

bool ApplyRecurringRules(TrecInvHeader& header)
{
    if (!header.Recurring)
        return false;
    // A kind other than Invoice is cleared first and silently: the message speaks of
    // invoices only.
    if (!DocumentType::Is(header.InvName, DocumentType::Invoice)) {
        header.Recurring = false;
        return false;
    }
    if (header.PaidInFull) {
        header.Recurring = false;
        return true;
    }
    return false;
}

void TakeSnapshot(CurrentDocument& document)
{
    document.SavedData.InvName = document.Header.InvName;
    document.SavedData.PaidInFull = document.Header.PaidInFull;
    document.SavedData.InvDate = document.Header.InvDate;
    document.SavedData.Amounts = MonthlyAmounts::From(document.Totals);
}
