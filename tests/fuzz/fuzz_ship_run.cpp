// Fuzz target for a whole ship as hullcalc-cli runs it: the input is a command
// line, one argument a line, of the edits the tool takes (--sea, --set
// NAME=TEXT, --offset COL,ROW=TEXT, --mass ROW=TEXT, --inertia ROW=TEXT,
// --tone N|all, --strength, --wave-height TEXT, --wave-profile NAME,
// --allowable-stress TEXT); a line "--girder-bytes" makes the rest of the input
// the bytes of a girder file (--girder). The example ship with those edits
// goes through the tool's own run (checks, trim, strength, tones, Kumai), then
// the readable report, the result JSON, the component dump and the project,
// all into memory. A failed run is a normal outcome; anything thrown, a crash,
// a hang or undefined behaviour is a finding (the readable report shows any
// number, even one with no finite text).
#include "cli/cli_options.h"
#include "cli/ship_run.h"
#include "common/error.h"
#include "fuzz_require.h"
#include "project/project_file.h"
#include "run/component_dump.h"
#include "run/result_json.h"
#include "run/text_report.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {
namespace {

std::vector<std::string> argumentsOf(std::string_view bytes)
{
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        arguments.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

std::optional<int> integer(std::string_view text, int lowest, int highest)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// "A,B=TEXT" or "A=TEXT": the numbers before '=' and the text after it.
struct Cell {
    std::optional<int> column;
    std::optional<int> row;
    std::string text;
};

std::optional<Cell> cellOf(std::string_view value, bool withColumn, int lastRow)
{
    const std::size_t equals = value.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::string_view where = value.substr(0, equals);
    Cell cell{{}, {}, std::string(value.substr(equals + 1))};
    if (withColumn) {
        const std::size_t comma = where.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        cell.column = integer(where.substr(0, comma), 1, waterlineCount);
        where = where.substr(comma + 1);
    }
    cell.row = integer(where, 1, lastRow);
    if ((withColumn && !cell.column) || !cell.row)
        return std::nullopt;
    return cell;
}

// The options as the tool's parser would read them; a malformed argument is
// skipped, where the tool would stop with a usage error before any run.
CliOptions optionsOf(const std::vector<std::string>& arguments)
{
    CliOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--sea") {
            options.sea = true;
            continue;
        }
        if (option == "--strength") {
            options.strength = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            break;
        const std::string& value = arguments[++i];
        if (option == "--set") {
            const std::size_t equals = value.find('=');
            if (const ParticularField* field = findParticular(value.substr(0, equals));
                field && equals != std::string::npos)
                options.particulars.emplace_back(field, value.substr(equals + 1));
        } else if (option == "--offset") {
            if (const auto cell = cellOf(value, true, frameCount))
                options.cells.push_back({&InputTables::offsets, *cell->column, *cell->row, cell->text});
        } else if (option == "--mass") {
            if (const auto cell = cellOf(value, false, spacingCount))
                options.cells.push_back({&InputTables::masses, 1, *cell->row, cell->text});
        } else if (option == "--inertia") {
            if (const auto cell = cellOf(value, false, spacingCount))
                options.vibrationCells.push_back({&VibrationSheet::sectionInertia, 1, *cell->row, cell->text});
        } else if (option == "--wave-height") {
            options.waveHeight = value;
            options.strength = true;
        } else if (option == "--allowable-stress") {
            options.allowableStress = value;
            options.strength = true;
        } else if (option == "--wave-profile") {
            WaveProfile profile = WaveProfile::trochoid;
            if (profileFromKey(value, profile))
                options.waveProfile = profile;
            options.strength = true;
        } else if (option == "--tone") {
            if (value == "all") {
                options.tones = {1, 2, 3, 4};
                options.allTones = true;
            } else if (const auto tone = integer(value, lowestTone, highestTone)) {
                options.tones = {*tone};
                options.allTones = false;
            }
        }
    }
    return options;
}

}  // namespace
}  // namespace hullcalc

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hullcalc;
    // A command line is short; a long input only repeats edits.
    if (size > 4096)
        return 0;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<std::string_view> girderBytes;
    constexpr std::string_view girderMark = "--girder-bytes\n";
    if (const std::size_t mark = bytes.find(girderMark); mark != std::string_view::npos) {
        girderBytes = bytes.substr(mark + girderMark.size());
        bytes = bytes.substr(0, mark);
    }
    CliOptions options = optionsOf(argumentsOf(bytes));
    if (girderBytes) {
        // The tool reads a girder file by its name: the bytes go into one.
        static const std::filesystem::path girderFile =
            std::filesystem::temp_directory_path() / "hullcalc_fuzz_girder.csv";
        std::ofstream(girderFile, std::ios::binary | std::ios::trunc) << *girderBytes;
        options.girderFile = girderFile.string();
        options.strength = true;
    }
    const ShipRun run = runInput(options, std::nullopt);
    // A run that stopped says why; one that did not computed every tone asked for.
    require(!run.failure || !run.failure->message.empty());
    require(run.failure || run.tones.size() == options.tones.size());

    std::ostringstream report;
    printTextReport(report, run);
    const std::string json = resultDocument(run);
    require(json.starts_with("{\n") && json.ends_with("}\n"));
    const std::string dump = componentDump(run);
    require(dump.starts_with("{\"error\":") && dump.ends_with("}\n"));
    // The project of the run reads back to the same ship.
    const std::string project = projectFileBytes(projectOf(run.ship));
    require(projectFileBytes(readProject(project)) == project);
    return 0;
}
