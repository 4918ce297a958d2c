#include "trim/graphs/static_moment_window.h"

#include "trim/trim_window_names.h"
#include "widgets/qt_text.h"

namespace hullcalc {

namespace names = graphWindowNames;

StaticMomentWindow::StaticMomentWindow(const ChartModel& staticMomentCurves, QWidget* parent)
    : GraphWindow(toQString(names::staticMomentWindow), "Статический момент", QSize(700, 500), parent)
{
    ChartLook look;
    look.xTitle = "Статический момент, м³";
    look.yTitle = "Высота от основной линии, м";
    addChart(staticMomentCurves, look)->setObjectName(toQString(names::staticMomentChart));
}

}  // namespace hullcalc
