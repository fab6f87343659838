#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// A report layout held as plain data: a page with positioned items and regions of
// bands. Positions and sizes are inches; items inside a band are placed from the band's
// top-left corner. A run works on its own copy, so nothing it changes survives it.

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
};

enum class ReportItemKind {
    Text,        // one line, cut with an ellipsis at its box width; without a width it
                 // reaches to the right edge of its band or page
    Memo,        // wraps inside its box and is cut at its bottom
    PageNumber,  // "Page N of’ M"
    Rectangle,
    Line,        // horizontal, `width` long
    Picture,
};

// Where a text item takes its words from.
enum class TextSource { Literal, Parameter, Column };

enum class LineStyle { Solid, Dotted };

struct ReportItem {
    QString name;
    ReportItemKind kind = ReportItemKind::Text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visible = true;

    // Text, memo: literal text, or the name of a parameter or feed column.
    TextSource source = TextSource::Literal;
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    // Memo on the page: text that does not fit goes on to further pages instead of
    // being cut.
    bool continues = false;

    // Rectangle and line.
    QColor fillColor;  // invalid: no fill
    QColor lineColor = Qt::black;
    bool border = true;
    LineStyle lineStyle = LineStyle::Solid;
    double cornerRadius = 0;

    // Picture: drawn scaled to the box width with its proportions kept.
    QImage picture;
};

struct ReportBand {
    QString name;
    double height = 0;
    // A data band prints once per row of the region's feed; a plain band once after them.
    bool dataBand = false;
    bool visible = true;
    std::vector<ReportItem> items;
};

struct ReportRegion {
    QString name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString feedName;
    std::vector<ReportBand> bands;
};

struct ReportLayout {
    QString name;
    double pageWidth = 8.5;
    double pageHeight = 11.0;
    std::vector<ReportItem> items;
    std::vector<ReportRegion> regions;
    // The named string parameters the layout knows, and the values set for this run.
    QStringList parameterNames;
    QHash<QString, QString> parameters;

    // Items by name, on the page or inside any band; nullptr when there is none.
    ReportItem* item(const QString& itemName);
    const ReportItem* item(const QString& itemName) const;
    ReportRegion* region(const QString& regionName);
    ReportBand* band(const QString& bandName);

    // A parameter that is never set prints empty.
    void setParameter(const QString& parameterName, const QString& value);
    QString parameter(const QString& parameterName) const;
};
