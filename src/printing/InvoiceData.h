#pragma once

#include "documents/CurrentDocument.h"
#include "printing/DataFeed.h"
#include "printing/ReportLayout.h"

struct CompanySettings;

// The width the work description wraps at: every row fits the 7.9-inch column.
int DescriptionWrapWidth();

// Builds the work description of the document, wrapped to the description column.
void BuildPrintedDescription(CurrentDocument& document, const CompanySettings& settings);

// Fills the document layout for one run: builds the description, colours the page in
// the kind's colour, sizes the logo, places the company and customer blocks from the
// top down and sizes the region that holds the description. Works on the run's copy.
void SetInvoiceData(ReportLayout& layout, CurrentDocument& document, const CompanySettings& settings);

// The colour of a document kind; black for a name that is none of the six.
QColor KindColor(const QString& invName, const CompanySettings& settings);

// The lines of the work description; none for a blank form.
class DescriptionFeed : public DataFeed {
public:
    explicit DescriptionFeed(const CurrentDocument& document) : m_document(document) {}
    int rowCount() const override;
    QStringList columnNames() const override;
    QString value(int row, const QString& column) const override;

private:
    const CurrentDocument& m_document;
};
