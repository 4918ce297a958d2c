// The calculations of one ship in the order the windows run them, and their
// shown texts read back as the numbers of the result document.
#include "ship_calculation.h"

#include "common/error.h"
#include "common/number_text.h"
#include "trim/trim_calculation.h"
#include "trim/trim_table.h"
#include "trim/trim_window_names.h"
#include "trim/waterline_iteration.h"
#include "vibration/beam_model.h"
#include "vibration/kumai_estimate.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"

#include <exception>

namespace hullcalc::python {

namespace {

using nlohmann::json;

// "design-displacement" → "design_displacement", as the document names the particulars.
std::string snakeCase(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c == '-')
            c = '_';
    return key;
}

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

// The failure of `error`, with its place; `tone` is the vibration sheet being computed, if any.
ShipCalculation::Failure failureOf(const std::exception& error, const ShipCalculation& run, const VibrationSheet* tone)
{
    ShipCalculation::Failure failure{error.what(), {}, {}};
    if (const auto* particular = dynamic_cast<const ParticularError*>(&error)) {
        failure.place = "/input/particulars/" + snakeCase(particular->field().optionName);
        failure.location = particularLocation(*particular);
    } else if (const auto* cell = dynamic_cast<const CellError*>(&error)) {
        const TextGrid* grid = &cell->grid();
        const std::string row = std::to_string(cell->row() - 1);
        if (grid == &run.sheet.input.offsets)
            failure.place = "/input/offsets/" + row + "/" + std::to_string(cell->column() - 1);
        else if (grid == &run.sheet.input.masses)
            failure.place = "/input/masses/" + row;
        else if (grid == &run.vibrationInput.sectionInertia || (tone && grid == &tone->sectionInertia))
            failure.place = "/input/section_inertia/" + row;
        if (tone)
            failure.location = vibrationCellLocation(*tone, *cell);
        if (failure.location.empty())
            failure.location = vibrationCellLocation(run.vibrationInput, *cell);
        if (failure.location.empty())
            failure.location = cellLocation(run.sheet, *cell);
    }
    return failure;
}

template<typename Step>
bool attempt(ShipCalculation& run, const VibrationSheet* tone, Step&& step)
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        if (!run.failure)
            run.failure = failureOf(e, run, tone);
        return false;
    }
}

std::optional<double> valueOf(const std::string& shown)
{
    try {
        return parseNumber(shown);
    } catch (const Error&) {
        return std::nullopt;
    }
}

json number(const std::string& shown)
{
    const std::optional<double> value = valueOf(shown);
    return value ? json(*value) : json(nullptr);
}

json number(const TextGrid& grid, int column, int row) { return number(grid.cell(column, row)); }

// A labelled result such as "delta    -0,2200": the number after the word.
json labelledNumber(const std::string& shown)
{
    const auto blank = shown.find(' ');
    return number(blank == std::string::npos ? std::string() : shown.substr(blank));
}

json rowValues(const TextGrid& grid, int row, int firstColumn, int lastColumn)
{
    json values = json::array();
    for (int column = firstColumn; column <= lastColumn; ++column)
        values.push_back(number(grid, column, row));
    return values;
}

json columnValues(const TextGrid& grid, int column, int firstRow, int lastRow)
{
    json values = json::array();
    for (int row = firstRow; row <= lastRow; ++row)
        values.push_back(number(grid, column, row));
    return values;
}

json frameTable(const TextGrid& grid)
{
    json frames = json::array();
    for (int row = 1; row <= frameCount; ++row)
        frames.push_back(rowValues(grid, row, 1, waterlineCount));
    return frames;
}

json inputJson(const ShipCalculation& run)
{
    json particulars = json::object();
    for (const ParticularField& field : particularFields) {
        const std::string& shown = run.particulars.*field.text;
        particulars[snakeCase(field.optionName)] = {{"text", shown}, {"value", number(shown)}};
    }
    const InputTables& input = run.sheet.input;
    return {
        {"particulars", particulars},
        {"water_density", run.particulars.waterDensity},
        {"offsets", frameTable(input.offsets)},
        {"masses", columnValues(input.masses, 1, 1, spacingCount)},
        {"section_inertia", columnValues(run.vibrationInput.sectionInertia, 1, 1, spacingCount)},
    };
}

json hydrostaticCurvesJson(const ShipCalculation& run)
{
    const HydrostaticCurves& curves = run.sheet.hydrostatics;
    json heights = json::array();
    for (int j = 1; j <= waterlineCount; ++j) {
        const double height = run.sheet.bonjean.waterlineHeights.at(static_cast<std::size_t>(j));
        heights.push_back(curves.volume.values.cell(j, 0).empty() ? json(nullptr) : number(formatGeneral(height)));
    }
    const auto curve = [](const HydrostaticCurve& c) { return rowValues(c.values, 0, 1, waterlineCount); };
    return {
        {"waterline_height", heights},
        {"volume", curve(curves.volume)},
        {"centre_of_buoyancy", curve(curves.centreOfBuoyancy)},
        {"waterplane_area", curve(curves.waterplaneArea)},
        {"centre_of_flotation", curve(curves.centreOfFlotation)},
        {"longitudinal_inertia", curve(curves.longitudinalInertia)},
        {"transverse_inertia", curve(curves.transverseInertia)},
        {"transverse_radius", curve(curves.transverseRadius)},
        {"longitudinal_radius", curve(curves.longitudinalRadius)},
    };
}

