#pragma once

#include <QString>
#include <optional>
#include <vector>

// One row of the price sheet list.
struct PriceListRow {
    int ItemNumber = 0;
    QString Description;
    double LaborPrice = 0;
    double MaterialPrice = 0;
    // The database's own text of the stored numbers ("0.21", "22.0"): what the user edits.
    QString LaborText;
    QString MaterialText;
};

// Items the price sheet window neither shows nor edits: the last rows of the list
// (closets and the wallpaper items).
inline constexpr int kPriceRowsHidden = 5;

// The price list in the order tblPrices returns it. With a document number the labour
// and material prices are the ones frozen with that document; descriptions stay current.
// The last kPriceRowsHidden rows are left out.
std::vector<PriceListRow> QueryPriceList(std::optional<int> documentNumber);

// Writes the two prices of one item: into tblSavedPrices of the document when a number
// is given, into the company-wide tblPrices otherwise.
void SavePriceItem(int itemNumber, double laborPrice, double materialPrice,
                   std::optional<int> documentNumber);

// A typed price as a number: the locale's decimal separator (or a point) separates the
// decimals; a text without any digit counts as 0.
double PriceFromText(const QString& text);
// A stored price as the user edits it: plain decimal digits (never an exponent, which
// the key filter would turn into another number) with the locale's separator.
QString PriceEditText(double storedPrice);
