// Reads the shown texts of a run back as numbers and lays them out as the
// result schema names them. The keys of every object are sorted (nlohmann's
// std::map-based json), the order the document has always had.
#include "run/result_json.h"

#include "common/error.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "run/step_sheets.h"
#include "strength/strength_calculation.h"
#include "trim/curves_of_form.h"
#include "trim/trim_table.h"
#include "trim/waterline_iteration.h"
#include "vibration/beam_model.h"
#include "vibration/tone_comparison.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace hullcalc {

namespace {

using Json = nlohmann::json;
namespace logCell = approximationsLog;
namespace trim = trimTableColumn;

Json number(const std::string& shown)
{
    const std::optional<double> value = numberOrNothing(shown);
    return value ? Json(*value) : Json(nullptr);
}

Json number(const TextGrid& grid, int column, int row) { return number(grid.cell(column, row)); }

template<typename T>
Json orNull(const std::optional<T>& value)
{
    return value ? Json(*value) : Json(nullptr);
}

Json orNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

// A labelled result such as "delta    -0,2200": the number after the word.
Json labelledNumber(const std::string& shown)
{
    const auto blank = shown.find(' ');
    return number(blank == std::string::npos ? std::string() : shown.substr(blank));
}

Json rowValues(const TextGrid& grid, int row, int firstColumn, int lastColumn)
{
    Json values = Json::array();
    for (int column = firstColumn; column <= lastColumn; ++column)
        values.push_back(number(grid, column, row));
    return values;
}

Json columnValues(const TextGrid& grid, int column, int firstRow, int lastRow)
{
    Json values = Json::array();
    for (int row = firstRow; row <= lastRow; ++row)
        values.push_back(number(grid, column, row));
    return values;
}

// A frame-by-waterline table: one array per frame 0..20, one value per waterline 1..10.
Json frameTable(const TextGrid& grid)
{
    Json frames = Json::array();
    for (int row = 1; row <= frameCount; ++row)
        frames.push_back(rowValues(grid, row, 1, waterlineCount));
    return frames;
}

// The strength check's input as typed; the members' table as its rows of cell
// texts (name, F, z, i) up to the last that holds one.
Json strengthInputJson(const StrengthInput& input)
{
    const TextGrid& grid = input.girderMembers;
    int last = 0;
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int column = 0; column < grid.columnCount(); ++column)
            if (!grid.cell(column, row).empty())
                last = row;
    Json members = Json::array();
    for (int row = 1; row <= last; ++row) {
        Json cells = Json::array();
        for (int column = 0; column < grid.columnCount(); ++column)
            cells.push_back(grid.cell(column, row));
        members.push_back(cells);
    }
    return {{"wave_height", {{"text", input.waveHeight}, {"value", number(input.waveHeight)}}},
            {"profile", profileKey(input.profile)},
            {"allowable_stress", {{"text", input.allowableStress}, {"value", number(input.allowableStress)}}},
            {"girder", members}};
}

Json inputJson(const ShipRun& run)
{
    const InputTables& input = run.trim.sheet.input;
    return {
        {"particulars", particularsJson(run)},
        {"water_density", waterDensity(run.ship.particulars.shipType)},
        {"offsets", frameTable(input.offsets)},
        {"masses", columnValues(input.masses, 1, 1, spacingCount)},
        {"section_inertia", columnValues(run.ship.sectionInertia, 1, 1, spacingCount)},
        {"strength", run.ship.strength ? strengthInputJson(*run.ship.strength) : Json(nullptr)},
    };
}

