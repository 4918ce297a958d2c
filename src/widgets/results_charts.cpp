#include "widgets/results_charts.h"

#include "common/error.h"
#include "common/file_io.h"
#include "common/hull_frames.h"

#include <string>

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
    return {{loads, look}, {shearForce, marked}, {bendingMoment, marked}};
}

void printChartsToPdf(const std::vector<PrintedChart>& charts, const std::filesystem::path& directory)
{
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error))
        throw Error("File not found");
    const std::vector<std::string> documents = chartsAsPdf(charts);
    for (std::size_t i = 0; i < documents.size(); ++i)
        saveFileSafely(directory / (std::to_string(i + 1) + ".pdf"), documents[i]);
}

}  // namespace hullcalc
