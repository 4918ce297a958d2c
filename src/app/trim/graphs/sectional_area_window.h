// The window of the sectional-area curves: the immersed area of every frame
// along the hull, one curve per waterline.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class SectionalAreaWindow : public GraphWindow {
    Q_OBJECT

public:
    explicit SectionalAreaWindow(const ChartModel& sectionalAreaCurves, QWidget* parent = nullptr);
};

}  // namespace hullcalc
