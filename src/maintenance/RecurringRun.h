#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct AppState;
struct CompanySettings;
struct CurrentDocument;

// Issuing the recurring invoices anew in one run.

// The numbers of the invoices on the recurring list, in the order the database returns
// them: recurring flag not "0" and a kind name beginning with "Invoice" in any case.
std::vector<int> QueryRecurringNumbers();

// Loads recurring invoice `number` into `document` and turns it into its new copy: the
// counter's number, new, not recurring, dated `runDate`; everything else as loaded. The
// copy is a new document, so its snapshot is empty and its first save folds only its
// own amounts.
void PrepareRecurringCopy(CurrentDocument& document, const CompanySettings& settings, int number,
                          const QString& runDate);

// Stores the date of the last run.
void WriteRecurringRunDate(const QString& runDate);

// The window steps of a run.
struct RecurringRunSteps {
    // Shows the current document in the print preview and returns when it has closed.
    std::function<void()> showPreview;
    // Saves the current document; SaveDocument without hooks when empty.
    std::function<void(CurrentDocument&)> save;
};

// The run: fills `numbers` (the hidden list) with the recurring numbers; for each one
// sets the document mode, prepares the copy dated today, previews and saves it; then
// stores and returns today's date and empties `numbers`. With nothing on the list it
// does nothing and returns the empty text. An error ends the run: copies saved before
// it stay, no date is written and `numbers` keeps its numbers.
QString RunRecurringInvoices(AppState& state, QStringList& numbers, const RecurringRunSteps& steps);
