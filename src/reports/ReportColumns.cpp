#include "reports/ReportColumns.h"

#include <algorithm>
#include <cmath>

namespace {

// W/n rounded to a whole pixel, less k; never below nothing.
int Share(int listWidth, int parts, int less)
{
    const int share = int(std::lround(double(listWidth) / parts)) - less;
    // A list too narrow for a share still shows its column, one pixel wide.
    return std::max(1, share);
}

} // namespace

QStringList ReportColumnLayout::printedTitles() const
{
    QStringList out;
    for (int column = 0; column < kReportShownColumns; ++column)
        out << titles[size_t(column)];
    return out;
}

std::array<QString, 3> TaxColumnTitles(const std::array<QString, 3>& taxNames)
{
    std::array<QString, 3> titles;
    for (int i = 0; i < 3; ++i) {
        const QString& name = taxNames[size_t(i)];
        titles[size_t(i)] = name.isEmpty() ? QStringLiteral("Tax %1").arg(i + 1) : name;
    }
    return titles;
}

ReportColumnLayout ReportColumnsFor(ReportKind kind, bool summarised, int listWidth,
                                    const std::array<QString, 3>& taxTitles)
{
    ReportColumnLayout layout;
    auto show = [&](int column, const QString& title, int parts, int less) {
        layout.titles[size_t(column)] = title;
        layout.widths[size_t(column)] = Share(listWidth, parts, less);
    };
    const QString date = QStringLiteral("Date");
    const QString type = QStringLiteral("Type");
    const QString taxTotal = QStringLiteral("Tax Total");
    const QString salesTotal = QStringLiteral("Sales Total");

    switch (kind) {
    case ReportKind::SalesAndTax:
        if (summarised) {
            show(ReportCol::Date, date, 3, 5);
            show(ReportCol::TaxTotal, taxTotal, 3, 5);
            show(ReportCol::SalesTotal, salesTotal, 3, 5);
        } else {
            show(ReportCol::Date, date, 7, 1);
            show(ReportCol::Type, type, 7, 1);
            show(ReportCol::Tax1, taxTitles[0], 7, 1);
            show(ReportCol::Tax2, taxTitles[1], 7, 2);
            show(ReportCol::Tax3, taxTitles[2], 7, 2);
            show(ReportCol::TaxTotal, taxTotal, 7, 2);
            show(ReportCol::SalesTotal, salesTotal, 7, 2);
        }
        break;
    case ReportKind::Sales:
        if (summarised) {
            show(ReportCol::Date, date, 2, 8);
            show(ReportCol::SalesTotal, salesTotal, 2, 8);
        } else {
            show(ReportCol::Date, date, 3, 5);
            show(ReportCol::Type, type, 3, 5);
            show(ReportCol::SalesTotal, salesTotal, 3, 5);
        }
        break;
    case ReportKind::Tax:
        // The last column carries the tax total here, and says so.
        if (summarised) {
            show(ReportCol::Date, date, 2, 8);
            show(ReportCol::SalesTotal, taxTotal, 2, 8);
        } else {
            show(ReportCol::Date, date, 6, 2);
            show(ReportCol::Type, type, 6, 2);
            show(ReportCol::Tax1, taxTitles[0], 6, 2);
            show(ReportCol::Tax2, taxTitles[1], 6, 2);
            show(ReportCol::Tax3, taxTitles[2], 6, 2);
            show(ReportCol::SalesTotal, taxTotal, 6, 2);
        }
        break;
    }
    return layout;
}
