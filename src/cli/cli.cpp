#include "cli/cli.h"

#include "cli/json_report.h"
#include "common/error.h"
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"

#include <charconv>
#include <fstream>
#include <iomanip>
#include <optional>

namespace hullcalc {

namespace {

constexpr const char* usage =
    "usage: hullcalc-cli [--sea] [--set NAME=TEXT]... [--offset COL,ROW=TEXT]...\n"
    "                    [--mass ROW=TEXT]... [--json FILE]\n"
    "\n"
    "Runs the trim calculation of the example ship on river water.\n"
    "  --sea                   sea-going ship (water density 1,025 t/m3)\n"
    "  --set NAME=TEXT         particular's text; NAME is one of ShipD ShipL ShipB ShipH\n"
    "                          ShipT ShipDr ShipXct ShipdL ShipdT (decimal comma: 0,4)\n"
    "  --offset COL,ROW=TEXT   offsets cell: waterline COL 1..10, frame row ROW 1..21\n"
    "  --mass ROW=TEXT         mass of spacing ROW 1..20, t\n"
    "  --json FILE             write everything the windows show as JSON (- for stdout)\n";

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

struct Options {
    std::optional<std::string> jsonFile;
};

Options applyArguments(const std::vector<std::string>& args, TrimSheet& sheet, ShipParticulars& particulars)
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
            particulars.WaterDensity = seaWaterDensity;
        } else if (option == "--set") {
            const auto [name, text] = splitAssignment(option, argument());
            std::string* edit = particulars.text(name);
            if (!edit)
                throw UsageError{"--set: unknown particular '" + name + "'"};
            *edit = text;
        } else if (option == "--offset") {
            const auto [cell, text] = splitAssignment(option, argument());
            const auto comma = cell.find(',');
            if (comma == std::string::npos)
                throw UsageError{"--offset expects COL,ROW=TEXT, got '" + cell + "'"};
            const int column = requireInRange(option, std::string_view(cell).substr(0, comma), 1, waterlineCount);
            const int row = requireInRange(option, std::string_view(cell).substr(comma + 1), 1, frameCount);
            sheet.OrdinatGrid.setCell(column, row, text);
        } else if (option == "--mass") {
            const auto [row, text] = splitAssignment(option, argument());
            sheet.MassaGrid.setCell(1, requireInRange(option, row, 1, spacingCount), text);
        } else if (option == "--json") {
            options.jsonFile = argument();
        } else {
            throw UsageError{"unknown option '" + option + "'"};
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

void printReport(std::ostream& out, const TrimSheet& sheet)
{
    printTable(out, "Погруженные площади, кв. м (шпангоут x ватерлиния)", sheet.UWAGrid);
    printTable(out, "Статический момент, куб. м (шпангоут x ватерлиния)", sheet.StatMomGrid);
    printTable(out, "Нагрузка на шпацию", sheet.NagrGrid);
    printTable(out, "Перерезывающая сила", sheet.ForceGrid);
    printTable(out, "Изгибающий момент", sheet.MomGrid);
    out << "Результаты\n";
    for (std::size_t i = 0; i < summaryLines.size(); ++i)
        out << summaryLines[i].caption << ' ' << sheet.summary[i] << '\n';
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    // The program's start state: river water selected, the example ship typed in.
    TrimSheet sheet;
    ShipParticulars particulars;
    particulars.WaterDensity = riverWaterDensity;
    setUpGrids(sheet);
    fillExampleShip(sheet);

    Options options;
    try {
        options = applyArguments(args, sheet, particulars);
    } catch (const UsageError& e) {
        err << "hullcalc-cli: " << e.message << "\n\n" << usage;
        return 2;
    }

    std::optional<std::string> error;
    try {
        runTrimCalculation(sheet, particulars);
    } catch (const Error& e) {
        error = e.what();
    }

    if (options.jsonFile) {
        if (*options.jsonFile == "-") {
            writeJsonReport(out, sheet, particulars, error);
            out << '\n';
        } else {
            std::ofstream file(*options.jsonFile, std::ios::binary);
            writeJsonReport(file, sheet, particulars, error);
            file << '\n';
            file.close();
            if (!file) {
                err << "hullcalc-cli: cannot write '" << *options.jsonFile << "'\n";
                return 1;
            }
        }
    } else if (!error) {
        printReport(out, sheet);
    }

    if (error) {
        err << "hullcalc-cli: " << *error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace hullcalc
