#pragma once

#include <QColor>
#include <QFrame>

// A plain area filled with one colour: the bars under the document-kind samples and
// the planner colour swatches.
class ColorSwatch : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};

// The signature area: a dotted rounded rectangle filled with the acceptance colour,
// holding the widgets laid out inside it.
class RoundedColorArea : public QWidget {
    Q_OBJECT
public:
    explicit RoundedColorArea(QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};
