#include "trim/graphs/MBGraph.h"

namespace hullcalc {

TMBGraphForm::TMBGraphForm(const ChartModel& MBGraphResults, QWidget* parent)
    : GraphWindow("MBGraphForm", "Масштаб Бонжана", QSize(696, 480), parent)
{
    addChart(MBGraphResults, ChartLook{})->setObjectName("MBGraphResults");
}

}  // namespace hullcalc
