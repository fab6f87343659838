#include "printing/gui/PreviewPageView.h"

#include "printing/PagePainter.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int kShadow = 2;
constexpr double kMargin = 0.05;
} // namespace

PreviewPageView::PreviewPageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPageView"));
}

void PreviewPageView::setPage(const DisplayPage* page)
{
    m_page = page;
    resize(sizeHint());
    update();
}

void PreviewPageView::setZoom(int percent)
{
    m_zoom = percent;
    resize(sizeHint());
    update();
}

double PreviewPageView::pixelsPerInch() const
{
    return logicalDpiX() * m_zoom / 100.0;
}

QSize PreviewPageView::pagePixels() const
{
    if (!m_page)
        return QSize();
    const double scale = pixelsPerInch() / kUnitsPerInch;
    return QSize(static_cast<int>(std::lround(m_page->size.width() * scale)),
                 static_cast<int>(std::lround(m_page->size.height() * scale)));
}

QPoint PreviewPageView::pageOrigin() const
{
    const QSize page = pagePixels();
    return QPoint(static_cast<int>(page.width() * kMargin), static_cast<int>(page.height() * kMargin));
}

QSize PreviewPageView::sizeHint() const
{
    const QSize page = pagePixels();
    const QPoint origin = pageOrigin();
    return QSize(page.width() + 2 * origin.x() + kShadow, page.height() + 2 * origin.y() + kShadow);
}

void PreviewPageView::paintEvent(QPaintEvent*)
{
    if (!m_page)
        return;
    QPainter painter(this);
    const QSize page = pagePixels();
    // Centred when the window is wider than the page.
    const QPoint origin(std::max(pageOrigin().x(), (width() - page.width()) / 2), pageOrigin().y());
    painter.fillRect(QRect(origin + QPoint(kShadow, kShadow), page), Qt::black);
    painter.fillRect(QRect(origin, page), Qt::white);
    painter.translate(origin);
    painter.setClipRect(QRect(QPoint(0, 0), page));
    PaintDisplayPage(painter, *m_page, pixelsPerInch());
}
