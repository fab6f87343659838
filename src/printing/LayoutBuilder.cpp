#include "printing/LayoutBuilder.h"

namespace LayoutBuilder {

namespace {

ReportItem TextItem(const QString& name, double left, double top, double width, TextSource source,
                    const QString& text, const ReportFont& font, Qt::Alignment alignment)
{
    ReportItem item;
    item.name = name;
    item.kind = ReportItemKind::Text;
    item.left = left;
    item.top = top;
    item.width = width;
    item.source = source;
    item.text = text;
    item.font = font;
    item.alignment = alignment;
    return item;
}

} // namespace

ReportFont Font(double pointSize, bool bold, QColor color)
{
    ReportFont font;
    font.pointSize = pointSize;
    font.bold = bold;
    font.color = color;
    return font;
}

ReportItem Label(const QString& name, double left, double top, double width, const QString& text,
                 const ReportFont& font, Qt::Alignment alignment)
{
    return TextItem(name, left, top, width, TextSource::Literal, text, font, alignment);
}

ReportItem Param(const QString& name, double left, double top, double width, const QString& parameter,
                 const ReportFont& font, Qt::Alignment alignment)
{
    return TextItem(name, left, top, width, TextSource::Parameter, parameter, font, alignment);
}

ReportItem Field(const QString& name, double left, double top, double width, const QString& column,
                 const ReportFont& font, Qt::Alignment alignment)
{
    return TextItem(name, left, top, width, TextSource::Column, column, font, alignment);
}

ReportItem Memo(const QString& name, double left, double top, double width, double height,
                TextSource source, const QString& text, const ReportFont& font)
{
    ReportItem item = TextItem(name, left, top, width, source, text, font, Qt::AlignLeft);
    item.kind = ReportItemKind::Memo;
    item.height = height;
    return item;
}

ReportItem PageNumber(const QString& name, double left, double top, double width, const ReportFont& font)
{
    ReportItem item = TextItem(name, left, top, width, TextSource::Literal, QString(), font, Qt::AlignRight);
    item.kind = ReportItemKind::PageNumber;
    return item;
}

ReportItem Box(const QString& name, double left, double top, double width, double height, QColor fill)
{
    ReportItem item;
    item.name = name;
    item.kind = ReportItemKind::Rectangle;
    item.left = left;
    item.top = top;
    item.width = width;
    item.height = height;
    item.fillColor = fill;
    return item;
}

ReportItem HLine(const QString& name, double left, double top, double width, LineStyle style, QColor color)
{
    ReportItem item;
    item.name = name;
    item.kind = ReportItemKind::Line;
    item.left = left;
    item.top = top;
    item.width = width;
    item.lineStyle = style;
    item.lineColor = color;
    return item;
}

ReportItem Picture(const QString& name, double left, double top, double width, double height)
{
    ReportItem item;
    item.name = name;
    item.kind = ReportItemKind::Picture;
    item.left = left;
    item.top = top;
    item.width = width;
    item.height = height;
    return item;
}

ReportBand DataBand(const QString& name, double height, std::vector<ReportItem> items)
{
    return ReportBand{name, height, true, true, std::move(items)};
}

ReportBand PlainBand(const QString& name, double height, std::vector<ReportItem> items)
{
    return ReportBand{name, height, false, true, std::move(items)};
}

} // namespace LayoutBuilder