Json hydrostaticCurvesJson(const TrimSheet& sheet)
{
    const HydrostaticCurves& curves = sheet.hydrostatics;
    // The heights the curves were computed on, at the precision the tables
    // write numbers; none where the curves are empty.
    Json heights = Json::array();
    for (int j = 1; j <= waterlineCount; ++j) {
        const double height = sheet.bonjean.waterlineHeights.at(static_cast<std::size_t>(j));
        heights.push_back(curves.volume.values.cell(j, 0).empty() ? Json(nullptr) : number(formatGeneral(height)));
    }
    // Null where a value is undefined: XC, r, R without volume, XF without waterplane.
    const auto curve = [&curves](const HydrostaticCurve& c) {
        Json values = rowValues(c.values, 0, 1, waterlineCount);
        for (int j = 1; j <= waterlineCount; ++j)
            if (!isDefinedOn(curves, c, j))
                values[static_cast<std::size_t>(j - 1)] = nullptr;
        return values;
    };
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

// One object per waterline, the quantities under their snake_case names.
Json curvesOfFormJson(const CurvesOfForm& form)
{
    Json waterlines = Json::array();
    for (int j = 1; j <= waterlineCount; ++j) {
        Json values = Json::object();
        for (const FormQuantityInfo& info : formQuantities)
            values[std::string(info.key)] = number(form.table, formColumn(info.quantity), j);
        waterlines.push_back(std::move(values));
    }
    return waterlines;
}

Json stabilityJson(const InitialStability& stability)
{
    Json values = Json::object();
    for (const StabilityLine& line : stabilityLines)
        values[std::string(line.key)] = number(stability.*line.text);
    return values;
}

Json designWaterlineJson(const WaterlineIteration& iteration)
{
    const TextGrid& entries = iteration.log;
    const auto at = [&](logCell::Cell cell) { return number(entries, cell.column, cell.row); };
    Json approximations = Json::array();
    const std::optional<double> count =
        numberOrNothing(entries.cell(logCell::approximationNumber.column, logCell::approximationNumber.row));
    // Row n holds approximation n, as far as the log has rows.
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
        {"approximation_count", count ? Json(static_cast<int>(*count)) : Json(nullptr)},
        {"approximations", approximations},
        {"accepted", entries.cell(logCell::accepted.column, logCell::accepted.row) == "Готово"},
        {"correction_waterplane_area", at(logCell::correctionArea)},
        {"forward_draft", number(iteration.frameDrafts, 1, 1)},
        {"aft_draft", number(iteration.frameDrafts, frameCount, 1)},
        {"frame_drafts", rowValues(iteration.frameDrafts, 1, 1, frameCount)},
        {"design_section_areas", rowValues(iteration.designSectionAreas, 1, 1, frameCount)},
    };
}

// Rows 1..21 of the trim table are the frames; a spacing's values stand in the
// row of its forward frame, and the totals in row 21.
Json trimTableJson(const TextGrid& table)
{
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

Json summaryJson(const TrimSheet& sheet)
{
    const TrimTable& results = sheet.results;
    const std::optional<double> momentClosure = bendingMomentClosure(sheet);
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
        {"bending_moment_closure", momentClosure ? Json(*momentClosure) : Json(nullptr)},
    };
}

// The righting-lever curve every 5° of heel, the criteria and the cross
// curves; null without z_g or when the step did not complete.
Json largeAngleStabilityJson(const std::optional<LargeAngleStability>& stability)
{
    if (!stability)
        return nullptr;
    const RightingLeverCurve& curve = stability->rightingLevers;
    Json heel = Json::array();
    Json lever = Json::array();
    Json trim = Json::array();
    Json dynamicLever = Json::array();
    for (std::size_t k = 0; k < curve.heel.size(); k += 5) {
        heel.push_back(curve.heel[k]);
        lever.push_back(curve.rightingLever[k]);
        trim.push_back(curve.trim[k]);
        dynamicLever.push_back(curve.dynamicLever[k]);
    }
    Json criteria = Json::array();
    for (const StabilityCriterion& c : stability->criteria)
        criteria.push_back({{"name", c.key}, {"value", c.value}, {"limit", c.limit}, {"passed", c.passed}});
    const CrossCurves& cross = stability->crossCurves;
    Json kn = Json::array();
    for (const auto& row : cross.crossCurveLever) {
        Json values = Json::array();
        for (const std::optional<double>& value : row)
            values.push_back(orNull(value));
        kn.push_back(values);
    }
    return {{"trim_mode", stabilityTrimKey(curve.trimMode)},
            {"trim", trim},
            {"heel", heel},
            {"righting_lever", lever},
            {"dynamic_lever", dynamicLever},
            {"gm0", curve.metacentricHeight},
            {"area_0_30", curve.area0To30},
            {"area_0_40", curve.area0To40},
            {"area_30_40", curve.area30To40},
            {"max_righting_lever", {{"value", curve.maxRightingLever}, {"heel", curve.maxRightingLeverHeel}}},
            {"vanishing_angle", orNull(curve.vanishingAngle)},
            {"deck_edge_angle", orNull(curve.deckEdgeAngle)},
            {"bilge_emergence_angle", orNull(curve.bilgeEmergenceAngle)},
            {"criteria", criteria},
            {"cross_curves", {{"volumes", cross.volumes}, {"heel", cross.heel}, {"kn", kn}}}};
}

