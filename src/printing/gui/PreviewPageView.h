#pragma once

#include "printing/DisplayList.h"

#include <QWidget>

// Draws one page of a run at a zoom factor, with a shadow and a margin around it.
class PreviewPageView : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPageView(QWidget* parent = nullptr);

    void setPage(const DisplayPage* page);
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pixelsPerInch() const;
    QSize pagePixels() const;
    QPoint pageOrigin() const;

    const DisplayPage* m_page = nullptr;
    int m_zoom = 100;
};
