#include "catalogs/CustomerStore.h"

#include "data/Compaction.h"
#include "data/Database.h"

namespace {

// The list's columns come composed from the database.
const char* const kListColumns =
    "SELECT intCustomerID, IFNULL(strCustCompany, ''), "
    "IFNULL(strCustFirstName, '') || ' ' || IFNULL(strCustLastName, ''), IFNULL(strCustAddress, ''), "
    "IFNULL(strCustCity, '') || ', ' || IFNULL(strCustState, '') || ' ' || IFNULL(strCustZipCode, ''), "
    "IFNULL(strCustMainPhone, '') FROM tblCustomers";

// The column each text search looks at, by search type.
const char* searchColumn(CustomerSearch search)
{
    switch (search) {
    case CustomerSearch::CompanyName: return "strCustCompany";
    case CustomerSearch::LastName: return "strCustLastName";
    case CustomerSearch::FirstName: return "strCustFirstName";
    case CustomerSearch::PhoneNumber: return "strCustMainPhone";
    case CustomerSearch::City: return "strCustCity";
    case CustomerSearch::State: return "strCustState";
    case CustomerSearch::ZipCode: return "strCustZipCode";
    case CustomerSearch::CustomerId: return "intCustomerID";
    default: return nullptr;
    }
}

const char* const kCustomerColumns =
    "strCustFirstName,strCustLastName,strCustCompany,strCustAddress,strCustCity,strCustState,"
    "strCustZipCode,strCustMainPhone,strCustExtraPhone1,strCustExtraPhone2,strCustExtraPhone1Name,"
    "strCustExtraPhone2Name,intCustDiscount,strCustTaxExmpt,strCustTaxExmpNmbr,strCustPmtTerms,"
    "strCustNotes";

std::vector<QVariant> customerValues(const TrecCustomer& c)
{
    return {c.FirstName, c.LastName, c.Company, c.Address, c.City, c.State, c.ZipCode,
            c.MainPhone, c.ExtraPhone1, c.ExtraPhone2, c.ExtraPhone1Name, c.ExtraPhone2Name,
            c.Discount, FlagText(c.TaxExempt), c.TaxExemptNumber, c.PaymentTerms, c.Notes};
}

} // namespace

const QStringList& CustomerSearchNames()
{
    static const QStringList names{
        QStringLiteral("All Customers"), QStringLiteral("Company Name"), QStringLiteral("Last Name"),
        QStringLiteral("First Name"), QStringLiteral("Phone Number"), QStringLiteral("City"),
        QStringLiteral("State"), QStringLiteral("Zip Code"), QStringLiteral("Customer ID Number"),
        QStringLiteral("Tax Exempt"),
    };
    return names;
}

bool CustomerSearchUsesText(CustomerSearch search)
{
    return searchColumn(search) != nullptr;
}

std::vector<qint64> QueryCustomerIds(CustomerSearch search, const QString& text)
{
    QString sql = QStringLiteral("SELECT intCustomerID FROM tblCustomers");
    std::vector<QVariant> values;
    if (const char* column = searchColumn(search)) {
        // "Begins with" in any case, every typed character literal (% and _ too). The
        // comparison stops at the first differing letter instead of upper-casing and
        // copying every row's text on every keystroke.
        sql += QStringLiteral(" WHERE BEGINS_UPPER(%1, ?);").arg(QLatin1String(column));
        values.emplace_back(text.toUpper());
    } else if (search == CustomerSearch::TaxExempt) {
        sql += QStringLiteral(" WHERE strCustTaxExmpt <> 0;");
    } else {
        sql += QLatin1Char(';');
    }

    Connection db = OpenDatabase();
    Statement& query = db.prepare(sql);
    query.bindAll(values);
    std::vector<qint64> ids;
    while (query.next())
        ids.push_back(query.columnInt(0));
    return ids;
}

std::vector<CustomerListRow> LoadCustomerListRows(const std::vector<qint64>& customerIds)
{
    std::vector<CustomerListRow> rows(customerIds.size());
    if (customerIds.empty())
        return rows;
    QHash<qint64, std::size_t> positions;
    for (std::size_t i = 0; i < customerIds.size(); ++i) {
        rows[i].CustomerID = customerIds[i];
        positions.insert(customerIds[i], i);
    }

    // Read in slices, each well under the engine's limit of bound values.
    constexpr std::size_t kSlice = 500;
    Connection db = OpenDatabase();
    for (std::size_t first = 0; first < customerIds.size(); first += kSlice) {
        const std::size_t count = std::min(kSlice, customerIds.size() - first);
        QString marks(QStringLiteral("?"));
        for (std::size_t i = 1; i < count; ++i)
            marks += QStringLiteral(",?");
        Statement& query = db.prepare(QStringLiteral("%1 WHERE intCustomerID IN (%2);")
                                          .arg(QLatin1String(kListColumns), marks));
        std::vector<QVariant> values(customerIds.begin() + std::ptrdiff_t(first),
                                     customerIds.begin() + std::ptrdiff_t(first + count));
        query.bindAll(values);
        while (query.next()) {
            const auto found = positions.constFind(query.columnInt(0));
            if (found == positions.constEnd())
                continue;
            CustomerListRow& row = rows[*found];
            row.Company = query.columnText(1);
            row.FullName = query.columnText(2);
            row.Address = query.columnText(3);
            row.CityStateZip = query.columnText(4);
            row.MainPhone = query.columnText(5);
        }
    }
    return rows;
}

std::optional<TrecCustomer> LoadCustomer(qint64 customerId)
{
    Connection db = OpenDatabase();
    Statement& query = db.prepare(
        QStringLiteral("SELECT intCustomerID,%1 FROM tblCustomers WHERE intCustomerID = ?;")
            .arg(QLatin1String(kCustomerColumns)));
    query.bind(1, customerId);
    if (!query.next())
        return std::nullopt;
    TrecCustomer c;
    c.CustomerID = query.columnInt(0);
    QString* const texts[] = {&c.FirstName, &c.LastName, &c.Company, &c.Address, &c.City,
                              &c.State, &c.ZipCode, &c.MainPhone, &c.ExtraPhone1, &c.ExtraPhone2,
                              &c.ExtraPhone1Name, &c.ExtraPhone2Name};
    int column = 1;
    for (QString* text : texts)
        *text = query.columnText(column++);
    c.Discount = int(query.columnInt(13));
    c.TaxExempt = query.columnFlag(14);
    c.TaxExemptNumber = query.columnText(15);
    c.PaymentTerms = query.columnText(16);
    c.Notes = query.columnText(17);
    return c;
}

void SaveCustomer(TrecCustomer& customer)
{
    Connection db = OpenDatabase();
    std::vector<QVariant> values = customerValues(customer);
    if (customer.CustomerID > 0) {
        QString assignments = QString::fromLatin1(kCustomerColumns);
        assignments.replace(QLatin1Char(','), QLatin1String(" = ?,"));
        values.emplace_back(customer.CustomerID);
        db.exec(QStringLiteral("UPDATE tblCustomers SET %1 = ? WHERE intCustomerID = ?;")
                    .arg(assignments),
                values);
        return;
    }
    db.exec(QStringLiteral("INSERT INTO tblCustomers(%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);")
                .arg(QLatin1String(kCustomerColumns)),
            values);
    customer.CustomerID = db.lastInsertId();
}

void DeleteCustomer(qint64 customerId)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("DELETE FROM tblCustomers WHERE intCustomerID = ?"), {customerId});
    CompactAfterCommit(db);
}
