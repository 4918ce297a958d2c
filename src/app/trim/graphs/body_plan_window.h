// The body-plan window: each frame's half-breadth against height, the fore
// body to the right and the aft body mirrored to the left.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class BodyPlanWindow : public GraphWindow {
    Q_OBJECT

public:
    explicit BodyPlanWindow(const ChartModel& bodyPlan, QWidget* parent = nullptr);
};

}  // namespace hullcalc