Json kumaiJson(const std::optional<KumaiEstimate>& kumai)
{
    if (!kumai)
        return nullptr;
    return {{"per_minute", kumai->perMinute},
            {"difference_percent", kumai->differencePercent},
            {"note", orNull(kumai->note)}};
}

// `kumai` is the estimate of tone I when this is tone I and it was computed.
Json toneJson(const ToneRun& tone, const std::optional<KumaiEstimate>& kumai)
{
    const VibrationSheet& sheet = tone.sheet;
    const std::optional<double> omega = numberOrNothing(sheet.frequency);
    const Frequency frequency = frequencyOf(omega.value_or(0.0));
    const auto ifComputed = [&](double value) { return omega ? Json(value) : Json(nullptr); };
    return {
        {"tone", sheet.tone},
        {"half_waves", sheet.halfWaves},
        {"added_mass_coefficient", sheet.addedMassCoefficient},
        {"stiffness", number(sheet.stiffness)},
        {"mass", number(sheet.mass)},
        {"frequency",
         {{"per_second", ifComputed(frequency.perSecond)},
          {"hertz", ifComputed(frequency.hertz)},
          {"per_minute", ifComputed(frequency.perMinute)}}},
        {"shift", labelledNumber(sheet.shift)},
        {"turn", labelledNumber(sheet.turn)},
        {"mass_per_metre", columnValues(sheet.table, vibrationTableColumn::massPerMetre, 1, spacingCount)},
        {"mode_shape", columnValues(sheet.table, vibrationTableColumn::modeShape, 1, spacingCount)},
        {"beam_frequency", tone.beam ? Json(tone.beam->beamFrequency) : Json(nullptr)},
        {"shear_beam_frequency",
         tone.beam && tone.beam->shearBeamFrequency > 0 ? Json(tone.beam->shearBeamFrequency) : Json(nullptr)},
        {"lewis_added_mass", tone.beam ? Json(tone.beam->lewisAddedMass) : Json(nullptr)},
        {"recommended_method", tone.beam ? Json(recommendedMethod(*tone.beam)) : Json(nullptr)},
        {"beam_error", orNull(tone.beamError)},
        {"kumai", kumaiJson(kumai)},
    };
}

Json frameValue(double value, int frame) { return {{"value", value}, {"frame", frame}}; }

Json waveCaseJson(const WaveBalance& balance)
{
    namespace wave = waveFrameColumn;
    const auto perFrame = [&](int column) { return columnValues(balance.frames, column, 1, frameCount); };
    return {
        {"mean_draft", balance.meanDraft},
        {"forward_draft", balance.forwardDraft},
        {"aft_draft", balance.aftDraft},
        {"volume", balance.volume},
        {"centre_of_buoyancy", balance.centreOfBuoyancy},
        {"iterations", balance.iterations},
        {"elevation", perFrame(wave::elevation)},
        {"local_draft", perFrame(wave::localDraft)},
        {"section_area", perFrame(wave::sectionArea)},
        {"buoyancy", columnValues(balance.table, trim::buoyancy, 1, spacingCount)},
        {"load", columnValues(balance.table, trim::load, 1, spacingCount)},
        {"shear_force", perFrame(wave::shearForce)},
        {"bending_moment", perFrame(wave::bendingMoment)},
        {"wave_shear_force", perFrame(wave::waveShearForce)},
        {"wave_bending_moment", perFrame(wave::waveBendingMoment)},
        {"largest_shear_force", frameValue(balance.largestShearForce, balance.largestShearFrame)},
        {"largest_bending_moment", frameValue(balance.largestMoment, balance.largestMomentFrame)},
    };
}