json designWaterlineJson(const WaterlineIteration& iteration)
{
    namespace logCell = approximationsLog;
    const TextGrid& entries = iteration.log;
    const auto at = [&](logCell::Cell cell) { return number(entries, cell.column, cell.row); };
    json approximations = json::array();
    const std::optional<double> count =
        valueOf(entries.cell(logCell::approximationNumber.column, logCell::approximationNumber.row));
    for (int n = 1; count && n <= *count && n < entries.rowCount(); ++n)
        approximations.push_back({
            {"volume", number(entries, logCell::volumeColumn, n)},
            {"centre_of_buoyancy", number(entries, logCell::centreOfBuoyancyColumn, n)},
            {"sectional_area_sum", number(entries, logCell::areaSumColumn, n)},
        });
    return {
        {"even_keel",
         {{"draft", at(logCell::evenKeelDraft)},
          {"centre_of_flotation", at(logCell::evenKeelCentreOfFlotation)},
          {"centre_of_buoyancy", at(logCell::evenKeelCentreOfBuoyancy)},
          {"longitudinal_radius", at(logCell::evenKeelRadius)}}},
        {"first_forward_draft", at(logCell::firstForwardDraft)},
        {"first_aft_draft", at(logCell::firstAftDraft)},
        {"approximation_count", count ? json(static_cast<int>(*count)) : json(nullptr)},
        {"approximations", approximations},
        {"accepted", entries.cell(logCell::accepted.column, logCell::accepted.row) == "Готово"},
        {"correction_waterplane_area", at(logCell::correctionArea)},
        {"forward_draft", number(iteration.frameDrafts, 1, 1)},
        {"aft_draft", number(iteration.frameDrafts, frameCount, 1)},
        {"frame_drafts", rowValues(iteration.frameDrafts, 1, 1, frameCount)},
        {"design_section_areas", rowValues(iteration.designSectionAreas, 1, 1, frameCount)},
    };
}

json trimTableJson(const TextGrid& table)
{
    namespace trim = trimTableColumn;
    const auto perFrame = [&](int column) { return columnValues(table, column, 1, frameCount); };
    const auto perSpacing = [&](int column) { return columnValues(table, column, 1, spacingCount); };
    return {
        {"section_area", perFrame(trim::sectionArea)},
        {"area_sum", perSpacing(trim::areaSum)},
        {"buoyancy", perSpacing(trim::buoyancy)},
        {"weight", perSpacing(trim::weight)},
        {"load", perSpacing(trim::load)},
        {"uncorrected_shear_force", perFrame(trim::shearForce)},
        {"shear_force_sum", perFrame(trim::shearIntegral)},
        {"shear_force", perFrame(trim::correctedShear)},
        {"bending_moment", perFrame(trim::correctedMoment)},
        {"totals",
         {{"volume", number(table, trim::areaSum, frameCount)},
          {"buoyancy", number(table, trim::buoyancy, frameCount)},
          {"weight", number(table, trim::weight, frameCount)}}},
    };
}

json summaryJson(const TrimTable& results)
{
    const auto line = [&](SummaryLine which) { return number(results[which]); };
    return {
        {"displacement_volume", line(SummaryLine::volume)},
        {"centre_of_gravity", line(SummaryLine::centreOfGravity)},
        {"centre_of_buoyancy", line(SummaryLine::centreOfBuoyancy)},
        {"centre_of_flotation", line(SummaryLine::centreOfFlotation)},
        {"longitudinal_metacentric_radius", line(SummaryLine::longitudinalRadius)},
        {"waterplane_area", line(SummaryLine::waterplaneArea)},
        {"forward_draft", line(SummaryLine::forwardDraft)},
        {"aft_draft", line(SummaryLine::aftDraft)},
        {"mean_draft", line(SummaryLine::meanDraft)},
        {"shear_force_closure", line(SummaryLine::shearForceClosure)},
        {"bending_moment_closure", line(SummaryLine::bendingMomentClosure)},
    };
}

json warningPlace(const Warning& warning)
{
    switch (warning.place) {
    case Warning::Place::Offset:
        return "/input/offsets/" + std::to_string(warning.row - 1) + "/" + std::to_string(warning.column - 1);
    case Warning::Place::Mass:
        return warning.row > 0 ? "/input/masses/" + std::to_string(warning.row - 1) : "/input/masses";
    case Warning::Place::Particular:
        return "/input/particulars/" + snakeCase(fieldOf(warning.particular).optionName);
    case Warning::Place::None:
        break;
    }
    return nullptr;
}

