// Draws a chart model with Qt Charts: one view per chart, rebuilt from the
// model whenever the calculation has refilled it.
#pragma once

#include "common/chart_model.h"

#include <QChartView>
#include <QColor>
#include <QLocale>

#include <optional>
#include <vector>

class QAbstractSeries;
class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace hullcalc {

// How a chart looks, beyond what its model says.
struct ChartLook {
    bool showTitle = true;
    QColor titleColour = Qt::black;
    bool boldTitle = false;
    bool legend = false;
    bool pointMarks = false;  // a small mark at every point
    qreal markSize = 4.0;
    bool pointLabels = false;  // each point's value written beside it
    bool shadedBackground = false;
    std::optional<double> yMinimum;  // fixed lower end of the vertical axis
    // Abscissae that number frames or spacings: the axis spans exactly these
    // and is labelled with whole numbers.
    std::optional<std::pair<int, int>> frameAxis;
    qreal barWidth = 0.8;  // share of the slot a bar takes
    QString xTitle;        // quantity and unit along each axis
    QString yTitle;
};

// Numbers with a decimal comma and without group separators, for axis labels.
QLocale chartLocale();

class ChartView : public QChartView {
    Q_OBJECT

public:
    ChartView(const ChartModel& model, const ChartLook& look, QWidget* parent = nullptr);

    const ChartModel& model() const { return model_; }
    const ChartLook& look() const { return look_; }

    // Redraws the chart from its model. A chart out of sight (a hidden page or
    // window) is redrawn when it is next shown: laying out axes is the costly
    // part of a calculation's refresh.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void redraw();
    void buildSeries();
    void fitAxes();

    const ChartModel& model_;
    ChartLook look_;
    QValueAxis* axisX_ = nullptr;
    QBarCategoryAxis* categoryAxis_ = nullptr;
    QValueAxis* axisY_ = nullptr;
    std::vector<QAbstractSeries*> series_;  // one per model series, same order
    bool stale_ = false;
};

}  // namespace hullcalc
