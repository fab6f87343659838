#pragma once

#include "printing/DisplayList.h"
#include "printing/ReportEngine.h"

#include <QString>

// The document information a PDF file carries.
struct PdfDocumentInfo {
    QString title;
    QString author;
    QString subject;
    QString keywords;
    QString creator;
    QString producer;
};

// Writes the pages as a PDF file at `path`, replacing a file of that name. The file is
// built in memory and moved into place in one step, so a failure leaves any earlier
// file untouched and no half-written one. Raises VelmarError when it cannot be written.
void WritePdfFile(const QString& path, const DisplayDocument& document, const PdfDocumentInfo& info,
                  const PageProgress& progress = {});
