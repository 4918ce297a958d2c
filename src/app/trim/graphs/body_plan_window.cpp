#include "trim/graphs/body_plan_window.h"

#include "presentation/trim_window_names.h"
#include "widgets/legend_widget.h"
#include "widgets/qt_text.h"

#include <QHBoxLayout>

namespace hullcalc {

namespace names = graphWindowNames;

BodyPlanWindow::BodyPlanWindow(const ChartModel& bodyPlan, QWidget* parent)
    : GraphWindow(toQString(names::bodyPlanWindow), "Ординаты теоретического чертежа", QSize(700, 500), parent)
{
    auto* chartArea = new QWidget(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartArea, 1);
    // The frames' shapes drawn true: a metre across as long as a metre up.
    ChartLook look;
    look.xTitle = "Полуширина, м";
    look.yTitle = "Высота от основной линии, м";
    look.equalScales = true;
    ChartView* chart = addChart(bodyPlan, look, chartArea);
    chart->setObjectName(toQString(names::bodyPlanChart));
    // All 21 frames are listed, in two columns beside the chart.
    auto* legend = new LegendWidget(*chart, 2, this);
    legend->setObjectName(toQString(names::bodyPlanLegend));
    layout->addWidget(legend);
}

}  // namespace hullcalc
