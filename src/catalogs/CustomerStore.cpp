#include "catalogs/CustomerStore.h"

#include "data/Database.h"

namespace {

const char* const kListColumns =
    "SELECT intCustomerID, strCustFirstName, strCustLastName, strCustCompany, strCustAddress, "
    "strCustCity, strCustState, strCustZipCode, strCustMainPhone FROM tblCustomers";

// The column each text search looks at, by search type.
const char* searchColumn(CustomerSearch search)
{
    switch (search) {
    case CustomerSearch::CompanyName: return "UPPER(strCustCompany)";
    case CustomerSearch::LastName: return "UPPER(strCustLastName)";
    case CustomerSearch::FirstName: return "UPPER(strCustFirstName)";
    case CustomerSearch::PhoneNumber: return "UPPER(strCustMainPhone)";
    case CustomerSearch::City: return "UPPER(strCustCity)";
    case CustomerSearch::State: return "UPPER(strCustState)";
    case CustomerSearch::ZipCode: return "UPPER(strCustZipCode)";
    case CustomerSearch::CustomerId: return "UPPER(intCustomerID)";
    default: return nullptr;
    }
}

// "Begins with": the typed text matches literally, so % and _ are no wildcards.
QString beginsWithPattern(const QString& text)
{
    QString pattern;
    pattern.reserve(text.size() + 2);
    for (const QChar c : text.toUpper()) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    pattern += QLatin1Char('%');
    return pattern;
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

std::vector<CustomerListRow> QueryCustomers(CustomerSearch search, const QString& text)
{
    QString sql = QString::fromLatin1(kListColumns);
    std::vector<QVariant> values;
    if (const char* column = searchColumn(search)) {
        sql += QStringLiteral(" WHERE %1 LIKE ? ESCAPE '\\';").arg(QLatin1String(column));
        values.emplace_back(beginsWithPattern(text));
    } else if (search == CustomerSearch::TaxExempt) {
        sql += QStringLiteral(" WHERE strCustTaxExmpt <> 0;");
    } else {
        sql += QLatin1Char(';');
    }

    Connection db = OpenDatabase();
    Statement& query = db.prepare(sql);
    query.bindAll(values);
    std::vector<CustomerListRow> rows;
    while (query.next()) {
        CustomerListRow row;
        row.CustomerID = query.columnInt(0);
        row.FullName = query.columnText(1) + QLatin1Char(' ') + query.columnText(2);
        row.Company = query.columnText(3);
        row.Address = query.columnText(4);
        row.CityStateZip = query.columnText(5) + QLatin1String(", ") + query.columnText(6)
                           + QLatin1Char(' ') + query.columnText(7);
        row.MainPhone = query.columnText(8);
        rows.push_back(std::move(row));
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
    db.vacuum();
}
