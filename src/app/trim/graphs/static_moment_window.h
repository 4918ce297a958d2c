// The window of the static moments of the immersed sections about the base
// line against height, one curve per frame.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class StaticMomentWindow : public GraphWindow {
    Q_OBJECT

public:
    explicit StaticMomentWindow(const ChartModel& staticMomentCurves, QWidget* parent = nullptr);
};

}  // namespace hullcalc
