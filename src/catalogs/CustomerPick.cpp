#include "catalogs/CustomerPick.h"

#include "documents/CurrentDocument.h"

QString ComposeFullName(const QString& firstName, const QString& lastName)
{
    if (firstName.isEmpty() && lastName.isEmpty())
        return {};
    return firstName + QLatin1Char(' ') + lastName;
}

QString ComposeExtraPhone(const QString& label, const QString& number)
{
    if (number.isEmpty())
        return {};
    return label + QLatin1String(": ") + number;
}

void CopyCustomerIntoHeader(const TrecCustomer& c, TrecInvHeader& header)
{
    header.CustCmpnyName = c.Company;
    header.CustFullName = ComposeFullName(c.FirstName, c.LastName);
    header.CustAddress = c.Address;
    header.CustCtyStZp = c.City + QLatin1Char(' ') + c.State + QLatin1Char(' ') + c.ZipCode;
    header.CustMainPhone = c.MainPhone;
    header.CustExtraPhone1 = ComposeExtraPhone(c.ExtraPhone1Name, c.ExtraPhone1);
    header.CustExtraPhone2 = ComposeExtraPhone(c.ExtraPhone2Name, c.ExtraPhone2);
    header.CustPymntTerms = c.PaymentTerms;
    header.CustDiscountPercent = c.Discount;
    header.CustNotes = c.Notes;
    header.CustTaxExempt = c.TaxExempt;
    header.CustTaxExemptNum = c.TaxExemptNumber;
}
