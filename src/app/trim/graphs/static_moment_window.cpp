#include "trim/graphs/static_moment_window.h"

#include "presentation/trim_window_names.h"
#include "widgets/chart_looks.h"
#include "widgets/qt_text.h"

namespace hullcalc {

namespace names = graphWindowNames;

StaticMomentWindow::StaticMomentWindow(const ChartModel& staticMomentCurves, QWidget* parent)
    : GraphWindow(toQString(names::staticMomentWindow), "Статический момент", QSize(700, 500), parent)
{
    // One curve per frame: the 21 names in two columns beside the chart.
    ChartLook look = againstDraft("Статический момент, м³", "Высота от основной линии, м");
    look.seriesNames = frameNames();
    addChartWithLegend(staticMomentCurves, look, 2)->setObjectName(toQString(names::staticMomentChart));
}

}  // namespace hullcalc
