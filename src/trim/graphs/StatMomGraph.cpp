#include "trim/graphs/StatMomGraph.h"

namespace hullcalc {

TStatMomGraphForm::TStatMomGraphForm(const ChartModel& StatMomGraphResults, QWidget* parent)
    : GraphWindow("StatMomGraphForm", "Статический момент", QSize(700, 500), parent)
{
    addChart(StatMomGraphResults, ChartLook{})->setObjectName("StatMomGraphResults");
}

}  // namespace hullcalc
