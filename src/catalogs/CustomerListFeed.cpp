#include "catalogs/CustomerListFeed.h"

#include "catalogs/CustomerListModel.h"
#include "catalogs/CustomerStore.h"
#include "data/DatabaseError.h"

int CustomerListFeed::rowCount() const
{
    return m_list.rowCount();
}

QStringList CustomerListFeed::columnNames() const
{
    return {QStringLiteral("rvstrCustomerID"),        QStringLiteral("rvstrCustCompany"),
            QStringLiteral("rvstrCustFirstLastName"), QStringLiteral("rvstrCustAddress"),
            QStringLiteral("rvstrCustCityStateZip"),  QStringLiteral("rvstrCustMainPhone"),
            QStringLiteral("rvstrCustExtraPhone1"),   QStringLiteral("rvstrCustExtraPhone2"),
            QStringLiteral("rvstrCustExtraPhone1Nm"), QStringLiteral("rvstrCustExtraPhone2Nm"),
            QStringLiteral("rvstrCustDiscount"),      QStringLiteral("rvstrCustTaxExmpNmbr"),
            QStringLiteral("rvstrCustPmtTerms"),      QStringLiteral("rvstrCustNotes")};
}

QStringList CustomerListFeed::rowValues(const TrecCustomer& c)
{
    QString taxText;
    if (c.TaxExempt)
        taxText = QStringLiteral("Tax Exempt");
    if (c.TaxExempt && !c.TaxExemptNumber.isEmpty())
        taxText += QStringLiteral(", ");
    if (!c.TaxExemptNumber.isEmpty())
        taxText += QStringLiteral("Tax Number: ") + c.TaxExemptNumber;
    return {QString::number(c.CustomerID),
            c.Company,
            c.FirstName + QLatin1Char(' ') + c.LastName,
            c.Address,
            c.City + QLatin1Char(',') + c.State + QLatin1Char(' ') + c.ZipCode,
            c.MainPhone,
            c.ExtraPhone1,
            c.ExtraPhone2,
            c.ExtraPhone1Name + QLatin1Char(':'),
            c.ExtraPhone2Name + QLatin1Char(':'),
            QStringLiteral("Discount Percent: ") + QString::number(c.Discount),
            taxText,
            c.PaymentTerms,
            c.Notes};
}

const TrecCustomer& CustomerListFeed::customerAt(int row) const
{
    const qint64 id = m_list.row(row).CustomerID;
    if (!m_cached || m_cached->CustomerID != id) {
        m_cached = LoadCustomer(id);
        if (!m_cached)
            throw VelmarError(QStringLiteral("Customer %1 is no longer in the customer list").arg(id));
    }
    return *m_cached;
}

QString CustomerListFeed::value(int row, const QString& column) const
{
    const int index = columnNames().indexOf(column);
    if (index < 0 || row < 0 || row >= rowCount())
        return {};
    return rowValues(customerAt(row)).at(index);
}
