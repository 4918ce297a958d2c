// One call of hullcalc-cli: each input through the calculations, then its
// outputs, the failures on standard error, and the exit status.
#include "cli/cli.h"

#include "cli/cli_options.h"
#include "cli/file_names.h"
#include "cli/output_writer.h"
#include "cli/ship_run.h"
#include "cli/usage_error.h"
#include "common/error.h"
#include "common/file_io.h"
#include "project/project_file.h"
#include "report/calculation_report.h"
#include "report/exported_charts.h"
#include "report/report_content.h"
#include "report/workbook_export.h"
#include "run/component_dump.h"
#include "run/result_json.h"
#include "run/text_report.h"
#include "trim/data_files.h"
#include "widgets/chart_export.h"
#include "widgets/drawing_application.h"
#include "widgets/results_charts.h"

#include <memory>
#include <sstream>

namespace hullcalc {

namespace {

// The run's warnings and its failure on standard error, each line under the
// input's name when there is one: the failure's first line as it stands, the
// place of its cause on the next, then any further lines of the message.
void reportMessages(std::ostream& err, const ShipRun& run)
{
    const std::string prefix = "hullcalc-cli: " + (run.inputFile ? shortened(*run.inputFile) + ": " : std::string());
    for (const Warning& warning : run.warnings())
        err << prefix << "Предупреждение: " << warning.message << '\n';
    if (!run.failure)
        return;
    const RunFailure& failure = *run.failure;
    const std::string message = userMessage(failure.message);
    err << prefix << firstLine(message) << '\n';
    if (!failure.place.label.empty())
        err << prefix << "место: " << failure.place.label << '\n';
    if (const auto newline = message.find('\n'); newline != std::string::npos)
        err << message.substr(newline + 1) << '\n';
}

// Every chart with points as DIR/<name>.png and DIR/<name>.svg.
bool writeChartFiles(const std::string& directory, const ShipRun& run, OutputWriter& writer)
{
    if (!writer.makeDirectory(directory))
        return false;
    const std::unique_ptr<QApplication> application = applicationForDrawing();
    const ReportContent content = reportContentOf(run, {}, todayText());
    bool written = true;
    for (const ExportedChart& chart : exportedCharts(content)) {
        const std::string stem = utf8Of(pathFromUtf8(directory) / chart.fileStem);
        const QByteArray png = chartPng(chart.model, chart.look);
        const QByteArray svg = chartSvg(chart.model, chart.look, chart.caption);
        written &= writer.write(stem + ".png", std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        written &= writer.write(stem + ".svg", std::string_view(svg.constData(), static_cast<std::size_t>(svg.size())));
    }
    return written;
}

// What the windows would let the user save or print, also after a failure.
// Returns whether every file was written.
bool writeShipFiles(const CliOptions& options, const ShipRun& run, OutputWriter& writer)
{
    bool written = true;
    const TrimTable& results = run.trim.sheet.results;
    if (options.saveInputFile)
        written &= writer.write(*options.saveInputFile, inputFileBytes(run.trim.sheet.input));
    if (options.resultsFile)
        written &= writer.write(*options.resultsFile, resultsFileBytes(results));
    if (options.printDirectory) {
        if (writer.makeDirectory(*options.printDirectory)) {
            setPrintedTitleLine(QString::fromStdString(titleLine(run.ship.title)));
            const std::vector<std::string> documents =
                chartsAsPdf(resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart));
            for (std::size_t i = 0; i < documents.size(); ++i)
                written &=
                    writer.write(printedChartFile(*options.printDirectory, static_cast<int>(i) + 1), documents[i]);
        } else {
            written = false;
        }
    }
    if (options.chartsDirectory)
        written &= writeChartFiles(*options.chartsDirectory, run, writer);
    if (options.dumpFile)
        written &= writer.write(*options.dumpFile, componentDump(run));
    if (options.projectFile)
        written &= writer.write(*options.projectFile, projectFileBytes(projectOf(run.ship)));
    if (options.reportFile || options.workbookFile) {
        std::string fileName;
        if (run.inputFile)
            fileName = utf8Of(pathFromUtf8(*run.inputFile).filename());
        const ReportContent content = reportContentOf(run, std::move(fileName), todayText());
        if (options.reportFile)
            written &= writer.save(*options.reportFile,
                                   [&](const std::filesystem::path& path) { saveReportPdf(path, content); });
        if (options.workbookFile)
            written &= writer.save(*options.workbookFile,
                                   [&](const std::filesystem::path& path) { saveWorkbook(path, content); });
    }
    return written;
}

// The one boundary of a ship: whatever its calculations and checks throw
// ends this ship with the message, never the whole batch.
ShipRun computeShip(const CliOptions& options, const std::optional<std::string>& input)
{
    try {
        return runInput(options, input);
    } catch (const std::exception& e) {
        // Nothing says the input was read: it is kept from every output.
        ShipRun run = unloadedShip(blankShip(), input.value_or(""), e.what());
        run.inputFile = input;
        run.inputLoaded = !input;
        return run;
    }
}

// The readable report of a completed run; a report that cannot be made ends
// the ship as a failure and prints nothing.
std::string readableReport(ShipRun& run)
{
    try {
        std::ostringstream text;
        printTextReport(text, run);
        return text.str();
    } catch (const std::exception& e) {
        run.failure = RunFailure{e.what(), {}};
        return {};
    }
}

// Whether an output goes to standard output: then only its bytes go there.
bool writesStandardOutput(const CliOptions& options)
{
    for (const std::optional<std::string>* file :
         {&options.jsonFile, &options.dumpFile, &options.resultsFile, &options.saveInputFile, &options.projectFile})
        if (*file == "-")
            return true;
    return false;
}

// Each input is computed, reported and written on its own; only the JSON
// gathers them all, written to `json` (when given) as each ship is done, so
// that nothing of a ship is kept after it. Returns whether every ship and every
// output succeeded.
bool computeAll(const CliOptions& options, std::ostream* json, OutputWriter& writer, std::ostream& out,
                std::ostream& err)
{
    std::vector<std::optional<std::string>> inputs(options.inputFiles.begin(), options.inputFiles.end());
    if (inputs.empty())
        inputs.emplace_back();
    const bool batch = inputs.size() > 1;
    // The readable report goes to standard output when nothing else was asked
    // for there; after a file's bytes it would make that file unreadable.
    const bool report = !options.jsonFile && !options.dumpFile && !writesStandardOutput(options);
    std::optional<ResultStream> results;
    if (json && batch)
        results.emplace(*json);
    bool succeeded = true;
    for (const std::optional<std::string>& input : inputs) {
        ShipRun run = computeShip(options, input);
        const std::string readable = report && !run.failure ? readableReport(run) : std::string();
        reportMessages(err, run);
        succeeded &= !run.failure;
        // An INPUT that could not be read is never written over; a girder
        // file that failed on the example ship leaves no INPUT to protect.
        if (!run.inputLoaded && input)
            writer.protect(*input);
        try {
            succeeded &= writeShipFiles(options, run, writer);
            if (results)
                results->add(run);
            else if (json)
                *json << resultDocument(run);
        } catch (const std::exception& e) {
            err << "hullcalc-cli: " << (input ? shortened(*input) + ": " : std::string()) << firstLine(e.what())
                << '\n';
            succeeded = false;
        }
        if (!readable.empty()) {
            if (batch)
                out << "== " << shortened(*input) << " ==\n";
            out << readable;
        }
    }
    if (results)
        results->finish();
    return succeeded;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    OutputWriter writer(out, err);
    CliOptions options;
    try {
        options = parseCliOptions(args);
    } catch (const UsageError& e) {
        err << "hullcalc-cli: " << e.what() << '\n' << cliUsageHint();
        return 2;
    }
    if (options.help || options.version) {
        out << (options.help ? cliHelpText() : cliVersionText());
        return writer.finishStandardOutput() ? 0 : 1;
    }

    bool succeeded = true;
    // No other output shares standard output with the JSON (the options refuse it).
    if (options.jsonFile)
        succeeded &= writer.stream(
            *options.jsonFile, [&](std::ostream& json) { succeeded &= computeAll(options, &json, writer, out, err); });
    else
        succeeded &= computeAll(options, nullptr, writer, out, err);
    succeeded &= writer.finishStandardOutput();
    return succeeded ? 0 : 1;
}

}  // namespace hullcalc
