#pragma once

#include <QString>
#include <array>

// Work sheets and their pricing.

// At most this many work sheets per document.
inline constexpr int MaxWorkSheets = 70;

// Codes of WorkSheet::IntExt.
namespace IntExt {
enum : int { Interior = 0, Exterior = 1 };
}
// Codes of WorkSheet::AreaWorkOn.
namespace AreaWork {
enum : int { WallsAndCeiling = 0, WallsOnly = 1, CeilingOnly = 2, OneWallOnly = 3, FloorOnly = 4 };
}
// Codes of WorkSheet::Prime.
namespace PrimeChoice {
enum : int { NoPrime = 0, SpotPrime = 1, PrimeEntireSurface = 2 };
}

// Work sheet flags are held as the stored integers: -1 set (as the editor writes it),
// 0 not set. Any non-zero value counts as set; the value is written back as held.
inline constexpr int FlagSet = -1;
inline constexpr int FlagClear = 0;
inline bool IsFlagSet(int flag) { return flag != 0; }
inline int ToFlag(bool set) { return set ? FlagSet : FlagClear; }

// One room or area of the current document. Field names follow the tblInvData columns
// (strWorkSheetName -> WorkSheetName, intIntExt -> IntExt, ...). Whole numbers and
// flags are ints holding exactly the stored integer; texts are texts. A stored value that is not a whole number fails on load
// with ConversionError, as pricing it would.
struct WorkSheet {
    QString WorkSheetName;           // strWorkSheetName, editor limit 20 characters
    int IntExt = IntExt::Interior;   // intIntExt: 0 interior, any other value exterior
    int AreaWorkOn = AreaWork::WallsAndCeiling; // intAreaWorkOn: AreaWork codes
    int PaintsCoats = 0;             // intPaintsCoats, 0..10
    int TrimCoats = 0;               // intTrimCoats, 0..10
    int AreaLength = 0;              // intAreaLength, feet 0..1000
    int AreaWidth = 0;               // intAreaWidth, feet 0..1000
    int AreaHeight = 0;              // intAreaHeight, feet 0..500
    int AreaMultiplier = 1;          // intAreaMultiplier, 1..25
    int Prime = PrimeChoice::NoPrime;// intPrime: PrimeChoice codes
    int Wash = FlagClear;            // intWash (flag)
    int Sand = FlagClear;            // intSand (flag)
    int Caulk = FlagClear;           // intCaulk (flag)
    int Mask = FlagClear;            // intMask (flag)
    int NumOfDoors = 0;              // intNumOfDoors, 0..200
    int NumOfDoorFrmTrm = 0;         // intNumOfDoorFrmTrm, 0..200
    int NumOfWindowFrmTrm = 0;       // intNumOfWindowFrmTrm, 0..200
    int NumOfClosets = 0;            // intNumOfClosets, 0..200
    int HngWallpaper = FlagClear;    // intHngWallpaper (flag)
    int RmvWallpaper = FlagClear;    // intRmvWallpaper (flag)
    int HngBoarder = FlagClear;      // intHngBoarder (flag)
    int RmvBorder = FlagClear;       // intRmvBorder (flag)
    QString ExtraChargesName;        // strExtraChargesName, editor limit 25 characters
    QString ExtraChargesLabor;       // strExtraChargesLabor: empty or an amount typed with
                                     // the regional decimal separator
    QString ExtraChargesMaterial;    // strExtraChargesMaterial: as ExtraChargesLabor
    QString AraNotes;                // strAraNotes, may hold CR LF line breaks

    // Computed by the pricing (PriceWorkSheet / ComputeTotals), never stored.
    double SquareFeet = 0;           // the "Area SQFT Totals" column, a whole number
    double SheetTotal = 0;           // labour + material after discount and multiplier,
                                     // as held in general number form (15 significant digits)

    // The sheet total in general number form, up to 15 significant digits ("283.2").
    QString SheetTotalText() const;
    QString SquareFeetText() const { return QString::number(SquareFeet, 'f', 0); }
};

// A new sheet as the editor adds it: "Work Sheet " + its 1-based position, interior,
// walls and ceiling, multiplier 1, everything else 0 or empty.
WorkSheet NewWorkSheet(int position);

// Labour and material price per unit of the 27 items of the price sheet. Items are
// numbered 1 to 27 as in tblPrices; odd items 1..21 are interior, even 2..22 exterior.
struct PriceItem {
    double Labor = 0;
    double Material = 0;
};

struct PriceTable {
    static constexpr int ItemCount = 27;
    std::array<PriceItem, ItemCount> Items{};

    // n from 1 to 27; out-of-range n is a programming error (asserted).
    PriceItem& item(int n);
    const PriceItem& item(int n) const;
    double labor(int n) const { return item(n).Labor; }
    double material(int n) const { return item(n).Material; }
    void set(int n, double labor, double material) { item(n) = {labor, material}; }
    bool operator==(const PriceTable& other) const;
};

// The value of an extra charge text: digits with at most one regional decimal
// separator and an optional leading minus. Empty text gives 0. Open point, decided
// here: any other text ("." alone, "1e3", "inf", text not typed in the editor) counts
// as 0; ExtraChargeIsValid tells the editor so it may warn.
double ExtraChargeValue(const QString& text);
bool ExtraChargeIsValid(const QString& text);

// The result of pricing one sheet.
struct SheetPrice {
    double SquareFeet = 0;    // S, whole
    double LinearFeet = 0;    // N, whole
    double Labor = 0;         // A after discount and multiplier
    double Material = 0;      // B after discount and multiplier
    double LaborDiscount = 0; // d x A, taken before the multiplier (one copy of the area)
    double MaterialDiscount = 0;
    double Total = 0;         // Labor + Material
    double Discount() const { return LaborDiscount + MaterialDiscount; }
};

// Prices one sheet exactly as the rules say (area table, odd/even items by interior or
// exterior, the painting line as C x (S x price), extra charges, discount before the
// multiplier). Does not touch the sheet.
SheetPrice ComputeSheetPrice(const WorkSheet& sheet, const PriceTable& prices, int discountPercent);
// The same, and writes SquareFeet and SheetTotal (Total in general number form) back
// into the sheet.
SheetPrice PriceWorkSheet(WorkSheet& sheet, const PriceTable& prices, int discountPercent);

// Sheet completeness, for the editor.
struct SheetCompleteness {
    bool AreaWorkPresent = false;
    bool NeedsLength = false; // the surface and the work present need the dimension
    bool NeedsWidth = false;
    bool NeedsHeight = false;
    bool LengthMissing = false; // needed and 0
    bool WidthMissing = false;
    bool HeightMissing = false;
    bool Complete = false;      // area work present and no needed dimension is 0

    bool AreaWorkMissing() const { return !AreaWorkPresent; }
    bool DimensionsMissing() const { return LengthMissing || WidthMissing || HeightMissing; }
};
SheetCompleteness CheckSheetCompleteness(const WorkSheet& sheet);

// Keeps the invariants the editor keeps whenever a sheet is shown or changed: an
// exterior sheet has no closets and no wallpaper or border flags; Ceiling Only has
// height 0; 1 Wall Only has width 0; Floor Only has height 0 and no wallpaper or
// border flags.
void ApplyWorkSheetInvariants(WorkSheet& sheet);
