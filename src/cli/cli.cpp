#include "cli/cli.h"

#include "cli/component_dump.h"
#include "common/error.h"
#include "trim/data_files.h"
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"
#include "vibration/vibration.h"
#include "widgets/results_charts.h"

#include <charconv>
#include <fstream>
#include <iomanip>
#include <optional>

namespace hullcalc {

namespace {

std::string usage()
{
    std::string text =
        "usage: hullcalc-cli [INPUT] [--sea] [--set NAME=TEXT]... [--offset COL,ROW=TEXT]...\n"
        "                    [--mass ROW=TEXT]... [--tone N] [--json FILE] [--results FILE]\n"
        "                    [--save-input FILE] [--print-pdf DIR]\n"
        "\n"
        "Runs the trim calculation of the example ship (or of the input data file INPUT)\n"
        "on river water.\n"
        "  --sea                   sea-going ship (water density 1,025 t/m3)\n"
        "  --set NAME=TEXT         particular's text (decimal comma: 0,4); NAME is one of\n";
    for (const ParticularField& field : particularFields) {
        std::string names =
            "                            " + std::string(field.key) + " or " + std::string(field.optionName);
        text += names + '\n';
    }
    text +=
        "  --offset COL,ROW=TEXT   offsets cell: waterline COL 1..10, frame row ROW 1..21\n"
        "  --mass ROW=TEXT         mass of spacing ROW 1..20, t\n"
        "  --tone N                then the vibration calculation for tone N (1..4)\n"
        "  --json FILE             write everything the windows show as JSON (- for stdout)\n"
        "  --results FILE          write the results file\n"
        "  --save-input FILE       write the input data file\n"
        "  --print-pdf DIR         print the three results charts to DIR/1.pdf, 2.pdf, 3.pdf\n"
        "  --help                  this text\n";
    return text;
}

struct UsageError {
    std::string message;
};

std::optional<int> toInt(std::string_view text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Splits "KEY=TEXT" at the first '='.
std::pair<std::string, std::string> splitAssignment(const std::string& option, const std::string& argument)
{
    const auto equals = argument.find('=');
    if (equals == std::string::npos)
        throw UsageError{option + " expects KEY=TEXT, got '" + argument + "'"};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

int requireInRange(const std::string& option, std::string_view text, int low, int high)
{
    const std::optional<int> value = toInt(text);
    if (!value || *value < low || *value > high)
        throw UsageError{option + ": '" + std::string(text) + "' is not a number from " + std::to_string(low) + " to "
                         + std::to_string(high)};
    return *value;
}

// Arguments are UTF-8 (main converts them so on Windows).
std::filesystem::path toPath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

struct CellEdit {
    TextGrid InputTables::*table;
    int column;
    int row;
    std::string text;
};

struct Options {
    bool help = false;
    std::optional<std::string> inputFile;
    bool sea = false;
    std::vector<std::pair<const ParticularField*, std::string>> particulars;
    std::vector<CellEdit> cells;  // in the order given
    std::optional<int> tone;
    std::optional<std::string> jsonFile;
    std::optional<std::string> resultsFile;
    std::optional<std::string> saveInputFile;
    std::optional<std::string> printDirectory;
};

Options parseArguments(const std::vector<std::string>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const auto argument = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{option + " needs an argument"};
            return args[++i];
        };
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--sea") {
            options.sea = true;
        } else if (option == "--set") {
            auto [name, text] = splitAssignment(option, argument());
            const ParticularField* field = findParticular(name);
            if (!field)
                throw UsageError{"--set: unknown particular '" + name + "'"};
            options.particulars.emplace_back(field, std::move(text));
        } else if (option == "--offset") {
            const auto [cell, text] = splitAssignment(option, argument());
            const auto comma = cell.find(',');
            if (comma == std::string::npos)
                throw UsageError{"--offset expects COL,ROW=TEXT, got '" + cell + "'"};
            const int column = requireInRange(option, std::string_view(cell).substr(0, comma), 1, waterlineCount);
            const int row = requireInRange(option, std::string_view(cell).substr(comma + 1), 1, frameCount);
            options.cells.push_back({&InputTables::offsets, column, row, text});
        } else if (option == "--mass") {
            const auto [row, text] = splitAssignment(option, argument());
            options.cells.push_back({&InputTables::masses, 1, requireInRange(option, row, 1, spacingCount), text});
        } else if (option == "--tone") {
            options.tone = requireInRange(option, argument(), lowestTone, highestTone);
        } else if (option == "--json") {
            options.jsonFile = argument();
        } else if (option == "--results") {
            options.resultsFile = argument();
        } else if (option == "--save-input") {
            options.saveInputFile = argument();
        } else if (option == "--print-pdf") {
            options.printDirectory = argument();
        } else if (option.starts_with("--") || options.inputFile) {
            throw UsageError{"unknown option '" + option + "'"};
        } else {
            options.inputFile = option;
        }
    }
    return options;
}

// Runs one step; its failure is remembered (the first one counts) and reported.
template<typename Step>
bool attempt(std::optional<std::string>& error, std::ostream& err, Step&& step)
{
    try {
        step();
        return true;
    } catch (const Error& e) {
        err << "hullcalc-cli: " << e.what() << '\n';
        if (!error)
            error = e.what();
        return false;
    }
}

// One run of the tool: what the windows would hold after the user's actions.
struct Run {
    ShipParticulars particulars;
    TrimSheet sheet;
    std::optional<VibrationSheet> vibration;
    std::optional<std::string> error;  // the first failure of the calculation
};

// The program's start state: river water selected (sea on request), the
// example ship typed in or the input file loaded, then the user's edits.
bool prepareInput(const Options& options, Run& run, std::ostream& err)
{
    run.particulars.waterDensity = options.sea ? seaWaterDensity : riverWaterDensity;
    for (const auto& [field, text] : options.particulars)
        run.particulars.*field->text = text;
    writeHeaders(run.sheet);

    bool loaded = true;
    if (options.inputFile)
        loaded = attempt(run.error, err, [&] { loadInputFile(toPath(*options.inputFile), run.sheet.input); });
    else
        fillExampleShip(run.sheet.input);
    for (const CellEdit& edit : options.cells)
        (run.sheet.input.*edit.table).setCell(edit.column, edit.row, edit.text);
    return loaded;
}

// "Расчет" in the trim window, then in the vibration window for the tone asked for.
void calculate(const Options& options, Run& run, std::ostream& err)
{
    if (!attempt(run.error, err, [&] { runTrimCalculation(run.sheet, run.particulars); }) || !options.tone)
        return;
    VibrationSheet& vibration = run.vibration.emplace();
    writeVibrationHeaders(vibration);
    selectTone(vibration, *options.tone);
    attempt(run.error, err, [&] { computeVibration(trimmedHull(run.sheet), run.particulars, vibration); });
}

// What the windows would let the user save or print, also after a failure.
// Returns whether every file was written.
bool writeFiles(const Options& options, const Run& run, std::ostream& err)
{
    bool written = true;
    std::optional<std::string> error;
    const TrimTable& results = run.sheet.results;
    if (options.saveInputFile)
        written &= attempt(error, err, [&] { saveInputFile(toPath(*options.saveInputFile), run.sheet.input); });
    if (options.resultsFile)
        written &= attempt(error, err, [&] { saveResultsFile(toPath(*options.resultsFile), results); });
    if (options.printDirectory)
        written &= attempt(error, err, [&] {
            printChartsToPdf(resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart),
                             toPath(*options.printDirectory));
        });
    return written;
}

