#include "documents/WorkSheet.h"

#include "app/Regional.h"
#include "data/StoredReal.h"

#include <QLocale>
#include <cmath>

QString WorkSheet::SheetTotalText() const
{
    return QString::number(SheetTotal, 'g', 15);
}

WorkSheet NewWorkSheet(int position)
{
    WorkSheet sheet;
    sheet.WorkSheetName = QStringLiteral("Work Sheet ") + QString::number(position);
    return sheet;
}

PriceItem& PriceTable::item(int n)
{
    Q_ASSERT(n >= 1 && n <= ItemCount);
    return Items[std::size_t(n - 1)];
}

const PriceItem& PriceTable::item(int n) const
{
    Q_ASSERT(n >= 1 && n <= ItemCount);
    return Items[std::size_t(n - 1)];
}

bool PriceTable::operator==(const PriceTable& other) const
{
    for (int n = 1; n <= ItemCount; ++n) {
        if (labor(n) != other.labor(n) || material(n) != other.material(n))
            return false;
    }
    return true;
}

namespace {

// Only what the field lets a user type reads as a number: digits with at most one
// regional decimal separator and an optional leading minus. "inf", "nan", "1e3" or
// "0x10" would otherwise make every total NaN or a surprise.
bool ReadExtraCharge(const QString& text, double* value)
{
    const QString trimmed = text.trimmed();
    const QChar separator = Regional::DecimalSeparator();
    QByteArray plain;
    plain.reserve(trimmed.size());
    bool digits = false;
    bool point = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c >= u'0' && c <= u'9') {
            digits = true;
            plain += char(c.unicode());
        } else if (c == separator && !point) {
            point = true;
            plain += '.';
        } else if (c == u'-' && i == 0) {
            plain += '-';
        } else {
            return false;
        }
    }
    if (!digits)
        return false;
    bool ok = false;
    const double result = plain.toDouble(&ok);
    // Hundreds of digits overflow to infinity: not a number a total can use.
    if (!ok || !std::isfinite(result))
        return false;
    if (value)
        *value = result;
    return true;
}

} // namespace

double ExtraChargeValue(const QString& text)
{
    if (text.isEmpty())
        return 0;
    double value = 0;
    if (!ReadExtraCharge(text, &value))
        return 0;
    return value;
}

bool ExtraChargeIsValid(const QString& text)
{
    return text.isEmpty() || ReadExtraCharge(text, nullptr);
}

SheetPrice ComputeSheetPrice(const WorkSheet& sheet, const PriceTable& prices, int discountPercent)
{
    SheetPrice result;
    // Floating point: stored dimensions can be large enough to overflow whole numbers.
    const double L = sheet.AreaLength;
    const double W = sheet.AreaWidth;
    const double H = sheet.AreaHeight;
    const double R = 2 * W + 2 * L;

    // 1. Area.
    double S = 0;
    double N = 0;
    switch (sheet.AreaWorkOn) {
    case AreaWork::WallsAndCeiling:
        S = R * H + L * W;
        N = R;
        break;
    case AreaWork::WallsOnly:
        S = R * H;
        N = R;
        break;
    case AreaWork::CeilingOnly:
    case AreaWork::FloorOnly:
        S = L * W;
        N = R;
        break;
    case AreaWork::OneWallOnly:
        S = L * H;
        N = L;
        break;
    default:
        break;
    }
    result.SquareFeet = S;
    result.LinearFeet = N;

    // 2. The priced lines: odd items for interior, even items for exterior.
    const bool interior = sheet.IntExt == IntExt::Interior;
    const int shift = interior ? 0 : 1;
    const double s = S;
    const double n = N;
    double A = 0;
    double B = 0;
    auto add = [&](int item, double quantity) {
        A += prices.labor(item) * quantity;
        B += prices.material(item) * quantity;
    };

    // Painting as C x (S x price), trim as T x (N x price).
    A += double(sheet.PaintsCoats) * (s * prices.labor(1 + shift));
    B += double(sheet.PaintsCoats) * (s * prices.material(1 + shift));
    A += double(sheet.TrimCoats) * (n * prices.labor(3 + shift));
    B += double(sheet.TrimCoats) * (n * prices.material(3 + shift));
    if (sheet.Prime == PrimeChoice::PrimeEntireSurface)
        add(5 + shift, s);
    if (sheet.Prime == PrimeChoice::SpotPrime)
        add(7 + shift, s);
    if (IsFlagSet(sheet.Wash))
        add(9 + shift, s);
    if (IsFlagSet(sheet.Sand))
        add(11 + shift, s);
    if (IsFlagSet(sheet.Caulk))
        add(13 + shift, s);
    if (IsFlagSet(sheet.Mask))
        add(15 + shift, s);
    add(17 + shift, double(sheet.NumOfDoors));
    add(19 + shift, double(sheet.NumOfDoorFrmTrm));
    add(21 + shift, double(sheet.NumOfWindowFrmTrm));
    if (interior) {
        add(23, double(sheet.NumOfClosets));
        if (IsFlagSet(sheet.HngWallpaper))
            add(24, s);
        if (IsFlagSet(sheet.RmvWallpaper))
            add(25, s);
        if (IsFlagSet(sheet.HngBoarder))
            add(26, n);
        if (IsFlagSet(sheet.RmvBorder))
            add(27, n);
    }

    // 3. Extra charges.
    if (!sheet.ExtraChargesLabor.isEmpty())
        A += ExtraChargeValue(sheet.ExtraChargesLabor);
    if (!sheet.ExtraChargesMaterial.isEmpty())
        B += ExtraChargeValue(sheet.ExtraChargesMaterial);

    // 4. Discount, before the multiplier.
    const double d = double(discountPercent) / 100.0;
    result.LaborDiscount = d * A;
    result.MaterialDiscount = d * B;
    A = A - d * A;
    B = B - d * B;

    // 5. Multiplier.
    const double K = double(sheet.AreaMultiplier);
    A = K * A;
    B = K * B;

    result.Labor = A;
    result.Material = B;
    result.Total = A + B;
    return result;
}

