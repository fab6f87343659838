#pragma once

#include <QLabel>

// A label that acts like a link: underlined, a hand cursor, and a click (or Space or
// Enter while it has the focus) reports activation.
class TodayLabel : public QLabel {
    Q_OBJECT
public:
    explicit TodayLabel(QWidget* parent = nullptr);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
