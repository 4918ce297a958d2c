// The window of the sectional-area curves: the immersed area of every frame along the hull, one curve per waterline.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class TSSpGraphForm : public GraphWindow {
    Q_OBJECT

public:
    explicit TSSpGraphForm(const ChartModel& SSpGraphResults, QWidget* parent = nullptr);
};

}  // namespace hullcalc
