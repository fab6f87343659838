#include "reports/gui/ReportChart.h"

#include "app/Regional.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <memory>

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

// Month labels turn upright once there are more than a handful; beyond two years they
// would only be elided, so the chart's title names the first and last month instead.
constexpr int kFlatLabelMonths = 6;
constexpr int kLabelledMonths = 24;

QChart* NewChart()
{
    auto* chart = new QChart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // A narrow chart cuts the names of its bars short; the tip shows them whole.
    chart->legend()->setShowToolTips(true);
    QFont small = chart->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    chart->legend()->setFont(small);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

} // namespace

ReportChart::ReportChart(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("chtReport"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    setChart(NewChart());
    hide();
}

QSize ReportChart::minimumSizeHint() const
{
    return QSize(260, 220);
}

void ReportChart::showData(const ReportChartData& data)
{
    m_data = data;
    // A new chart each time: axes taken off a chart leave their old labels drawn on it.
    std::unique_ptr<QChart> previous(this->chart());
    QChart* chart = NewChart();
    setChart(chart);
    previous.reset();
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
    // Too many months for a label each: the axis names the first and the last instead.
    if (data.categories.size() > kLabelledMonths) {
        months->setLabelsVisible(false);
        chart->setTitle(data.categories.first() + QStringLiteral(" – ") + data.categories.last());
    }
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
