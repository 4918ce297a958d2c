#include "widgets/results_charts.h"

#include "widgets/chart_looks.h"

namespace hullcalc {

std::vector<PrintedChart> resultsCharts(const ChartModel& loads, const ChartModel& shearForce,
                                        const ChartModel& bendingMoment)
{
    ChartLook loadLook;
    loadLook.barWidth = 0.8;
    loadLook.xTitle = "Шпация";
    loadLook.yTitle = "Нагрузка, кН";
    ChartLook forceLook = alongFrames("Перерезывающая сила, кН");
    ChartLook momentLook = alongFrames("Изгибающий момент, кН·м");
    for (ChartLook* marked : {&forceLook, &momentLook}) {
        marked->pointMarks = true;
        marked->markSize = 3;
    }
    return {{loads, loadLook}, {shearForce, forceLook}, {bendingMoment, momentLook}};
}

}  // namespace hullcalc
