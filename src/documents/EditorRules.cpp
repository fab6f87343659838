#include "documents/EditorRules.h"

#include "app/Regional.h"
#include "data/CompanySettings.h"
#include "data/StoredReal.h"
#include "documents/WorkSheet.h"

QString DocumentName(const TrecInvHeader& header)
{
    return header.InvName + QLatin1Char(' ') + QString::number(header.InvNumber);
}

QString CustomerInformationText(const TrecInvHeader& header)
{
    QStringList lines;
    for (const QString* line : {&header.CustCmpnyName, &header.CustFullName, &header.CustAddress,
                                &header.CustCtyStZp, &header.CustMainPhone, &header.CustExtraPhone1,
                                &header.CustExtraPhone2}) {
        if (!line->isEmpty())
            lines << *line;
    }
    if (!header.CustNotes.isEmpty())
        lines << QString() << QStringLiteral("Notes ( Not Printed ):") << header.CustNotes;
    return lines.join(QLatin1Char('\n'));
}

QString RequiredInformation::text() const
{
    QString text = QStringLiteral("Required Information Needed:");
    for (const QString& line : lines)
        text += QLatin1Char('\n') + line;
    return text;
}

RequiredInformation CheckRequiredInformation(const RequiredState& state)
{
    RequiredInformation info;
    const bool hasSheet = state.sheetCount > 0;
    info.areaWorkNeeded = !hasSheet || state.sheet.AreaWorkMissing();
    info.sheetComplete = !info.areaWorkNeeded;
    if (state.onWorkSheetPage) {
        if (info.areaWorkNeeded)
            info.lines << QStringLiteral("* Add Area Work as Needed");
        if (hasSheet) {
            const std::pair<bool, bool*> checks[] = {{state.sheet.LengthMissing, &info.lengthMissing},
                                                     {state.sheet.WidthMissing, &info.widthMissing},
                                                     {state.sheet.HeightMissing, &info.heightMissing}};
            const char* const texts[] = {"* Area Length", "* Area Width", "* Area Height"};
            for (int i = 0; i < 3; ++i) {
                if (!checks[i].first)
                    continue;
                *checks[i].second = true;
                info.lines << QString::fromLatin1(texts[i]);
                info.sheetComplete = false;
                info.dimensionsNeeded = true;
            }
        }
    } else {
        if (!state.hasCustomer) {
            info.customerMissing = true;
            info.lines << QStringLiteral("* Add Customer");
        }
        if (!hasSheet) {
            info.addSheetNeeded = true;
            info.lines << QStringLiteral("* Add a new Work Sheet")
                       << QStringLiteral(" . . .  Add a new Work Sheet for each Area or Room");
        }
    }
    return info;
}

bool DocumentReadyToSave(bool hasCustomer, int sheetCount, double currentSheetTotal, bool sheetComplete)
{
    return sheetCount > 0 && hasCustomer && currentSheetTotal > 0 && sheetComplete;
}

QString fIncompleteWorkSheetMessage(const QString& sheetName, bool dimensionsNeeded, bool areaWorkNeeded)
{
    QString text = sheetName + QStringLiteral(" is not complete. ") + QLatin1Char('\n');
    if (dimensionsNeeded)
        text += QStringLiteral("Please add needed Work Sheet Dimensions. ") + QLatin1Char('\n');
    if (areaWorkNeeded)
        text += QStringLiteral("Please add needed area work.");
    return text;
}

QString ListedSheetName(const WorkSheet& sheet, int position)
{
    if (sheet.WorkSheetName.isEmpty())
        return QStringLiteral("Work Sheet ") + QString::number(position);
    return sheet.WorkSheetName;
}

bool TaxRatesDiffer(const TrecInvHeader& header, const CompanySettings& settings)
{
    const double rates[] = {header.TaxRate1, header.TaxRate2, header.TaxRate3};
    for (int i = 0; i < 3; ++i) {
        // Both sides as stored, so a rate that went through the database compares equal.
        if (StoredReal(rates[i]) != StoredReal(settings.InvData.TaxRates[i]))
            return true;
    }
    return false;
}

void UseCurrentTaxRates(TrecInvHeader& header, const CompanySettings& settings)
{
    header.TaxRate1 = settings.InvData.TaxRates[0];
    header.TaxRate2 = settings.InvData.TaxRates[1];
    header.TaxRate3 = settings.InvData.TaxRates[2];
}

QString RatesQuestion(const TrecInvHeader& header)
{
    return QStringLiteral("Saved Tax Rates for ") + DocumentName(header)
        + QStringLiteral(" are different than current Tax Rates, ")
        + QStringLiteral("Do you want to update to current Tax Rates?");
}

QString DeleteQuestion(const TrecInvHeader& header)
{
    return QStringLiteral("Delete ") + DocumentName(header) + QLatin1Char('?');
}

QString SaveChangesQuestion(const TrecInvHeader& header)
{
    return QStringLiteral("Save changes to ") + DocumentName(header) + QLatin1Char('?');
}

QString ResumeQuestion(const TrecInvHeader& header)
{
    return DocumentName(header) + QStringLiteral(" is not complete.")
        + QStringLiteral(" To save changes click cancel and complete Work Sheet.") + QLatin1Char('\n')
        + QStringLiteral("Do you want to resume working on ") + DocumentName(header) + QLatin1Char('?');
}

QString RemoveSheetQuestion(const TrecInvHeader& header, const QString& listedName)
{
    return QStringLiteral("Remove Work Sheet ") + listedName + QStringLiteral(" from ") + DocumentName(header)
        + QLatin1Char('?');
}

QString PdfDialogTitle(const TrecInvHeader& header)
{
    return QStringLiteral("Save ") + PdfProposedName(header) + QStringLiteral(" as .pdf Document");
}

QString PdfProposedName(const TrecInvHeader& header)
{
    return header.InvName + QStringLiteral("  ") + QString::number(header.InvNumber);
}

QString PdfFilter()
{
    return QStringLiteral("PDF Document (*.pdf)");
}

QString WithPdfExtension(const QString& path)
{
    if (path.isEmpty() || path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return path;
    return path + QStringLiteral(".pdf");
}

double RecommendedDeposit(int depositPercent, double totalAmount)
{
    return double(depositPercent) / 100.0 * totalAmount;
}

QString GeneralNumberText(double amount)
{
    QString text = PlainDecimalText(StoredReal(amount));
    text.replace(QLatin1Char('.'), Regional::DecimalSeparator());
    return text;
}

bool ReadTypedAmount(const QString& text, double& amount)
{
    if (text.isEmpty()) {
        amount = 0;
        return true;
    }
    const QChar separator = Regional::DecimalSeparator();
    QString plain;
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit()) {
            digit = true;
            plain += c;
        } else if (c == separator) {
            plain += QLatin1Char('.');
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return false;
    amount = value;
    return true;
}
