// A chart legend laid out in columns of our own choosing. Qt Charts' legend
// silently drops the entries it has no room for; this one always lists every
// line of its chart.
#pragma once

#include <QWidget>

namespace hullcalc {

class ChartView;

class LegendWidget : public QWidget {
    Q_OBJECT

public:
    // Lists the chart's lines by the names and colours the view draws them
    // with, in the order of its model.
    LegendWidget(const ChartView& chart, int columns, QWidget* parent = nullptr);

    // The names listed, in the order of the chart's series.
    QStringList titles() const;
    const ChartView& chart() const { return chart_; }

private:
    const ChartView& chart_;
};

}  // namespace hullcalc
