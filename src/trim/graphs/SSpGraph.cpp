#include "trim/graphs/SSpGraph.h"

#include "trim/trim_sheet.h"

namespace hullcalc {

TSSpGraphForm::TSSpGraphForm(const ChartModel& SSpGraphResults, QWidget* parent)
    : GraphWindow("SSpGraphForm", "Строевая по шпангоутам", QSize(700, 500), parent)
{
    // Sectional areas along the hull: x is the frame row, 1 (frame 0) to 21.
    ChartLook look;
    look.frameAxis = std::pair(1, frameCount);
    addChart(SSpGraphResults, look)->setObjectName("SSpGraphResults");
}

}  // namespace hullcalc
