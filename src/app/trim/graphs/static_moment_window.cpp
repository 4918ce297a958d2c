#include "trim/graphs/static_moment_window.h"

#include "trim/trim_window_names.h"
#include "widgets/chart_looks.h"
#include "widgets/legend_widget.h"
#include "widgets/qt_text.h"

#include <QHBoxLayout>

namespace hullcalc {

namespace names = graphWindowNames;

StaticMomentWindow::StaticMomentWindow(const ChartModel& staticMomentCurves, QWidget* parent)
    : GraphWindow(toQString(names::staticMomentWindow), "Статический момент", QSize(700, 500), parent)
{
    // One curve per frame: the 21 names in two columns beside the chart.
    auto* chartArea = new QWidget(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartArea, 1);
    ChartLook look = againstDraft("Статический момент, м³", "Высота от основной линии, м");
    look.seriesNames = frameNames();
    ChartView* chart = addChart(staticMomentCurves, look, chartArea);
    chart->setObjectName(toQString(names::staticMomentChart));
    layout->addWidget(new LegendWidget(*chart, 2, this));
}

}  // namespace hullcalc
