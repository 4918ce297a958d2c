#include "widgets/results_charts.h"

#include "common/hull_frames.h"

namespace hullcalc {

std::vector<PrintedChart> resultsCharts(const ChartModel& loads, const ChartModel& shearForce,
                                        const ChartModel& bendingMoment)
{
    ChartLook look;
    look.titleColour = Qt::blue;
    look.barWidth = 0.8;
    ChartLook marked = look;
    marked.pointMarks = true;
    marked.markSize = 3;
    marked.frameAxis = std::pair(0, frameCount - 1);
    marked.xTitle = "Шпангоут";
    ChartLook loadLook = look;
    loadLook.xTitle = "Шпация";
    loadLook.yTitle = "Нагрузка, кН";
    ChartLook forceLook = marked;
    forceLook.yTitle = "Перерезывающая сила, кН";
    ChartLook momentLook = marked;
    momentLook.yTitle = "Изгибающий момент, кН·м";
    return {{loads, loadLook}, {shearForce, forceLook}, {bendingMoment, momentLook}};
}

}  // namespace hullcalc
