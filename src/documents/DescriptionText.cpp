#include "documents/DescriptionText.h"

#include "app/Regional.h"
#include "data/CompanySettings.h"

#include <QRegularExpression>

namespace {

void AppendText(QStringList& lines, const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    lines << text.split(lineBreak);
}

QString SurfaceText(int areaWorkOn)
{
    switch (areaWorkOn) {
    case AreaWork::WallsAndCeiling:
        return QStringLiteral("Walls and Ceiling, ");
    case AreaWork::WallsOnly:
        return QStringLiteral("Walls Only, ");
    case AreaWork::CeilingOnly:
        return QStringLiteral("Ceiling Only, ");
    case AreaWork::OneWallOnly:
        return QStringLiteral("1 Wall Only, ");
    case AreaWork::FloorOnly:
        return QStringLiteral("Floor Only, ");
    default:
        return QString();
    }
}

QString RightTrimmed(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

QStringList DescriptionLines(const CurrentDocument& document, const CompanySettings& settings)
{
    const TrecCmpnyInvData& options = settings.InvData;
    const bool workOrder = DocumentType::Is(document.Header.InvName, DocumentType::WorkOrder);
    QStringList lines;
    for (const WorkSheet& sheet : document.WorkSheets) {
        const double S = sheet.SquareFeet;
        const bool hasArea = S > 0;
        const bool hasOutline = qint64(sheet.AreaLength) + qint64(sheet.AreaWidth) > 0;

        // 1. Name.
        lines << sheet.WorkSheetName;

        // 2. Information.
        QString info = sheet.IntExt != IntExt::Interior ? QStringLiteral("Exterior, ")
                                                        : QStringLiteral("Interior, ");
        if (hasArea) {
            info += QStringLiteral("Area Work On - ") + SurfaceText(sheet.AreaWorkOn);
            if (sheet.PaintsCoats > 0)
                info += QStringLiteral("Number of Paint coats: ") + QString::number(sheet.PaintsCoats)
                    + QStringLiteral(", ");
        }
        if (hasOutline && sheet.TrimCoats > 0)
            info += QStringLiteral("Number of Trim coats: ") + QString::number(sheet.TrimCoats)
                + QStringLiteral(", ");
        if (sheet.AreaMultiplier > 1)
            info += QStringLiteral("This Work Sheet is multiplied by: ")
                + QString::number(sheet.AreaMultiplier);
        if (options.ShowWorkSheetInfo)
            lines << info;

        // 3. Surface preparation.
        QString prep;
        if (sheet.Prime == PrimeChoice::SpotPrime)
            prep += QStringLiteral("Spot Prime, ");
        else if (sheet.Prime == PrimeChoice::PrimeEntireSurface)
            prep += QStringLiteral("Prime entire surface, ");
        if (IsFlagSet(sheet.Wash))
            prep += QStringLiteral("Wash surface, ");
        if (IsFlagSet(sheet.Sand))
            prep += QStringLiteral("Sand, ");
        if (IsFlagSet(sheet.Caulk))
            prep += QStringLiteral("Caulk, ");
        if (IsFlagSet(sheet.Mask))
            prep += QStringLiteral("Mask");
        if (!hasArea)
            prep.clear();
        if (!prep.isEmpty() && options.ShowSurfacePrep)
            lines << QStringLiteral("Surface Prep - ") + prep;

        // 4. Add-ons. The counts are separated like the other lines' parts; run
        // together ("2Number of ...") they read as one wrong number on the customer's copy.
        QStringList addOnParts;
        if (sheet.NumOfDoors > 0)
            addOnParts << QStringLiteral("Number of Doors to paint: ") + QString::number(sheet.NumOfDoors);
        if (sheet.NumOfDoorFrmTrm > 0)
            addOnParts << QStringLiteral("Number of Doors Frame/Trim to paint: ")
                    + QString::number(sheet.NumOfDoorFrmTrm);
        if (sheet.NumOfWindowFrmTrm > 0)
            addOnParts << QStringLiteral("Number of Window Frame/Trim to paint: ")
                    + QString::number(sheet.NumOfWindowFrmTrm);
        if (sheet.NumOfClosets > 0)
            addOnParts << QStringLiteral("Number of Closets to paint: ") + QString::number(sheet.NumOfClosets);
        const QString addOns = addOnParts.join(QStringLiteral(", "));
        if (!addOns.isEmpty() && options.ShowWorkSheetAddons)
            lines << addOns;

        // 5. Wallpaper.
        QString wallpaper;
        if (hasArea) {
            if (IsFlagSet(sheet.HngWallpaper))
                wallpaper += QStringLiteral("Hang Wallpaper, ");
            if (IsFlagSet(sheet.RmvWallpaper))
                wallpaper += QStringLiteral("Remove Wallpaper, ");
        }
        if (hasOutline) {
            if (IsFlagSet(sheet.HngBoarder))
                wallpaper += QStringLiteral("Hang Wallpaper Boarder, ");
            if (IsFlagSet(sheet.RmvBorder))
                wallpaper += QStringLiteral("Remove Wallpaper Boarder, ");
        }
        if (!wallpaper.isEmpty() && options.ShowWallpaper)
            lines << wallpaper;

        // 6. Extra charges.
        QString extra = sheet.ExtraChargesName;
        if (!sheet.ExtraChargesLabor.isEmpty()) {
            const double value = ExtraChargeValue(sheet.ExtraChargesLabor);
            if (value > 0)
                extra += QStringLiteral(" Extra Labor Charges: ") + Regional::CurrencyText(value);
        }
        if (!sheet.ExtraChargesMaterial.isEmpty()) {
            const double value = ExtraChargeValue(sheet.ExtraChargesMaterial);
            if (value > 0)
                extra += QStringLiteral(" Extra Material Charges: ") + Regional::CurrencyText(value);
        }
        if (!extra.isEmpty() && options.ShowExtraCharges)
            lines << extra;

        // 7. Notes.
        if (!sheet.AraNotes.isEmpty())
            AppendText(lines, sheet.AraNotes);

        // 8. Square feet.
        if (hasArea)
            lines << QStringLiteral("SQFT : ") + sheet.SquareFeetText();

        // 9. Total.
        if (!(workOrder && !options.ShowTotalOnWorkOrder))
            lines << QStringLiteral("Total : ") + Regional::CurrencyText(sheet.SheetTotal);

        // 10.
        lines << QString();
    }
    AppendText(lines, document.Notes);
    return lines;
}

QStringList WrapLines(const QStringList& lines, const DescriptionWrap& wrap)
{
    if (wrap.maxWidth <= 0)
        return lines;
    auto width = [&wrap](const QString& text) -> double {
        return wrap.measure ? wrap.measure(text) : double(text.size());
    };
    auto fits = [&](const QString& text) { return width(RightTrimmed(text)) <= wrap.maxWidth; };

    QStringList result;
    for (const QString& line : lines) {
        if (fits(line)) {
            result << line;
            continue;
        }
        QString rest = line;
        while (!rest.isEmpty()) {
            if (fits(rest)) {
                result << rest;
                break;
            }
            // The last blank before which the text still fits; widths grow with the
            // prefix, so a binary search over the blanks measures only a few prefixes.
            qsizetype firstWord = 0;
            while (firstWord < rest.size() && rest.at(firstWord).isSpace())
                ++firstWord;
            QList<qsizetype> blanks;
            for (qsizetype i = rest.indexOf(QLatin1Char(' '), firstWord); i >= 0;
                 i = rest.indexOf(QLatin1Char(' '), i + 1))
                blanks << i;
            qsizetype breakAt = -1;
            qsizetype low = 0;
            qsizetype high = blanks.size() - 1;
            while (low <= high) {
                const qsizetype middle = (low + high) / 2;
                if (fits(rest.left(blanks[middle]))) {
                    breakAt = blanks[middle];
                    low = middle + 1;
                } else {
                    high = middle - 1;
                }
            }
            qsizetype next = 0;
            if (breakAt > 0) {
                result << RightTrimmed(rest.left(breakAt));
                next = breakAt;
            } else {
                // One word wider than the line: break it between characters.
                qsizetype count = 1;
                while (count < rest.size() && width(rest.left(count + 1)) <= wrap.maxWidth)
                    ++count;
                result << rest.left(count);
                next = count;
            }
            while (next < rest.size() && rest.at(next) == QLatin1Char(' '))
                ++next;
            rest = rest.mid(next);
        }
    }
    return result;
}

void BuildDescription(CurrentDocument& document, const CompanySettings& settings,
                      const DescriptionWrap& wrap)
{
    document.Description.clear();
    document.Description = WrapLines(DescriptionLines(document, settings), wrap);
}
