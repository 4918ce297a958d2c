#include "cli/print_pdf.h"

#include "common/error.h"
#include "trim/graphs/UResGr.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"

#include <QApplication>
#include <QPrinter>

#include <memory>

namespace hullcalc {

void printResultsPdf(const TrimSheet& sheet, const std::filesystem::path& directory)
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
    for (const ResultsChart& chart : resultsCharts(sheet)) {
        const std::filesystem::path file = directory / (std::to_string(number++) + ".pdf");
        printer.setOutputFileName(QString::fromStdU16String(file.u16string()));
        const ChartView view(chart.model, chart.look);
        printChartLandscape(view, printer);
    }
}

}  // namespace hullcalc
