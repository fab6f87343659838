#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct AppState;
struct CompanySettings;
struct CurrentDocument;

// Blank forms: documents printed empty for work written by hand on site, each saved as
// an empty document of its kind so the numbers on paper and in the database agree.

// The date text a blank form prints where the date goes.
inline const char* const kBlankFormDateText = "Date:____/____/________";
inline constexpr int kMaxBlankForms = 25;

// The choices of the blank forms window.
struct BlankFormChoice {
    QString kind;              // one of the six kind names
    QString paymentTerms;      // as chosen or typed
    int footNote = 0;          // 0 none, 1..3 the company's foot note
    bool signatureLine = false;
};

// "No Foot Notes", "Foot Note 1", "Foot Note 2", "Foot Note 3".
const QStringList& FootNoteChoices();
// The company's payment terms that are not empty, in their order.
QStringList BlankFormPaymentTerms(const CompanySettings& settings);
// "Number of " + kind + "s to print" and the spinner's "Select number of " + kind + "s to print".
QString BlankFormCountLabel(const QString& kind);
QString BlankFormCountHint(const QString& kind);

// The mode values of the blank forms window: the document mode, a new document
// prepared, then the blank-form mode set.
void SetBlankFormModes(AppState& state);

// Makes the current document the next blank form: new, the chosen kind, the counter's
// number, the fill-in date text, the chosen terms, foot note and signature line. The
// chosen foot note's text is what the form prints.
void PrepareBlankForm(CurrentDocument& document, const CompanySettings& settings,
                      const BlankFormChoice& choice);

// Prints and saves `count` forms one after the other. `print` sends the current
// document to the printer and tells whether it went; a form is saved only after it was
// printed, and the first form that could not be printed ends the run. Returns the
// number of forms printed and saved.
int PrintBlankForms(AppState& state, const BlankFormChoice& choice, int count,
                    const std::function<bool()>& print);
