#include "maintenance/MaintenanceSearch.h"

#include "data/Database.h"
#include "documents/DocumentType.h"

#include <QVariant>

namespace Maintenance {

namespace {

const QString kAllTypes = QStringLiteral("All Invoice Types");
const QString kAllUnpaid = QStringLiteral("All unpaid Invoices");
const QString kAllInvoices = QStringLiteral("All Invoices");
const QString kAllRecurring = QStringLiteral("All recurring Invoices");
const QStringList kTextSearches{QStringLiteral("Invoice Number"), QStringLiteral("Customer Last Name"),
                                QStringLiteral("Customer Company Name")};

enum TextSearch { ByNumber = 0, ByFullName = 1, ByCompany = 2 };

// The search types before the three text searches.
QStringList FixedSearches(int type)
{
    switch (type) {
    case ViewAll:
    case Delete: {
        QStringList items{kAllTypes};
        items += DocumentType::Names();
        return items;
    }
    case ViewUnpaid:
    case MarkPaidInFull: return {kAllUnpaid};
    case EstimateToWorkOrder: return {QStringLiteral("All Estimates")};
    case EstimateOrWorkOrderToInvoice:
        return {QStringLiteral("All Estimates and Work Orders"), DocumentType::Name(DocumentType::Estimate),
                DocumentType::Name(DocumentType::WorkOrder)};
    case ChangeOrderToInvoice: return {QStringLiteral("All Change Order")};
    case InvoiceToCredit:
    case PastDueNotice: return {kAllInvoices};
    case AddToRecurring: return {QStringLiteral("All non recurring Invoices")};
    case RemoveFromRecurring:
    case ViewRecurring: return {kAllRecurring};
    default: return {};
    }
}

// `text` as the start of a LIKE pattern: its wildcards and the escape character match
// only themselves.
QString BeginsWith(const QString& text)
{
    QString pattern;
    pattern.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c == u'%' || c == u'_' || c == u'\\')
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('%');
}

// The base condition of a maintenance type, without a kind choice.
QString BaseCondition(int type)
{
    switch (type) {
    case ViewUnpaid:
    case MarkPaidInFull:
        return QStringLiteral("strPaidInFull = 0 AND strRecurring = 0 AND UPPER(strInvName) LIKE 'INVOICE%'");
    case EstimateToWorkOrder: return QStringLiteral("UPPER(strInvName) LIKE 'ESTIMATE%'");
    case EstimateOrWorkOrderToInvoice:
        return QStringLiteral("(UPPER(strInvName) LIKE 'WORK ORDER%' OR UPPER(strInvName) LIKE 'ESTIMATE%')");
    case ChangeOrderToInvoice: return QStringLiteral("UPPER(strInvName) LIKE 'CHANGE ORDER%'");
    case InvoiceToCredit: return QStringLiteral("strRecurring = 0 AND UPPER(strInvName) LIKE 'INVOICE%'");
    case PastDueNotice:
    case AddToRecurring:
        return QStringLiteral("strRecurring = 0 AND strPaidInFull = 0 AND UPPER(strInvName) LIKE 'INVOICE%'");
    case RemoveFromRecurring:
    case ViewRecurring: return QStringLiteral("strRecurring <> 0 AND UPPER(strInvName) LIKE 'INVOICE%'");
    default: return QString();
    }
}

bool ReadsAsNonZero(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value != 0;
}

} // namespace

const QStringList& TypeNames()
{
    static const QStringList names{
        QStringLiteral(R"(View\Edit\Print all saved Invoice Types)"),
        QStringLiteral(R"(View\Edit\Print Unpaid Invoices)"),
        QStringLiteral("Convert Estimate to Work Order"),
        QStringLiteral(R"(Convert Estimate\ Work Order to Invoice)"),
        QStringLiteral("Convert Change Order to Invoice"),
        QStringLiteral("Convert Invoice to Credit"),
        QStringLiteral("Create Past Due Notice for Invoice"),
        QStringLiteral("Change unpaid Invoice to Paid in full"),
        QStringLiteral("Delete saved Invoice - All Invoice Types"),
        QStringLiteral("Recurring – Add Invoice to list"),
        QStringLiteral("Recurring – Remove Invoice from list"),
        QStringLiteral(R"(Recurring – View\Edit\Print)"),
    };
    return names;
}

QStringList SearchTypeNames(int type)
{
    QStringList items = FixedSearches(type);
    items += kTextSearches;
    return items;
}

