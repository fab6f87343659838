#include "maintenance/RecurringStatus.h"

#include "data/Database.h"

QString ReadRecurringLastPrinted()
{
    Connection db = OpenDatabase();
    Statement& row = db.prepare(
        QStringLiteral("SELECT strLastPrintedDate FROM tblRecurring WHERE intRecurringID = 1;"));
    const QString date = row.next() ? row.columnText(0) : QString();
    return date.isEmpty() ? QStringLiteral(" Never") : date;
}

int CountRecurringInvoices()
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral(
        "SELECT intInvNumber FROM tblInvHeader WHERE strRecurring <> ? AND UPPER(strInvName) LIKE ?;"));
    rows.bindAll({QStringLiteral("0"), QStringLiteral("INVOICE%")});
    int count = 0;
    while (rows.next())
        ++count;
    return count;
}
