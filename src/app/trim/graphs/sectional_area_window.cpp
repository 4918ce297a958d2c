#include "trim/graphs/sectional_area_window.h"

#include "presentation/trim_window_names.h"
#include "widgets/chart_looks.h"
#include "widgets/qt_text.h"

namespace hullcalc {

namespace names = graphWindowNames;

SectionalAreaWindow::SectionalAreaWindow(const ChartModel& sectionalAreaCurves, QWidget* parent)
    : GraphWindow(toQString(names::sectionalAreaWindow), "Строевая по шпангоутам", QSize(700, 500), parent)
{
    // Sectional areas along the hull: x is the frame row, 1 (frame 0) to 21,
    // labelled with the frame's number; one curve per waterline, named in the
    // legend beside the chart.
    ChartLook look = alongFrameRows("Погруженная площадь, м²");
    look.seriesNames = waterlineNames();
    addChartWithLegend(sectionalAreaCurves, look, 1)->setObjectName(toQString(names::sectionalAreaChart));
}

}  // namespace hullcalc