QString ListHint(int type)
{
    static const QStringList hints{
        QStringLiteral("Select Invoice to view, edit or print"),
        QStringLiteral("Select Unpaid Invoice to view, edit or print"),
        QStringLiteral("Select Estimate to Convert"),
        QStringLiteral("Select Estimate or Work Order to Convert"),
        QStringLiteral("Select Change Order to Convert"),
        QStringLiteral("Select Invoice to Convert"),
        QStringLiteral("Select Invoice to use"),
        QStringLiteral("Select Invoice to Change to Paid In Full"),
        QStringLiteral("Select Invoice to Delete"),
        QStringLiteral("Select Invoice to add to recurring list"),
        QStringLiteral("Select Invoice to remove from recurring list"),
        QStringLiteral(R"(Select Invoice to View\Edit\Print)"),
    };
    return hints.value(type);
}

bool IsTextSearch(int type, int search)
{
    return search >= FixedSearches(type).size() && search < SearchTypeNames(type).size();
}

bool OpensEditor(int type)
{
    return type == ViewAll || type == ViewUnpaid || type == ViewRecurring;
}

QString InfoText(const QString& paidInFull, const QString& recurring)
{
    if (ReadsAsNonZero(paidInFull))
        return QStringLiteral("Paid");
    if (ReadsAsNonZero(recurring))
        return QStringLiteral("Recurring");
    return QString();
}

std::vector<Row> QuerySavedInvoices(int type, int search, const QString& text)
{
    QString sql = QStringLiteral("SELECT intInvNumber,strCustCmpnyName,strCustFullName,strInvName,"
                                 "strPaidInFull,strInvTotal,strRecurring FROM tblInvHeader");
    std::vector<QVariant> values;
    QStringList conditions;
    const QString base = BaseCondition(type);
    if (!base.isEmpty())
        conditions << base;

    const int fixedCount = int(FixedSearches(type).size());
    if (search >= fixedCount) {
        switch (search - fixedCount) {
        case ByNumber:
            conditions << QStringLiteral("intInvNumber LIKE ? ESCAPE '\\'");
            values.emplace_back(BeginsWith(text));
            break;
        case ByFullName:
            conditions << QStringLiteral("UPPER(strCustFullName) LIKE ? ESCAPE '\\'");
            values.emplace_back(BeginsWith(text.toUpper()));
            break;
        case ByCompany:
            conditions << QStringLiteral("UPPER(strCustCmpnyName) LIKE ? ESCAPE '\\'");
            values.emplace_back(BeginsWith(text.toUpper()));
            break;
        default:
            break;
        }
    } else if ((type == ViewAll || type == Delete) && search > 0) {
        // A kind chosen by name.
        conditions = QStringList{QStringLiteral("UPPER(strInvName) LIKE ?")};
        values.emplace_back(DocumentType::Name(search - 1).toUpper() + QLatin1Char('%'));
    } else if (type == EstimateOrWorkOrderToInvoice && search > 0) {
        conditions = QStringList{QStringLiteral("UPPER(strInvName) LIKE ?")};
        values.emplace_back(DocumentType::Name(search == 1 ? DocumentType::Estimate : DocumentType::WorkOrder).toUpper()
                            + QLatin1Char('%'));
    }
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += QLatin1Char(';');

    Connection db = OpenDatabase();
    Statement& query = db.prepare(sql);
    query.bindAll(values);
    std::vector<Row> rows;
    while (query.next()) {
        Row row;
        row.Number = int(query.columnInt(0));
        row.Company = query.columnText(1);
        row.Customer = query.columnText(2);
        row.InvType = query.columnText(3);
        row.Total = query.columnText(5);
        row.Info = InfoText(query.columnText(4), query.columnText(6));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<DocumentSummary> UnpaidInvoices()
{
    // The unpaid list's own condition, so both always agree on what is unpaid.
    const QString sql = QStringLiteral("SELECT ") + QLatin1String(kDocumentSummaryColumns)
                        + QStringLiteral(" FROM tblInvHeader WHERE ") + BaseCondition(ViewUnpaid) + QLatin1Char(';');
    Connection db = OpenDatabase();
    Statement& query = db.prepare(sql);
    std::vector<DocumentSummary> invoices;
    while (query.next())
        invoices.push_back(ReadDocumentSummary(query));
    return invoices;
}

} // namespace Maintenance