json toneJson(const ShipCalculation::Tone& tone, const std::optional<ShipCalculation::Kumai>& kumai)
{
    const VibrationSheet& sheet = tone.sheet;
    const std::optional<double> omega = valueOf(sheet.frequency);
    const Frequency frequency = frequencyOf(omega.value_or(0.0));
    const auto orNull = [&](double value) { return omega ? json(value) : json(nullptr); };
    return {
        {"tone", sheet.tone},
        {"half_waves", sheet.halfWaves},
        {"added_mass_coefficient", sheet.addedMassCoefficient},
        {"stiffness", number(sheet.stiffness)},
        {"mass", number(sheet.mass)},
        {"frequency",
         {{"per_second", orNull(frequency.perSecond)},
          {"hertz", orNull(frequency.hertz)},
          {"per_minute", orNull(frequency.perMinute)}}},
        {"shift", labelledNumber(sheet.shift)},
        {"turn", labelledNumber(sheet.turn)},
        {"mass_per_metre", columnValues(sheet.table, vibrationTableColumn::totalMass, 1, spacingCount)},
        {"mode_shape", columnValues(sheet.table, vibrationTableColumn::correctedShape, 1, spacingCount)},
        {"beam_frequency", tone.beam ? json(tone.beam->beamFrequency) : json(nullptr)},
        {"beam_error", tone.beamError ? json(*tone.beamError) : json(nullptr)},
        {"kumai", kumai ? json{{"per_minute", kumai->perMinute}, {"difference_percent", kumai->differencePercent}}
                        : json(nullptr)},
    };
}

}  // namespace

ShipCalculation calculateShip(const Project& project, const std::vector<int>& tones, bool withKumai)
{
    ShipCalculation run;
    run.particulars = project.particulars;
    writeHeaders(run.sheet);
    run.sheet.input = project.input;
    writeVibrationHeaders(run.vibrationInput);
    if (project.sectionInertia)
        run.vibrationInput.sectionInertia = *project.sectionInertia;

    run.warnings = checkInput(run.particulars, run.sheet.input);
    const bool trimmed = attempt(run, nullptr, [&] { runTrimCalculation(run.sheet, run.particulars); });
    const std::vector<Warning> results = checkResults(run.particulars, run.sheet);
    run.warnings.insert(run.warnings.end(), results.begin(), results.end());
    if (!trimmed)
        return run;

    for (const int tone : tones) {
        ShipCalculation::Tone& computed = run.tones.emplace_back(ShipCalculation::Tone{run.vibrationInput, {}, {}});
        selectTone(computed.sheet, tone);
        if (!attempt(run, &computed.sheet,
                     [&] { computeVibration(trimmedHull(run.sheet), run.particulars, computed.sheet); }))
            return run;
        try {
            computed.beam = beamModelOf(computed.sheet, run.sheet.hydrostatics.frameSpacing);
        } catch (const Error& e) {
            computed.beamError = e.what();
        }
    }
    if (withKumai && !run.tones.empty())
        attempt(run, nullptr, [&] {
            const double perMinute = kumaiTwoNodeFrequency(run.particulars, run.vibrationInput);
            const double energy = parseNumber(run.tones.front().sheet.frequency);
            run.kumai = ShipCalculation::Kumai{perMinute, differenceFromKumai(energy, perMinute)};
        });
    return run;
}

json resultDocument(const ShipCalculation& run)
{
    const TrimTable& results = run.sheet.results;
    json warnings = json::array();
    for (const Warning& warning : run.warnings)
        warnings.push_back({{"message", warning.message}, {"place", warningPlace(warning)}});
    json tones = json::array();
    for (const ShipCalculation::Tone& tone : run.tones)
        tones.push_back(toneJson(tone, tone.sheet.tone == lowestTone ? run.kumai : std::nullopt));
    const std::string& message = run.failure ? run.failure->message : std::string();
    return {
        {"schema", "hullcalc-result/1"},
        {"input_file", nullptr},
        {"error", run.failure ? json(message.substr(0, message.find('\n'))) : json(nullptr)},
        {"error_location", run.failure && !run.failure->location.empty() ? json(run.failure->location) : json(nullptr)},
        {"warnings", warnings},
        {"input", inputJson(run)},
        {"bonjean_scale",
         {{"section_area", frameTable(run.sheet.bonjean.sectionAreas)},
          {"static_moment", frameTable(run.sheet.bonjean.sectionMoments)}}},
        {"hydrostatic_curves", hydrostaticCurvesJson(run)},
        {"design_waterline", designWaterlineJson(run.sheet.iteration)},
        {"trim_table", trimTableJson(results.table)},
        {"load_per_spacing", columnValues(results.loads, 1, 0, spacingCount - 1)},
        {"shear_force", columnValues(results.shearForce, 1, 0, frameCount - 1)},
        {"bending_moment", columnValues(results.bendingMoment, 1, 0, frameCount - 1)},
        {"summary", summaryJson(results)},
        {"vibration", tones},
    };
}

}  // namespace hullcalc::python
