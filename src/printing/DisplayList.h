#pragma once

#include "printing/ReportLayout.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <variant>
#include <vector>

// Paginated output: pages of primitives in device-independent units of 1/1000 inch,
// ready to be painted on any device.
inline constexpr int kUnitsPerInch = 1000;

int ToUnits(double inches);

struct DisplayFont {
    QString family;
    int pixelSize = 0;  // in 1/1000 inch
    bool bold = false;
    bool italic = false;
    QColor color;
};

// One line of text no wider than its box; never wrapped when painted.
struct DisplayText {
    QRect box;
    QString text;
    DisplayFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct DisplayLine {
    QPoint from;
    QPoint to;
    QColor color;
    LineStyle style = LineStyle::Solid;
};

struct DisplayRect {
    QRect box;
    QColor fill;  // invalid: not filled
    QColor borderColor;
    bool border = true;
    LineStyle borderStyle = LineStyle::Solid;
    int cornerRadius = 0;
};

struct DisplayImage {
    QRect box;
    QImage image;
};

using DisplayPrimitive = std::variant<DisplayText, DisplayLine, DisplayRect, DisplayImage>;

struct DisplayPage {
    QSize size;  // in 1/1000 inch
    std::vector<DisplayPrimitive> primitives;
};

struct DisplayDocument {
    std::vector<DisplayPage> pages;

    // One line per page and per primitive, for comparing layouts in tests.
    QString dump() const;
    // The texts of one page, top to bottom as placed.
    QStringList pageTexts(int pageIndex) const;
};
