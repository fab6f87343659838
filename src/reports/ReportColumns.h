#pragma once

#include "reports/ReportRows.h"

#include <QString>
#include <QStringList>
#include <array>

// Titles and widths of the list's columns for one kind and form of report.
struct ReportColumnLayout {
    std::array<QString, kReportColumnCount> titles;
    // In pixels; a column of width 0 is hidden and prints neither heading nor values.
    std::array<int, kReportColumnCount> widths{};

    bool shown(int column) const { return widths[size_t(column)] > 0; }
    // The titles of the seven shown-or-printed columns, left to right.
    QStringList printedTitles() const;
};

// The tax column titles: the company's tax names, "Tax 1" to "Tax 3" where a name is empty.
std::array<QString, 3> TaxColumnTitles(const std::array<QString, 3>& taxNames);

// The columns for a list `listWidth` pixels wide.
ReportColumnLayout ReportColumnsFor(ReportKind kind, bool summarised, int listWidth,
                                    const std::array<QString, 3>& taxTitles);
