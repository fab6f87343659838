#pragma once

#include "app/AppState.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/Totals.h"

#include <QStringList>
#include <sqlite3.h>

// Saved documents for the maintenance and recurring tests, written through the real
// document storage.
namespace MaintenanceFixture {

struct Saved {
    QString kind = QStringLiteral("Invoice");
    int number = 500;
    QString date = QStringLiteral("3/14/2011");
    QString customer = QStringLiteral("Jane Doe");
    QString company = QStringLiteral("Harbor Homes");
    bool paidInFull = false;
    bool recurring = false;
    int sheets = 2;
    QString from;
};

inline void SetCounter(int number)
{
    OpenDatabase().exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = ? WHERE intCompInvDataID = 1;"),
                        {number});
}

inline WorkSheet Room(int position, const QString& name)
{
    WorkSheet sheet = NewWorkSheet(position);
    sheet.WorkSheetName = name;
    sheet.AreaLength = 10 + position;
    sheet.AreaWidth = 10;
    sheet.AreaHeight = 8;
    sheet.PaintsCoats = 2;
    return sheet;
}

// Saves a document under `s.number` (the counter is set to it first) and gives it back
// as saved, with its totals.
inline CurrentDocument Save(AppState& state, const Saved& s)
{
    SetCounter(s.number);
    CurrentDocument document;
    document.Header.IsNew = true;
    LoadDocument(document, state.companySettings);
    TrecInvHeader& h = document.Header;
    h.InvName = s.kind;
    h.InvDate = s.date;
    h.CustFullName = s.customer;
    h.CustCmpnyName = s.company;
    h.CustAddress = QStringLiteral("12 Elm Street");
    h.FromInvNameNumber = s.from;
    h.PaidInFull = s.paidInFull;
    h.Recurring = s.recurring;
    h.UseTax1 = true;
    h.TaxRate1 = 0.05;
    document.Notes = QStringLiteral("Two coats\r\nof white");
    for (int i = 0; i < s.sheets; ++i)
        document.WorkSheets.push_back(Room(i + 1, QStringLiteral("Room %1 of %2").arg(i + 1).arg(s.number)));
    ComputeTotals(document, state.companySettings);
    SaveDocument(document);
    return document;
}

// One stored header column of a document, as text.
inline QString Column(int number, const QString& column)
{
    Connection db = OpenDatabase();
    Statement& row = db.exec(QStringLiteral("SELECT %1 FROM tblInvHeader WHERE intInvNumber = ?;").arg(column), {number});
    return row.columnText(0);
}

inline qint64 Count(const QString& sql, std::initializer_list<QVariant> values = {})
{
    Connection db = OpenDatabase();
    return db.exec(sql, values).columnInt(0);
}

// Every stored value of a table's rows (optionally one document's), for before/after
// comparisons.
inline QStringList Dump(const QString& table, const QString& where = QString())
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral("SELECT * FROM %1 %2;").arg(table, where));
    QStringList dump;
    while (rows.next()) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(sqlite3_next_stmt(db.handle(), nullptr)); ++c)
            row << rows.columnText(c);
        dump << row.join(QLatin1Char('|'));
    }
    return dump;
}

inline QStringList SheetNames(int number)
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral("SELECT strWorkSheetName FROM tblInvData WHERE intInvNumber = ?;"));
    rows.bind(1, number);
    QStringList names;
    while (rows.next())
        names << rows.columnText(0);
    return names;
}

// The month's stored labour total, 0 when the month has no row.
inline double MonthLabor(int year, int month)
{
    Connection db = OpenDatabase();
    Statement& row = db.exec(QStringLiteral("SELECT dbLbrTotal FROM tblReport WHERE intReportYear = ? AND "
                                            "intReportMonth = ?;"),
                             {year, month});
    return row.columnReal(0);
}

} // namespace MaintenanceFixture
