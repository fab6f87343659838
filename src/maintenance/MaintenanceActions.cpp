#include "maintenance/MaintenanceActions.h"

#include "data/Database.h"
#include "documents/DocumentType.h"
#include "maintenance/MaintenanceSearch.h"

namespace Maintenance {

namespace {

void UpdateHeader(const QString& assignment, const QVariant& value, int number)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("UPDATE tblInvHeader SET %1 = ? WHERE intInvNumber = ?;").arg(assignment),
            {value, number});
}

void LoadSaved(CurrentDocument& document, const CompanySettings& settings, int number)
{
    document.Header.IsNew = false;
    document.Header.InvNumber = number;
    LoadDocument(document, settings);
}

} // namespace

QString DocumentLabel(const QString& invName, int number)
{
    return invName + QLatin1Char(' ') + QString::number(number);
}

QString Confirmation(int type, const QString& label)
{
    switch (type) {
    case EstimateToWorkOrder: return QStringLiteral("Convert ") + label + QStringLiteral(" to Work Order?");
    case EstimateOrWorkOrderToInvoice:
    case ChangeOrderToInvoice: return QStringLiteral("Convert ") + label + QStringLiteral(" to Invoice?");
    case InvoiceToCredit: return QStringLiteral("Convert ") + label + QStringLiteral(" to Credit?");
    case PastDueNotice: return QStringLiteral("Create Past Due Notice for ") + label;
    case MarkPaidInFull: return QStringLiteral("Change ") + label + QStringLiteral(" to Paid In Full?");
    case Delete: return QStringLiteral("Delete ") + label + QLatin1Char('?');
    case AddToRecurring: return QStringLiteral("Add ") + label + QStringLiteral(" to recurring list?");
    case RemoveFromRecurring: return QStringLiteral("Remove ") + label + QStringLiteral(" from recurring list?");
    default: return QString();
    }
}

void PerformAction(int type, int number, CurrentDocument& document,
                   const CompanySettings& settings, const SaveHooks& hooks)
{
    switch (type) {
    case EstimateToWorkOrder:
        UpdateHeader(QStringLiteral("strInvName"), DocumentType::Name(DocumentType::WorkOrder), number);
        break;
    case EstimateOrWorkOrderToInvoice:
    case ChangeOrderToInvoice:
        UpdateHeader(QStringLiteral("strInvName"), DocumentType::Name(DocumentType::Invoice), number);
        break;
    case InvoiceToCredit:
        LoadSaved(document, settings, number);
        document.Header.FromInvNameNumber = DocumentLabel(document.Header.InvName, number);
        document.Header.InvName = DocumentType::Name(DocumentType::Credit);
        SaveDocument(document, hooks);
        break;
    case PastDueNotice:
        LoadSaved(document, settings, number);
        document.Header.FromInvNameNumber = DocumentLabel(document.Header.InvName, number);
        document.Header.InvName = DocumentType::Name(DocumentType::PastDue);
        document.Header.IsNew = true;
        document.Header.InvNumber = ReadDocumentCounter();
        SaveDocument(document, hooks);
        break;
    case MarkPaidInFull:
        LoadSaved(document, settings, number);
        document.Header.PaidInFull = true;
        SaveDocument(document, hooks);
        break;
    case Delete:
        DeleteDocument(number);
        break;
    case AddToRecurring:
        UpdateHeader(QStringLiteral("strRecurring"), FlagText(true), number);
        break;
    case RemoveFromRecurring:
        UpdateHeader(QStringLiteral("strRecurring"), FlagText(false), number);
        break;
    default:
        break;
    }
}

} // namespace Maintenance
