// The window of the Bonjean scale: the immersed areas of the frames and, on the
// second page, their static moments, each frame's curve at its station along
// the hull, with the design waterline across them.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class BonjeanWindow : public GraphWindow {
    Q_OBJECT

public:
    BonjeanWindow(const ChartModel& areaCurves, const ChartModel& momentCurves, QWidget* parent = nullptr);
};

}  // namespace hullcalc