Json girderJson(const StrengthInput& input, const HullGirder& girder)
{
    Json members = Json::array();
    const TextGrid& grid = input.girderMembers;
    for (int row = 1; row < grid.rowCount(); ++row)
        if (!grid.cell(girderColumn::area, row).empty() || !grid.cell(girderColumn::height, row).empty())
            members.push_back({{"name", grid.cell(girderColumn::name, row)},
                               {"area", number(grid, girderColumn::area, row)},
                               {"height", number(grid, girderColumn::height, row)},
                               {"own_inertia", number(grid, girderColumn::ownInertia, row)}});
    return {
        {"members", members},
        {"area", girder.area},
        {"neutral_axis", girder.neutralAxis},
        {"inertia", girder.inertia},
        {"inertia_m4", girder.inertiaM4()},
        {"deck_modulus", girder.deckModulus},
        {"bottom_modulus", girder.bottomModulus},
    };
}

Json stressesJson(const StrengthSheet& strength)
{
    static constexpr std::array<const char*, loadCaseCount> keys = {"still_water", "hogging", "sagging"};
    Json cases = Json::array();
    for (std::size_t c = 0; c < keys.size(); ++c) {
        const GirderStress& stress = strength.stresses[c];
        cases.push_back({{"case", keys[c]},
                         {"frame", stress.frame},
                         {"bending_moment", stress.moment},
                         {"deck", stress.deckStress},
                         {"bottom", stress.bottomStress},
                         {"margin_percent", stress.margin},
                         {"exceeded", stress.exceeded},
                         {"yield_margin_percent", stress.yieldMargin},
                         {"yielded", stress.yielded}});
    }
    return {{"allowable", strength.allowableStress}, {"cases", cases}, {"yield", strength.yieldStress}};
}

// The rule's wave shear forces at the frames 0..20, from the aft end.
Json ruleShearForcesJson(const RuleWaveLoads& loads, double length, double breadth)
{
    Json positive = Json::array();
    Json negative = Json::array();
    for (int frame = 0; frame < frameCount; ++frame) {
        const double fromAft = length * frame / spacingCount;
        positive.push_back(rulePositiveShearForce(loads, fromAft, length, breadth));
        negative.push_back(ruleNegativeShearForce(loads, fromAft, length, breadth));
    }
    return {{"positive", positive}, {"negative", negative}};
}

Json ruleLoadsJson(const RuleWaveLoads& loads, double length, double breadth)
{
    if (!loads.applies)
        return {{"applies", false}, {"reason", loads.reason}};
    return {{"applies", true},
            {"wave_coefficient", loads.waveCoefficient},
            {"block_coefficient", loads.blockCoefficient},
            {"hogging_moment", loads.hoggingMoment},
            {"sagging_moment", loads.saggingMoment},
            {"minimum_section_modulus", loads.minimumSectionModulus},
            {"scantling_draft", loads.scantlingDraft},
            {"actual_block_coefficient", loads.actualBlockCoefficient},
            {"positive_shear_force", loads.positiveShearForce},
            {"negative_shear_force", loads.negativeShearForce},
            {"shear_force_along_hull", ruleShearForcesJson(loads, length, breadth)}};
}

// Each tone against each exciting frequency; null when none was typed.
Json resonanceJson(const ShipRun& run)
{
    if (run.resonance.empty())
        return nullptr;
    Json margins = Json::array();
    for (const ResonanceMargin& m : run.resonance)
        margins.push_back({{"tone", m.tone},
                           {"tone_hertz", m.toneHertz},
                           {"excitation", m.excitation},
                           {"excitation_hertz", m.excitationHertz},
                           {"margin_percent", m.marginPercent},
                           {"inside_limit", m.inside}});
    return {{"limit_percent", run.resonanceLimitPercent}, {"margins", margins}};
}

Json warningsJson(const ShipRun& run)
{
    Json warnings = Json::array();
    for (const Warning& warning : run.warnings())
        warnings.push_back({{"message", warning.message}, {"place", orNull(pointerOf(warning))}});
    return warnings;
}

Json tonesJson(const ShipRun& run)
{
    Json tones = Json::array();
    for (const ToneRun& tone : run.tones)
        tones.push_back(toneJson(tone, tone.sheet.tone == lowestTone ? run.kumai : std::nullopt));
    return tones;
}

