#include "printing/PagePainter.h"

#include "printing/TextMeasure.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Thin lines and borders: about half a point.
constexpr int kLineWidth = 8;

QPen LinePen(const QColor& color, LineStyle style)
{
    QPen pen(color, kLineWidth);
    pen.setStyle(style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

struct Painter {
    QPainter& painter;

    void operator()(const DisplayText& text) const
    {
        painter.setFont(TextMeasure::ToQFont(text.font));
        painter.setPen(text.font.color);
        painter.drawText(QRectF(text.box), static_cast<int>(text.alignment | Qt::AlignTop) |
                                               Qt::TextSingleLine | Qt::TextDontClip,
                         text.text);
    }
    void operator()(const DisplayLine& line) const
    {
        painter.setPen(LinePen(line.color, line.style));
        painter.drawLine(line.from, line.to);
    }
    void operator()(const DisplayRect& rect) const
    {
        painter.setPen(rect.border ? LinePen(rect.borderColor, rect.borderStyle) : QPen(Qt::NoPen));
        painter.setBrush(rect.fill.isValid() ? QBrush(rect.fill) : QBrush(Qt::NoBrush));
        if (rect.cornerRadius > 0)
            painter.drawRoundedRect(QRectF(rect.box), rect.cornerRadius, rect.cornerRadius);
        else
            painter.drawRect(QRectF(rect.box));
        painter.setBrush(Qt::NoBrush);
    }
    void operator()(const DisplayImage& image) const
    {
        painter.drawImage(QRectF(image.box), image.image);
    }
};

} // namespace

void PaintDisplayPage(QPainter& painter, const DisplayPage& page, double devicePixelsPerInch)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = devicePixelsPerInch / kUnitsPerInch;
    painter.scale(scale, scale);
    for (const auto& primitive : page.primitives)
        std::visit(Painter{painter}, primitive);
    painter.restore();
}
