// The base of the graph windows: a top-level window around chart views that
// closing only hides, keeping its charts.
#pragma once

#include "widgets/chart_view.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace hullcalc {

class GraphWindow : public QWidget {
    Q_OBJECT

public:
    GraphWindow(const QString& objectName, const QString& caption, QSize size, QWidget* parent = nullptr);

public slots:
    // Redraws every chart from its model.
    void refresh();
    // The input changed since the charts were computed: a notice above them.
    void setResultsOutdated(bool outdated);

protected:
    // Adds a chart view that fills the window (or `container`, when given).
    ChartView* addChart(const ChartModel& model, const ChartLook& look, QWidget* container = nullptr);
    // Adds a chart view that fills the window with a legend of `columns`
    // columns beside it, listing every curve by name.
    ChartView* addChartWithLegend(const ChartModel& model, const ChartLook& look, int columns);

    std::vector<ChartView*> charts_;

private:
    QString caption_;
    QLabel* outdatedNotice_ = nullptr;
};

}  // namespace hullcalc