bool writeDump(const std::string& target, const Run& run, std::ostream& out, std::ostream& err)
{
    const VibrationSheet* vibration = run.vibration ? &*run.vibration : nullptr;
    if (target == "-") {
        writeComponentDump(out, run.sheet, run.particulars, vibration, run.error);
        out << '\n';
        return true;
    }
    std::ofstream file(toPath(target), std::ios::binary);
    writeComponentDump(file, run.sheet, run.particulars, vibration, run.error);
    file << '\n';
    file.close();
    if (file)
        return true;
    err << "hullcalc-cli: cannot write '" << target << "'\n";
    return false;
}

void printTable(std::ostream& out, const std::string& title, const TextGrid& grid)
{
    out << title << '\n';
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column)
            out << std::setw(column == 0 ? 7 : 11) << grid.cell(column, row);
        out << '\n';
    }
    out << '\n';
}

void printReport(std::ostream& out, const Run& run)
{
    const TrimSheet& sheet = run.sheet;
    printTable(out, "Погруженные площади, кв. м (шпангоут x ватерлиния)", sheet.bonjean.sectionAreas);
    printTable(out, "Статический момент, куб. м (шпангоут x ватерлиния)", sheet.bonjean.sectionMoments);
    printTable(out, "Нагрузка на шпацию", sheet.results.loads);
    printTable(out, "Перерезывающая сила", sheet.results.shearForce);
    printTable(out, "Изгибающий момент", sheet.results.bendingMoment);
    out << "Результаты\n";
    for (std::size_t i = 0; i < summaryCaptions.size(); ++i)
        out << summaryCaptions[i] << ' ' << sheet.results.summary[i] << '\n';
    if (const auto& vibration = run.vibration) {
        out << "\nВибрация\nЖесткость " << vibration->stiffness << "\nМасса     " << vibration->mass << "\nЧастота   "
            << vibration->frequency << '\n'
            << vibration->shift << '\n'
            << vibration->turn << '\n';
    }
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = parseArguments(args);
    } catch (const UsageError& e) {
        err << "hullcalc-cli: " << e.message << "\n\n" << usage();
        return 2;
    }
    if (options.help) {
        out << usage();
        return 0;
    }

    Run run;
    if (prepareInput(options, run, err))
        calculate(options, run, err);
    bool written = writeFiles(options, run, err);
    if (options.jsonFile)
        written &= writeDump(*options.jsonFile, run, out, err);
    else if (!run.error)
        printReport(out, run);
    return run.error || !written ? 1 : 0;
}

}  // namespace hullcalc