SheetPrice PriceWorkSheet(WorkSheet& sheet, const PriceTable& prices, int discountPercent)
{
    const SheetPrice price = ComputeSheetPrice(sheet, prices, discountPercent);
    sheet.SquareFeet = price.SquareFeet;
    // The sheet holds its total as written in general number form; what is shown and
    // printed from it is that value (6.244949999999999 is held as 6.24495).
    sheet.SheetTotal = StoredReal(price.Total);
    return price;
}

SheetCompleteness CheckSheetCompleteness(const WorkSheet& sheet)
{
    SheetCompleteness c;
    const bool paintAndPrep = sheet.Prime != PrimeChoice::NoPrime || IsFlagSet(sheet.Wash)
        || IsFlagSet(sheet.Sand) || IsFlagSet(sheet.Caulk) || IsFlagSet(sheet.Mask)
        || sheet.PaintsCoats > 0 || sheet.TrimCoats > 0;
    const bool wallpaper = IsFlagSet(sheet.HngWallpaper) || IsFlagSet(sheet.RmvWallpaper);
    const bool border = IsFlagSet(sheet.HngBoarder) || IsFlagSet(sheet.RmvBorder);
    const bool addOns = sheet.NumOfDoors > 0 || sheet.NumOfDoorFrmTrm > 0
        || sheet.NumOfWindowFrmTrm > 0 || sheet.NumOfClosets > 0;
    const bool extras = !sheet.ExtraChargesLabor.isEmpty() || !sheet.ExtraChargesMaterial.isEmpty();
    c.AreaWorkPresent = paintAndPrep || wallpaper || border || addOns || extras;

    auto need = [&](bool length, bool width, bool height) {
        c.NeedsLength = c.NeedsLength || length;
        c.NeedsWidth = c.NeedsWidth || width;
        c.NeedsHeight = c.NeedsHeight || height;
    };
    switch (sheet.AreaWorkOn) {
    case AreaWork::WallsAndCeiling:
    case AreaWork::WallsOnly:
        if (paintAndPrep || wallpaper)
            need(true, true, true);
        if (border)
            need(true, true, false);
        break;
    case AreaWork::CeilingOnly:
        if (paintAndPrep || wallpaper || border)
            need(true, true, false);
        break;
    case AreaWork::OneWallOnly:
        if (paintAndPrep || wallpaper)
            need(true, false, true);
        if (border)
            need(true, false, false);
        break;
    case AreaWork::FloorOnly:
        if (paintAndPrep)
            need(true, true, false);
        break;
    default:
        break;
    }
    c.LengthMissing = c.NeedsLength && sheet.AreaLength == 0;
    c.WidthMissing = c.NeedsWidth && sheet.AreaWidth == 0;
    c.HeightMissing = c.NeedsHeight && sheet.AreaHeight == 0;
    c.Complete = c.AreaWorkPresent && !c.DimensionsMissing();
    return c;
}

void ApplyWorkSheetInvariants(WorkSheet& sheet)
{
    auto clearWallpaper = [&sheet] {
        sheet.HngWallpaper = FlagClear;
        sheet.RmvWallpaper = FlagClear;
        sheet.HngBoarder = FlagClear;
        sheet.RmvBorder = FlagClear;
    };
    if (sheet.IntExt != IntExt::Interior) {
        sheet.NumOfClosets = 0;
        clearWallpaper();
    }
    switch (sheet.AreaWorkOn) {
    case AreaWork::CeilingOnly:
        sheet.AreaHeight = 0;
        break;
    case AreaWork::OneWallOnly:
        sheet.AreaWidth = 0;
        break;
    case AreaWork::FloorOnly:
        sheet.AreaHeight = 0;
        clearWallpaper();
        break;
    default:
        break;
    }
}
