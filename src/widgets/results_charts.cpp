#include "widgets/results_charts.h"

#include "common/error.h"
#include "common/hull_frames.h"
#include "widgets/drawing_application.h"

#include <QPrinter>

#include <memory>
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
    const std::unique_ptr<QApplication> application = applicationForDrawing();
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error))
        throw Error("File not found");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    int number = 1;
    for (const PrintedChart& chart : charts) {
        const std::filesystem::path file = directory / (std::to_string(number++) + ".pdf");
        printer.setOutputFileName(QString::fromStdU16String(file.u16string()));
        printChartLandscape(chart, printer);
    }
}

}  // namespace hullcalc
