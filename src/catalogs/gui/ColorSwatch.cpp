#include "catalogs/gui/ColorSwatch.h"

#include <QPainter>
#include <QPen>

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setMinimumSize(24, 12);
}

void ColorSwatch::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), m_color);
    painter.end();
    QFrame::paintEvent(event);
}

RoundedColorArea::RoundedColorArea(QWidget* parent) : QWidget(parent) {}

void RoundedColorArea::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void RoundedColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(m_color);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
}
