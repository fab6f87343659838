#pragma once

#include "catalogs/CustomerRecord.h"

#include <optional>
#include <vector>

// The search types of the customer list, in the order the window offers them.
enum class CustomerSearch : int {
    AllCustomers = 0,
    CompanyName = 1,
    LastName = 2,
    FirstName = 3,
    PhoneNumber = 4,
    City = 5,
    State = 6,
    ZipCode = 7,
    CustomerId = 8,
    TaxExempt = 9,
};
inline constexpr int kCustomerSearchCount = 10;

// The captions of the search types, index for index.
const QStringList& CustomerSearchNames();
// Whether a search type reads the search text (types 1 to 8).
bool CustomerSearchUsesText(CustomerSearch search);

// The ids of the customers a search finds, in the order the database returns them. Text
// searches are case-insensitive "begins with" matches on one column; an empty text finds
// everyone.
std::vector<qint64> QueryCustomerIds(CustomerSearch search, const QString& text);
// What the list shows for these customers, in the order of the ids. An id without a
// customer gives a row with only the id.
std::vector<CustomerListRow> LoadCustomerListRows(const std::vector<qint64>& customerIds);

// The stored customer, or nothing when no row has that id.
std::optional<TrecCustomer> LoadCustomer(qint64 customerId);

// Inserts a customer without id (and gives it the new id) or rewrites an existing one.
void SaveCustomer(TrecCustomer& customer);

// Removes the customer and compacts the file. Saved documents keep their own copy.
void DeleteCustomer(qint64 customerId);
