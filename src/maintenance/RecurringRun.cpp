#include "maintenance/RecurringRun.h"

#include "app/AppState.h"
#include "app/Clock.h"
#include "app/Regional.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"

namespace {
constexpr int kDocumentMode = 1;
} // namespace

std::vector<int> QueryRecurringNumbers()
{
    Connection db = OpenDatabase();
    Statement& rows = db.prepare(QStringLiteral(
        "SELECT intInvNumber FROM tblInvHeader WHERE strRecurring <> 0 AND UPPER(strInvName) LIKE 'INVOICE%';"));
    std::vector<int> numbers;
    while (rows.next())
        numbers.push_back(int(rows.columnInt(0)));
    return numbers;
}

void PrepareRecurringCopy(CurrentDocument& document, const CompanySettings& settings, int number,
                          const QString& runDate)
{
    document.Header.IsNew = false;
    document.Header.InvNumber = number;
    LoadDocument(document, settings);
    TrecInvHeader& header = document.Header;
    header.InvNumber = ReadDocumentCounter();
    header.IsNew = true;
    header.Recurring = false;
    // Issued today: a copy carrying the template's old date would arrive overdue.
    header.InvDate = runDate;
    // The template's snapshot would make the first save take back the template's own
    // contribution to the monthly totals.
    document.SavedData = TrecSavedData();
}

void WriteRecurringRunDate(const QString& runDate)
{
    Connection db = OpenDatabase();
    db.exec(QStringLiteral("UPDATE tblRecurring SET strLastPrintedDate = ? WHERE intRecurringID = 1;"),
            {runDate});
}

QString RunRecurringInvoices(AppState& state, QStringList& numbers, const RecurringRunSteps& steps)
{
    numbers.clear();
    for (const int number : QueryRecurringNumbers())
        numbers << QString::number(number);
    if (numbers.isEmpty())
        return QString();

    const QString runDate = Regional::FormatShortDate(Today());
    CurrentDocument& document = state.currentDocument;
    for (const QString& number : std::as_const(numbers)) {
        state.windowMode = kDocumentMode;
        PrepareRecurringCopy(document, state.companySettings, number.toInt(), runDate);
        if (steps.showPreview)
            steps.showPreview();
        if (steps.save)
            steps.save(document);
        else
            SaveDocument(document);
    }
    WriteRecurringRunDate(runDate);
    numbers.clear();
    return runDate;
}
