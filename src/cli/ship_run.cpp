// The calculations of one ship for the command line, and the place of a failure
// named as the windows label their cells and edits.
#include "cli/ship_run.h"

#include "cli/file_names.h"
#include "common/error.h"
#include "common/file_io.h"
#include "common/number_text.h"
#include "project/project_file.h"
#include "strength/girder_file.h"
#include "strength/strength_page_names.h"
#include "trim/data_files.h"
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"
#include "trim/trim_window_names.h"
#include "vibration/kumai_estimate.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"

#include <exception>
#include <sstream>
#include <vector>

namespace hullcalc {

namespace {

std::string vibrationCellLocation(const VibrationSheet& sheet, const CellError& error)
{
    const TextGrid& grid = error.grid();
    const auto header = [&](int column, int row) {
        return grid.contains(column, row) ? "«" + grid.cell(column, row) + "»" : std::string("«»");
    };
    if (&grid == &sheet.sectionInertia)
        return "«Вибрация», шпация " + header(0, error.row());
    if (&grid == &sheet.table)
        return "«Вибрация», «Таблица расчета», строка " + header(0, error.row()) + ", столбец "
               + header(error.column(), 0);
    return {};
}

// Where the cause of `error` stands; `tone` is the vibration sheet being computed, if any.
std::string locationOf(const std::exception& error, const ShipRun& run, const VibrationSheet* tone)
{
    if (const auto* particular = dynamic_cast<const ParticularError*>(&error))
        return particularLocation(*particular);
    if (const auto* cell = dynamic_cast<const CellError*>(&error)) {
        if (tone)
            if (std::string where = vibrationCellLocation(*tone, *cell); !where.empty())
                return where;
        if (std::string where = vibrationCellLocation(run.vibrationInput, *cell); !where.empty())
            return where;
        if (&cell->grid() == &run.strengthInput.girderMembers)
            return girderCellLocation(run.strengthInput.girderMembers, *cell);
        return cellLocation(run.sheet, *cell);
    }
    return {};
}

// Runs one step; a failure is recorded (the first one counts). Returns whether the step completed.
template<typename Step>
bool attempt(ShipRun& run, const VibrationSheet* tone, Step&& step)
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        // Error is what bad input throws; anything else still stops this ship
        // only, with its message, never the whole run.
        if (!run.failure)
            run.failure = ShipRun::Failure{e.what(), locationOf(e, run, tone)};
        return false;
    }
}

// The beam model of the tone the energy method has just computed, on the
// masses per metre it found and the section inertias it used.
void computeBeamModel(ShipRun::Tone& tone, double frameSpacing)
{
    try {
        tone.beam = beamModelOf(tone.sheet, frameSpacing);
    } catch (const Error& e) {
        tone.beamError = e.what();
    }
}

// INPUT: a project when its bytes say so (a JSON object), else an input data
// file, read as "Файл → Загрузить" reads it. Changes nothing when it fails.
void loadInput(ShipRun& run, const std::string& inputFile)
{
    const std::filesystem::path path = utf8Path(inputFile);
    const std::string bytes = readFileBytes(path, maxInputFileBytes);
    if (!looksLikeProject(bytes)) {
        std::istringstream in(bytes);
        readInputFile(in, run.sheet.input);
        return;
    }
    // Read again by the project's own rules, which refuse a file too long for
    // a project before parsing it.
    const Project project = loadProjectFile(path);
    run.particulars = project.particulars;
    run.sheet.input = project.input;
    if (project.sectionInertia)
        run.vibrationInput.sectionInertia = *project.sectionInertia;
    if (project.strength) {
        run.strengthInput = *project.strength;
        run.strengthAsked = true;
    }
}

// The options' strength input over the project's. A girder file that cannot
// be read stops the ship as a bad input file does.
void applyStrengthOptions(const CliOptions& options, ShipRun& run)
{
    run.strengthAsked = run.strengthAsked || options.strength;
    if (options.waveHeight)
        run.strengthInput.waveHeight = *options.waveHeight;
    if (options.waveProfile)
        run.strengthInput.profile = *options.waveProfile;
    if (options.allowableStress)
        run.strengthInput.allowableStress = *options.allowableStress;
    if (options.girderFile)
        loadGirderFile(utf8Path(*options.girderFile), run.strengthInput.girderMembers);
}

template<typename Sheet>
void applyEdits(const std::vector<CliOptions::CellEdit<Sheet>>& edits, Sheet& sheet)
{
    for (const auto& edit : edits)
        (sheet.*edit.table).setCell(edit.column, edit.row, edit.text);
}

}  // namespace

std::string firstLine(const std::string& message) { return message.substr(0, message.find('\n')); }

ShipRun runShip(const CliOptions& options, const std::optional<std::string>& inputFile)
{
    ShipRun run;
    run.inputFile = inputFile;
    writeHeaders(run.sheet);
    writeVibrationHeaders(run.vibrationInput);
    if (inputFile)
        run.inputLoaded = attempt(run, nullptr, [&] { loadInput(run, *inputFile); });
    else
        fillExampleShip(run.sheet.input);
    // A project's ship type holds unless --sea says otherwise; without one the water is a river's.
    if (options.sea)
        run.particulars.waterDensity = seaWaterDensity;
    else if (run.particulars.waterDensity == 0.0)
        run.particulars.waterDensity = riverWaterDensity;
    for (const auto& [field, text] : options.particulars)
        run.particulars.*field->text = text;
    applyEdits(options.cells, run.sheet.input);
    applyEdits(options.vibrationCells, run.vibrationInput);
    if (run.inputLoaded)
        run.inputLoaded = attempt(run, nullptr, [&] { applyStrengthOptions(options, run); });
    if (!run.inputLoaded)
        return run;

    run.warnings = checkInput(run.particulars, run.sheet.input);
    const bool trimmed = attempt(run, nullptr, [&] { runTrimCalculation(run.sheet, run.particulars); });
    const std::vector<Warning> results = checkResults(run.particulars, run.sheet);
    run.warnings.insert(run.warnings.end(), results.begin(), results.end());
    if (!trimmed)
        return run;
    if (run.strengthAsked)
        attempt(run, nullptr, [&] {
            StrengthSheet& strength = run.strength.emplace();
            runStrengthCalculation(run.sheet, run.particulars, run.strengthInput, strength);
            for (const std::string& warning : strength.warnings)
                run.warnings.push_back(Warning{warning});
        });

    for (const int tone : options.tones) {
        ShipRun::Tone& computed = run.tones.emplace_back(ShipRun::Tone{run.vibrationInput, {}, {}});
        selectTone(computed.sheet, tone);
        if (!attempt(run, &computed.sheet,
                     [&] { computeVibration(trimmedHull(run.sheet), run.particulars, computed.sheet); }))
            return run;
        computeBeamModel(computed, run.sheet.hydrostatics.frameSpacing);
    }
    // The estimate checks the energy method's tone I, so only beside it.
    if (options.allTones)
        attempt(run, nullptr, [&] {
            const double perMinute = kumaiTwoNodeFrequency(run.particulars, run.vibrationInput);
            const double energy = parseNumber(run.tones.front().sheet.frequency);
            run.kumai = ShipRun::Kumai{perMinute, differenceFromKumai(energy, perMinute)};
        });
    return run;
}

Project projectOf(const ShipRun& run)
{
    Project project;
    project.particulars = run.particulars;
    project.input = run.sheet.input;
    project.sectionInertia = run.vibrationInput.sectionInertia;
    if (run.strengthAsked)
        project.strength = run.strengthInput;
    return project;
}

}  // namespace hullcalc
