#include "widgets/results_charts.h"

#include "common/error.h"
#include "common/hull_frames.h"

#include <QApplication>
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

void printChartsToPdf(const std::vector<PrintedChart>& charts, const std::filesystem::path& directory)
{
    std::unique_ptr<QApplication> application;
    if (!QApplication::instance()) {
        // Charts are widgets: they need an application, not a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "hullcalc-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
    }
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
