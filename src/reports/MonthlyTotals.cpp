#include "reports/MonthlyTotals.h"

#include "data/Database.h"

std::vector<MonthlyTotals> QueryMonthlyTotals(const QDate& start, const QDate& end)
{
    std::vector<MonthlyTotals> months;
    Connection db = OpenDatabase();
    Statement& s = db.prepare(QStringLiteral(
        "SELECT intReportYear,intReportMonth,dbLbrTax1Total,dbLbrTax2Total,dbLbrTax3Total,"
        "dbMatTax1Total,dbMatTax2Total,dbMatTax3Total,dbLbrTotal,dbMatTotal FROM tblReport "
        "WHERE (intReportYear >= ? AND intReportYear <= ?);"));
    s.bindAll({start.year(), end.year()});
    while (s.next()) {
        const qint64 year = s.columnInt(0);
        const qint64 month = s.columnInt(1);
        // A month number outside 1 to 12 names no month and lies in no range.
        const QDate first(int(year), int(month), 1);
        if (!first.isValid() || first < start || first > end)
            continue;
        MonthlyTotals totals;
        totals.month = first;
        for (int i = 0; i < 3; ++i) {
            totals.laborTax[size_t(i)] = s.columnReal(2 + i);
            totals.materialTax[size_t(i)] = s.columnReal(5 + i);
        }
        totals.laborTotal = s.columnReal(8);
        totals.materialTotal = s.columnReal(9);
        months.push_back(totals);
    }
    return months;
}
