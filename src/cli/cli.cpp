#include "cli/cli.h"

#include "cli/json_report.h"
#include "cli/print_pdf.h"
#include "common/error.h"
#include "trim/data_files.h"
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"
#include "vibration/vibration.h"

#include <charconv>
#include <fstream>
#include <iomanip>
#include <optional>

namespace hullcalc {

namespace {

constexpr const char* usage =
    "usage: hullcalc-cli [INPUT] [--sea] [--set NAME=TEXT]... [--offset COL,ROW=TEXT]...\n"
    "                    [--mass ROW=TEXT]... [--tone N] [--json FILE] [--results FILE]\n"
    "                    [--save-input FILE] [--print-pdf DIR]\n"
    "\n"
    "Runs the trim calculation of the example ship (or of the input data file INPUT)\n"
    "on river water.\n"
    "  --sea                   sea-going ship (water density 1,025 t/m3)\n"
    "  --set NAME=TEXT         particular's text; NAME is one of ShipD ShipL ShipB ShipH\n"
    "                          ShipT ShipDr ShipXct ShipdL ShipdT (decimal comma: 0,4)\n"
    "  --offset COL,ROW=TEXT   offsets cell: waterline COL 1..10, frame row ROW 1..21\n"
    "  --mass ROW=TEXT         mass of spacing ROW 1..20, t\n"
    "  --tone N                then the vibration calculation for tone N (1..4)\n"
    "  --json FILE             write everything the windows show as JSON (- for stdout)\n"
    "  --results FILE          write the results file\n"
    "  --save-input FILE       write the input data file\n"
    "  --print-pdf DIR         print the three results charts to DIR/1.pdf, 2.pdf, 3.pdf\n";

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
    TextGrid TrimSheet::*grid;
    int column;
    int row;
    std::string text;
};

struct Options {
    std::optional<std::string> inputFile;
    bool sea = false;
    std::vector<std::pair<std::string, std::string>> particulars;
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
        if (option == "--sea") {
            options.sea = true;
        } else if (option == "--set") {
            auto assignment = splitAssignment(option, argument());
            if (!ShipParticulars().text(assignment.first))
                throw UsageError{"--set: unknown particular '" + assignment.first + "'"};
            options.particulars.push_back(std::move(assignment));
        } else if (option == "--offset") {
            const auto [cell, text] = splitAssignment(option, argument());
            const auto comma = cell.find(',');
            if (comma == std::string::npos)
                throw UsageError{"--offset expects COL,ROW=TEXT, got '" + cell + "'"};
            const int column = requireInRange(option, std::string_view(cell).substr(0, comma), 1, waterlineCount);
            const int row = requireInRange(option, std::string_view(cell).substr(comma + 1), 1, frameCount);
            options.cells.push_back({&TrimSheet::OrdinatGrid, column, row, text});
        } else if (option == "--mass") {
            const auto [row, text] = splitAssignment(option, argument());
            options.cells.push_back({&TrimSheet::MassaGrid, 1, requireInRange(option, row, 1, spacingCount), text});
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

void printReport(std::ostream& out, const TrimSheet& sheet, const VibrationSheet* vibration)
{
    printTable(out, "Погруженные площади, кв. м (шпангоут x ватерлиния)", sheet.UWAGrid);
    printTable(out, "Статический момент, куб. м (шпангоут x ватерлиния)", sheet.StatMomGrid);
    printTable(out, "Нагрузка на шпацию", sheet.NagrGrid);
    printTable(out, "Перерезывающая сила", sheet.ForceGrid);
    printTable(out, "Изгибающий момент", sheet.MomGrid);
    out << "Результаты\n";
    for (std::size_t i = 0; i < summaryLines.size(); ++i)
        out << summaryLines[i].caption << ' ' << sheet.summary[i] << '\n';
    if (vibration) {
        out << "\nВибрация\nЖесткость " << vibration->Label4 << "\nМасса     " << vibration->Label5 << "\nЧастота   "
            << vibration->Label6 << '\n'
            << vibration->Label7 << '\n'
            << vibration->Label8 << '\n';
    }
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

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Options options;
    try {
        options = parseArguments(args);
    } catch (const UsageError& e) {
        err << "hullcalc-cli: " << e.message << "\n\n" << usage;
        return 2;
    }

    // The program's start state: river water selected (sea on request), the
    // example ship typed in or the input file loaded.
    TrimSheet sheet;
    ShipParticulars particulars;
    particulars.WaterDensity = options.sea ? seaWaterDensity : riverWaterDensity;
    for (const auto& [name, text] : options.particulars)
        *particulars.text(name) = text;
    setUpGrids(sheet);

    std::optional<std::string> error;
    bool loaded = true;
    if (options.inputFile)
        loaded = attempt(error, err, [&] { loadInputFile(toPath(*options.inputFile), sheet); });
    else
        fillExampleShip(sheet);
    for (const CellEdit& edit : options.cells)
        (sheet.*edit.grid).setCell(edit.column, edit.row, edit.text);

    std::optional<VibrationSheet> vibration;
    if (loaded && attempt(error, err, [&] { runTrimCalculation(sheet, particulars); }) && options.tone) {
        vibration.emplace();
        writeVibrationHeaders(*vibration);
        selectTone(*vibration, *options.tone);
        attempt(error, err, [&] { computeVibration(*vibration, sheet, particulars); });
    }

    // What the windows would let the user save or print, also after a failure.
    bool outputsWritten = true;
    std::optional<std::string> outputError;
    if (options.saveInputFile)
        outputsWritten &= attempt(outputError, err, [&] { saveInputFile(toPath(*options.saveInputFile), sheet); });
    if (options.resultsFile)
        outputsWritten &= attempt(outputError, err, [&] { saveResultsFile(toPath(*options.resultsFile), sheet); });
    if (options.printDirectory)
        outputsWritten &= attempt(outputError, err, [&] { printResultsPdf(sheet, toPath(*options.printDirectory)); });

    const VibrationSheet* vibrationShown = vibration ? &*vibration : nullptr;
    if (options.jsonFile) {
        if (*options.jsonFile == "-") {
            writeJsonReport(out, sheet, particulars, vibrationShown, error);
            out << '\n';
        } else {
            std::ofstream file(toPath(*options.jsonFile), std::ios::binary);
            writeJsonReport(file, sheet, particulars, vibrationShown, error);
            file << '\n';
            file.close();
            if (!file) {
                err << "hullcalc-cli: cannot write '" << *options.jsonFile << "'\n";
                outputsWritten = false;
            }
        }
    } else if (!error) {
        printReport(out, sheet, vibrationShown);
    }
    return error || !outputsWritten ? 1 : 0;
}

}  // namespace hullcalc
