// A chart legend laid out in columns of our own choosing. Qt Charts' legend
// silently drops the entries it has no room for; this one always lists every
// series of its chart.
#pragma once

#include "common/chart_model.h"

#include <QWidget>

namespace hullcalc {

class LegendWidget : public QWidget {
    Q_OBJECT

public:
    LegendWidget(const ChartModel& chart, int columns, QWidget* parent = nullptr);

    // The titles listed, in the order of the chart's series.
    QStringList titles() const;
};

}  // namespace hullcalc