const StrengthSheet* completeStrength(const ShipRun& run)
{
    return run.strength && run.strength->complete ? &*run.strength : nullptr;
}

bool hasGirder(const ShipRun& run)
{
    const StrengthSheet* strength = completeStrength(run);
    return strength && strength->girder.present && run.ship.strength;
}

struct ResultPart {
    std::string_view key;
    Json (*build)(const ShipRun&);
};

// The result's keys, each with what builds its value from the run; the
// strength check's are null where it was not asked for or did not complete.
const std::vector<ResultPart>& resultParts()
{
    static const std::vector<ResultPart> parts = {
        {"input_file", [](const ShipRun& run) { return orNull(run.inputFile); }},
        {"error",
         [](const ShipRun& run) { return run.failure ? Json(firstLine(run.failure->message)) : Json(nullptr); }},
        {"message",
         [](const ShipRun& run) {
             return run.failure ? Json(firstLine(userMessage(run.failure->message))) : Json(nullptr);
         }},
        {"error_location",
         [](const ShipRun& run) { return run.failure ? orNull(run.failure->place.label) : Json(nullptr); }},
        {"warnings", warningsJson},
        {"input", inputJson},
        {"bonjean_scale",
         [](const ShipRun& run) {
             const BonjeanScale& bonjean = run.trim.sheet.bonjean;
             return Json{{"section_area", frameTable(bonjean.sectionAreas)},
                         {"static_moment", frameTable(bonjean.sectionMoments)}};
         }},
        {"hydrostatic_curves", [](const ShipRun& run) { return hydrostaticCurvesJson(run.trim.sheet); }},
        {"curves_of_form", [](const ShipRun& run) { return curvesOfFormJson(run.trim.sheet.curvesOfForm); }},
        {"design_waterline", [](const ShipRun& run) { return designWaterlineJson(run.trim.sheet.iteration); }},
        {"trim_table", [](const ShipRun& run) { return trimTableJson(run.trim.sheet.results.table); }},
        {"load_per_spacing",
         [](const ShipRun& run) { return columnValues(run.trim.sheet.results.loads, 1, 0, spacingCount - 1); }},
        {"shear_force",
         [](const ShipRun& run) { return columnValues(run.trim.sheet.results.shearForce, 1, 0, frameCount - 1); }},
        {"bending_moment",
         [](const ShipRun& run) { return columnValues(run.trim.sheet.results.bendingMoment, 1, 0, frameCount - 1); }},
        {"summary", [](const ShipRun& run) { return summaryJson(run.trim.sheet); }},
        {"stability", [](const ShipRun& run) { return stabilityJson(run.trim.sheet.stability); }},
        {"large_angle_stability", [](const ShipRun& run) { return largeAngleStabilityJson(run.stability); }},
        {"vibration", tonesJson},
        {"shear_area_note",
         [](const ShipRun& run) { return run.tones.empty() ? Json(nullptr) : Json(run.shearAreaNote); }},
        {"resonance", resonanceJson},
        {"wave",
         [](const ShipRun& run) {
             const StrengthSheet* strength = completeStrength(run);
             if (!strength)
                 return Json(nullptr);
             return Json{{"profile", profileKey(strength->wave.profile)},
                         {"height", strength->wave.height},
                         {"length", strength->wave.length},
                         {"height_source", strength->waveSource},
                         {"smith_effect", strength->wave.smithEffect},
                         {"hogging", waveCaseJson(strength->hogging)},
                         {"sagging", waveCaseJson(strength->sagging)}};
         }},
        {"girder",
         [](const ShipRun& run) {
             return hasGirder(run) ? girderJson(*run.ship.strength, run.strength->girder) : Json(nullptr);
         }},
        {"stresses", [](const ShipRun& run) { return hasGirder(run) ? stressesJson(*run.strength) : Json(nullptr); }},
        {"rule_loads",
         [](const ShipRun& run) {
             const StrengthSheet* strength = completeStrength(run);
             return strength
                        ? ruleLoadsJson(strength->ruleLoads, run.trim.particulars.length, run.trim.particulars.breadth)
                        : Json(nullptr);
         }},
    };
    return parts;
}

