#pragma once

#include "data/Database.h"

#include <QDate>
#include <array>
#include <vector>

// Months of totals written straight into the table the report reads.
namespace ReportTestData {

struct Month {
    int year;
    int month;
    std::array<double, 3> laborTax;
    std::array<double, 3> materialTax;
    double labor;
    double material;
};

inline void Insert(const std::vector<Month>& months)
{
    Connection db = OpenDatabase();
    for (const Month& m : months) {
        db.exec(QStringLiteral("INSERT INTO tblReport(intReportYear,intReportMonth,dbLbrTax1Total,dbLbrTax2Total,"
                               "dbLbrTax3Total,dbMatTax1Total,dbMatTax2Total,dbMatTax3Total,dbLbrTotal,dbMatTotal)"
                               "VALUES(?,?,?,?,?,?,?,?,?,?);"),
                {m.year, m.month, m.laborTax[0], m.laborTax[1], m.laborTax[2], m.materialTax[0], m.materialTax[1],
                 m.materialTax[2], m.labor, m.material});
        db.resetAll();
    }
}

// A simple month: labor 100 × n with taxes 1, 2, 3 × n; material 50 × n with taxes
// 0.5, 1, 1.5 × n.
inline Month Simple(int year, int month, double n)
{
    return {year, month, {1 * n, 2 * n, 3 * n}, {0.5 * n, 1 * n, 1.5 * n}, 100 * n, 50 * n};
}

// Every month of `years` years from January of `firstYear`, newest first, so the list
// has to order them.
inline void InsertYears(int firstYear, int years)
{
    std::vector<Month> months;
    for (int index = years * 12 - 1; index >= 0; --index)
        months.push_back(Simple(firstYear + index / 12, index % 12 + 1, 1 + index % 9));
    Insert(months);
}

} // namespace ReportTestData
