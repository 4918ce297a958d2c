#include "trim/graphs/sectional_area_window.h"

#include "common/hull_frames.h"
#include "trim/trim_window_names.h"
#include "widgets/qt_text.h"

namespace hullcalc {

namespace names = graphWindowNames;

SectionalAreaWindow::SectionalAreaWindow(const ChartModel& sectionalAreaCurves, QWidget* parent)
    : GraphWindow(toQString(names::sectionalAreaWindow), "Строевая по шпангоутам", QSize(700, 500), parent)
{
    // Sectional areas along the hull: x is the frame row, 1 (frame 0) to 21,
    // labelled with the frame's number.
    ChartLook look;
    look.frameAxis = std::pair(1, frameCount);
    look.firstFrameNumber = 0;
    look.xTitle = "Шпангоут";
    look.yTitle = "Погруженная площадь, м²";
    addChart(sectionalAreaCurves, look)->setObjectName(toQString(names::sectionalAreaChart));
}

}  // namespace hullcalc