// A grid of a step's sheet by its columns: each header with the column's
// numbers (null where empty), or its texts where a cell is no number.
Json sheetGridJson(const TextGrid& grid)
{
    Json columns = Json::object();
    for (int column = 0; column < grid.columnCount(); ++column) {
        Json values = Json::array();
        for (int row = 1; row < grid.rowCount(); ++row) {
            const std::string& text = grid.cell(column, row);
            const std::optional<double> value = numberOrNothing(text);
            values.push_back(value ? Json(*value) : text.empty() ? Json(nullptr) : Json(text));
        }
        columns[grid.cell(column, 0)] = std::move(values);
    }
    return columns;
}

// A sheet step without a part of its own above: each grid's columns where
// its JSON Pointer points, under the step's key; null when not computed.
Json sheetJson(const ShipRun& run, std::string_view key)
{
    const StepSheet sheet = stepSheetOf(run, key);
    if (!sheet.computed())
        return nullptr;
    Json document = Json::object();
    for (const SheetGrid& grid : sheet.grids)
        document[Json::json_pointer(std::string(grid.jsonPointer))] = sheetGridJson(grid.grid);
    return document[std::string(key)];
}

bool hasOwnPart(std::string_view key)
{
    return std::ranges::find(resultParts(), key, &ResultPart::key) != resultParts().end();
}

Json resultObject(const ShipRun& run)
{
    Json result = Json::object();
    for (const ResultPart& part : resultParts())
        result[std::string(part.key)] = part.build(run);
    for (const SheetStep& step : sheetSteps())
        if (!hasOwnPart(step.key))
            result[std::string(step.key)] = sheetJson(run, step.key);
    return result;
}

Json unreadInputObject(const ShipRun& run)
{
    const std::string message = run.failure ? run.failure->message : std::string();
    return {
        {"input_file", orNull(run.inputFile)},
        {"error", firstLine(message)},
        {"message", firstLine(userMessage(message))},
        {"error_location", run.failure ? orNull(run.failure->place.label) : Json(nullptr)},
    };
}

// Indented by four blanks a level, as the document has always been; a text
// that is no valid UTF-8 (a file name from the command line) is written with
// U+FFFD in place of its bad bytes rather than refused.
std::string indented(const Json& json) { return json.dump(4, ' ', false, Json::error_handler_t::replace); }

}  // namespace

Json resultJson(const ShipRun& run)
{
    Json document = resultObject(run);
    document["schema"] = resultSchema;
    return document;
}

Json particularsJson(const ShipRun& run)
{
    Json particulars = Json::object();
    for (const ParticularField& field : particularFields) {
        const std::string& shown = run.ship.particulars.*field.text;
        particulars[resultKeyOf(field)] = {{"text", shown}, {"value", number(shown)}};
    }
    return particulars;
}

Json resultPart(const ShipRun& run, std::string_view key)
{
    if (key == "schema")
        return resultSchema;
    for (const ResultPart& part : resultParts())
        if (part.key == key)
            return part.build(run);
    for (const SheetStep& step : sheetSteps())
        if (step.key == key)
            return sheetJson(run, key);
    return nullptr;
}

std::string resultDocument(const ShipRun& run) { return indented(resultJson(run)) + '\n'; }

ResultStream::ResultStream(std::ostream& out) : out_(out) { out_ << "{\n    \"results\": ["; }

void ResultStream::add(const ShipRun& run)
{
    // An input that could not be read has no tables to show: its entry says
    // which file and why.
    const Json result = run.inputLoaded ? resultObject(run) : unreadInputObject(run);
    // Each result two levels deep: its lines shifted by eight blanks.
    std::string text = indented(result);
    std::string shifted;
    shifted.reserve(text.size() + text.size() / 8);
    shifted += empty_ ? "\n        " : ",\n        ";
    for (const char c : text) {
        shifted += c;
        if (c == '\n')
            shifted += "        ";
    }
    out_ << shifted;
    empty_ = false;
}

void ResultStream::finish()
{
    out_ << (empty_ ? "]" : "\n    ]") << ",\n    \"schema\": " << Json(resultSchema).dump() << "\n}\n";
}

}  // namespace hullcalc
