#pragma once

#include <QString>

// One row of tblCustomers.
struct TrecCustomer {
    // 0 for a customer not saved yet; the database gives the id on insert.
    qint64 CustomerID = 0;
    QString FirstName;
    QString LastName;
    QString Company;
    QString Address;
    QString City;
    QString State;
    QString ZipCode;
    QString MainPhone;
    QString ExtraPhone1;
    QString ExtraPhone2;
    QString ExtraPhone1Name;
    QString ExtraPhone2Name;
    int Discount = 0;
    bool TaxExempt = false;
    QString TaxExemptNumber;
    QString PaymentTerms;
    QString Notes;
};

// What one row of the customer list shows.
struct CustomerListRow {
    qint64 CustomerID = 0;
    QString Company;
    QString FullName;      // first name, a blank, last name
    QString Address;
    QString CityStateZip;  // city, ", ", state, a blank, zip
    QString MainPhone;
};
