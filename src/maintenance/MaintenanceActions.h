#pragma once

#include "documents/DocumentStorage.h"

#include <QString>

struct CompanySettings;

// What a click on a listed document does in the maintenance window, for the maintenance
// types that ask first (all but the three that open the editor).
namespace Maintenance {

// The label of a listed document: its type name, a space and its number ("Estimate 502").
QString DocumentLabel(const QString& invName, int number);

// The question asked before acting ("Convert Estimate 502 to Work Order?"); empty for the
// types that ask nothing.
QString Confirmation(int type, const QString& label);

// Acts on document `number`:
//   2 relabels it Work Order; 3 and 4 relabel it Invoice (the stored row in place);
//   5 makes it a Credit of the same number from "<type> <number>" through the document
//     storage (the monthly totals follow);
//   6 saves a copy as Past Due under the counter's number, from the invoice's label;
//   7 marks it paid in full and saves it (the monthly totals follow);
//   8 deletes it;
//   9 and 10 put it on and take it off the recurring list.
// 5, 6 and 7 load the document into `document` and save it with `hooks`.
void PerformAction(int type, int number, CurrentDocument& document,
                   const CompanySettings& settings, const SaveHooks& hooks = {});

} // namespace Maintenance
