#pragma once

#include "documents/CurrentDocument.h"

#include <QString>
#include <QStringList>

struct CompanySettings;

// The document editor's rules that need no widget: what is still required, when the
// document may be saved or printed, and the words of its questions.

// "Invoice 1042": the kind and the number, as every question and caption names a document.
QString DocumentName(const TrecInvHeader& header);

// The customer lines of the header as the editor's read-only memo shows them: each
// non-empty line of company, name, address, city-state-zip and the three phones, then,
// when there are customer notes, an empty line, "Notes ( Not Printed ):" and the notes.
QString CustomerInformationText(const TrecInvHeader& header);

// What the last completeness check of the current sheet found, and what is missing.
struct RequiredState {
    bool onWorkSheetPage = false;
    bool hasCustomer = false;
    int sheetCount = 0;
    // Only meaningful when sheetCount > 0.
    SheetCompleteness sheet;
};

struct RequiredInformation {
    bool sheetComplete = false;
    bool areaWorkNeeded = false;
    bool dimensionsNeeded = false;
    bool lengthMissing = false;
    bool widthMissing = false;
    bool heightMissing = false;
    bool customerMissing = false;
    bool addSheetNeeded = false;
    // The lines under "Required Information Needed:", in order; empty when nothing is.
    QStringList lines;
    // "Required Information Needed:" followed by a line break and each line.
    QString text() const;
};
RequiredInformation CheckRequiredInformation(const RequiredState& state);

// Save, Print, Print Preview and PDF are offered exactly when this holds.
bool DocumentReadyToSave(bool hasCustomer, int sheetCount, double currentSheetTotal, bool sheetComplete);

// The message shown when an incomplete sheet is left through the list.
QString fIncompleteWorkSheetMessage(const QString& sheetName, bool dimensionsNeeded, bool areaWorkNeeded);

// The name a sheet is listed under: its own, or "Work Sheet " + its 1-based position.
QString ListedSheetName(const WorkSheet& sheet, int position);

// The document's frozen tax rates differ from the company's current ones.
bool TaxRatesDiffer(const TrecInvHeader& header, const CompanySettings& settings);
void UseCurrentTaxRates(TrecInvHeader& header, const CompanySettings& settings);

// The editor's questions and messages.
QString RatesQuestion(const TrecInvHeader& header);
QString DeleteQuestion(const TrecInvHeader& header);
QString SaveChangesQuestion(const TrecInvHeader& header);
QString ResumeQuestion(const TrecInvHeader& header);
QString RemoveSheetQuestion(const TrecInvHeader& header, const QString& listedName);
inline const char* const kAddCustomerFirstMessage = "Please Add a Customer before continuing.";
inline const char* const kMaxSheetsMessage = "Maximum number of Work Sheets are in use";

// The PDF save dialog: its title, its proposed file name (kind, two blanks, number) and
// its filter.
QString PdfDialogTitle(const TrecInvHeader& header);
QString PdfProposedName(const TrecInvHeader& header);
QString PdfFilter();
// A chosen path without an extension gets ".pdf".
QString WithPdfExtension(const QString& path);

// The payment and deposit dialog.
// The recommended deposit: percent / 100 x total.
double RecommendedDeposit(int depositPercent, double totalAmount);
// An amount in general number form with the regional decimal separator ("300", "12.5").
QString GeneralNumberText(double amount);
// Reads a typed amount with the regional decimal separator: empty text is 0; a text
// that is no number (a lone separator) gives false.
bool ReadTypedAmount(const QString& text, double& amount);
