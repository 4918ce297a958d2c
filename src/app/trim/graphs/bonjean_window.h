// The window of the Bonjean scale: created with the others, never filled and never shown.
#pragma once

#include "widgets/graph_window.h"

namespace hullcalc {

class BonjeanWindow : public GraphWindow {
    Q_OBJECT

public:
    explicit BonjeanWindow(const ChartModel& bonjeanCurves, QWidget* parent = nullptr);
};

}  // namespace hullcalc
