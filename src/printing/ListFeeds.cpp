#include "printing/ListFeeds.h"

#include "data/Database.h"
#include "printing/ReportCatalog.h"

namespace {

QString ValueOf(const QStringList& columns, const QStringList& values, const QString& column)
{
    const int index = columns.indexOf(column);
    return index >= 0 && index < values.size() ? values[index] : QString();
}

// A phone label ends with a colon; a customer without the phone prints an empty cell
// rather than a lone colon.
QString PhoneLabel(const QString& label)
{
    return label.isEmpty() ? QString() : label + QLatin1Char(':');
}

} // namespace

TableFeed::TableFeed(QStringList columns, std::vector<QStringList> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows))
{
}

int TableFeed::rowCount() const
{
    return static_cast<int>(m_rows.size());
}

QStringList TableFeed::columnNames() const
{
    return m_columns;
}

QString TableFeed::value(int row, const QString& column) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    return ValueOf(m_columns, m_rows[row], column);
}

QString CustomerTaxLine(bool taxExempt, const QString& taxNumber)
{
    QString line;
    if (taxExempt)
        line += QStringLiteral("Tax Exempt");
    if (taxExempt && !taxNumber.isEmpty())
        line += QStringLiteral(", ");
    if (!taxNumber.isEmpty())
        line += QStringLiteral("Tax Number: ") + taxNumber;
    return line;
}

CustomerListFeed::CustomerListFeed(QList<qint64> customerIds) : m_ids(std::move(customerIds)) {}

void CustomerListFeed::setCustomerIds(QList<qint64> customerIds)
{
    m_ids = std::move(customerIds);
    m_cachedRow = -1;
}

int CustomerListFeed::rowCount() const
{
    return static_cast<int>(m_ids.size());
}

QStringList CustomerListFeed::columnNames() const
{
    return FeedColumnNames(FeedNames::CustomerList);
}

QString CustomerListFeed::value(int row, const QString& column) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    // A band asks for each column of its row in turn; the row is read once.
    if (row != m_cachedRow) {
        m_cachedValues = readRow(m_ids[row]);
        m_cachedRow = row;
    }
    return ValueOf(columnNames(), m_cachedValues, column);
}

QStringList CustomerListFeed::readRow(qint64 customerId) const
{
    Connection db = OpenDatabase();
    Statement& s = db.prepare(QStringLiteral(
        "SELECT intCustomerID, strCustFirstName, strCustLastName, strCustCompany, strCustAddress, "
        "strCustCity, strCustState, strCustZipCode, strCustMainPhone, strCustExtraPhone1, "
        "strCustExtraPhone2, strCustExtraPhone1Name, strCustExtraPhone2Name, intCustDiscount, "
        "strCustTaxExmpt, strCustTaxExmpNmbr, strCustPmtTerms, strCustNotes FROM tblCustomers "
        "WHERE intCustomerID = ?;"));
    s.bind(1, customerId);
    if (!s.next())
        return {};
    const bool taxExempt = ReadFlag(s.columnText(14));
    return {
        s.columnText(0),
        s.columnText(3),
        s.columnText(1) + QLatin1Char(' ') + s.columnText(2),
        s.columnText(4),
        s.columnText(5) + QLatin1Char(',') + s.columnText(6) + QLatin1Char(' ') + s.columnText(7),
        s.columnText(8),
        s.columnText(9),
        s.columnText(10),
        PhoneLabel(s.columnText(11)),
        PhoneLabel(s.columnText(12)),
        QStringLiteral("Discount Percent: ") + s.columnText(13),
        CustomerTaxLine(taxExempt, s.columnText(15)),
        s.columnText(16),
        s.columnText(17),
    };
}

PlannerListFeed::PlannerListFeed(std::vector<Row> rows, bool dayView)
    : m_rows(std::move(rows)), m_dayView(dayView)
{
}

void PlannerListFeed::setRows(std::vector<Row> rows, bool dayView)
{
    m_rows = std::move(rows);
    m_dayView = dayView;
    m_cachedRow = -1;
}

int PlannerListFeed::rowCount() const
{
    return static_cast<int>(m_rows.size());
}

QStringList PlannerListFeed::columnNames() const
{
    return FeedColumnNames(FeedNames::Planner);
}

QString PlannerListFeed::value(int row, const QString& column) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    if (row != m_cachedRow) {
        m_cachedValues = readRow(m_rows[row]);
        m_cachedRow = row;
    }
    return ValueOf(columnNames(), m_cachedValues, column);
}

QStringList PlannerListFeed::readRow(const Row& row) const
{
    Connection db = OpenDatabase();
    Statement& s = db.prepare(QStringLiteral(
        "SELECT strActStartDateTime,strActEndDateTime,strActivity,strActNote FROM tblPlanner WHERE intActID = ?;"));
    s.bind(1, row.activityId);
    if (!s.next())
        return {};
    const QString start = s.columnText(0);
    const QString end = s.columnText(1);
    const QString activity = s.columnText(2);
    const QString note = s.columnText(3);
    // Week/month set first, then the day set, then the note: the feed's column order.
    if (m_dayView)
        return {QString(), QString(), QString(), QString(), start, end, activity, note};
    return {row.dateText, start, end, activity, QString(), QString(), QString(), note};
}
