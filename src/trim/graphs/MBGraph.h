// The window of the Bonjean scale: created with the others, never filled and never shown.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class TMBGraphForm : public GraphWindow {
    Q_OBJECT

public:
    explicit TMBGraphForm(const ChartModel& MBGraphResults, QWidget* parent = nullptr);
};

}  // namespace hullcalc
