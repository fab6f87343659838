#include "reports/gui/ReportChart.h"

#include "app/Regional.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace {

// Sales, labor and material in blues, taxes in oranges, so the kinds read apart.
QColor SetColor(const QString& name)
{
    if (name == QLatin1String("Sales Total") || name == QLatin1String("Labor Sales"))
        return QColor(0x2f, 0x6f, 0xb3);
    if (name == QLatin1String("Material Sales"))
        return QColor(0x8c, 0xb8, 0xe4);
    if (name == QLatin1String("Tax Total") || name == QLatin1String("Labor Tax"))
        return QColor(0xd9, 0x7a, 0x1e);
    return QColor(0xf2, 0xbf, 0x7e);
}

// Month labels turn upright once there are more than a handful; the axis hides those
// that would run into their neighbours.
constexpr int kFlatLabelMonths = 6;

} // namespace

ReportChart::ReportChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("chtReport"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    auto* chart = new QChart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    setChart(chart);
    hide();
}

QSize ReportChart::minimumSizeHint() const
{
    return QSize(260, 220);
}

void ReportChart::showData(const ReportChartData& data)
{
    m_data = data;
    QChart* chart = this->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    if (data.empty()) {
        hide();
        return;
    }

    QAbstractBarSeries* series = data.stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                              : static_cast<QAbstractBarSeries*>(new QBarSeries);
    for (const ReportChartData::Set& set : data.sets) {
        auto* bars = new QBarSet(set.name);
        bars->setColor(SetColor(set.name));
        bars->setBorderColor(SetColor(set.name).darker(130));
        QList<qreal> values;
        values.reserve(qsizetype(set.values.size()));
        for (double value : set.values)
            values << value;
        bars->append(values);
        series->append(bars);
    }
    series->setBarWidth(data.categories.size() > 24 ? 0.9 : 0.7);
    chart->addSeries(series);

    auto* months = new QBarCategoryAxis;
    months->append(data.categories);
    months->setLabelsAngle(data.categories.size() > kFlatLabelMonths ? -90 : 0);
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);

    auto* amounts = new QValueAxis;
    const auto [low, high] = data.valueRange();
    amounts->setRange(low, high > low ? high : low + 1);
    amounts->applyNiceNumbers();
    amounts->setLabelFormat(QString(Regional::Locale().currencySymbol()) + QStringLiteral("%.0f"));
    chart->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);

    show();
}
