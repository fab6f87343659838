#pragma once

#include "reports/ReportChartData.h"

#include <QChartView>

class QChart;

// The bar chart beside the report list. It draws what it is given and is hidden while
// there is nothing to draw.
class ReportChart : public QChartView {
    Q_OBJECT
public:
    explicit ReportChart(QWidget* parent = nullptr);

    void showData(const ReportChartData& data);
    const ReportChartData& data() const { return m_data; }

    QSize minimumSizeHint() const override;

private:
    ReportChartData m_data;
};
