#pragma once

#include "documents/CurrentDocument.h"

#include <QStringList>
#include <functional>

// The work description text: the lines the print service turns into the
// rows of the invoice layout (feed DataViewInvoice, one row per line).
//
// Usage from the print service:
//
//     DescriptionWrap wrap = DescriptionWrap::Measured(
//         [&metrics](const QString& s) { return metrics.horizontalAdvance(s); }, columnWidth);
//     BuildDescription(state.currentDocument, state.companySettings, wrap);
//     // state.currentDocument.Description now holds one printed row per entry.
//
// or DescriptionWrap::Characters(90) for a fixed character count, or
// DescriptionWrap::None() for the logical lines unwrapped.

// How wide a printed line may be.
struct DescriptionWrap {
    // Width of a text, in any unit the caller likes (pixels, layout units). When empty,
    // the width of a text is its number of characters.
    std::function<double(const QString&)> measure;
    // A line whose width is above this is broken between words. 0 or less: no wrapping.
    double maxWidth = 0;

    static DescriptionWrap None() { return {}; }
    static DescriptionWrap Characters(int count) { return {{}, double(count)}; }
    static DescriptionWrap Measured(std::function<double(const QString&)> measure, double maxWidth)
    {
        return {std::move(measure), maxWidth};
    }
};

// The logical lines, unwrapped: for each sheet in list order the name,
// information, surface preparation, add-ons, wallpaper, extra charges, notes, "SQFT : "
// and "Total : " lines and an empty line (each governed by the company's print
// options), then the document notes. Line breaks inside notes (CR LF, LF or CR) give
// separate lines. Reads the sheets' SquareFeet and SheetTotal as last computed
// (ComputeTotals).
QStringList DescriptionLines(const CurrentDocument& document, const CompanySettings& settings);

// Breaks each line whose width is above wrap.maxWidth into several, between words (at
// blanks; the blanks at a break are dropped). A single word wider than the limit is
// broken between characters. A line that fits is kept exactly, trailing blanks too.
QStringList WrapLines(const QStringList& lines, const DescriptionWrap& wrap);

// Empties document.Description and fills it with WrapLines(DescriptionLines(...)).
void BuildDescription(CurrentDocument& document, const CompanySettings& settings,
                      const DescriptionWrap& wrap);
