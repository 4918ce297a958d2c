// Reads the shown texts of a run back as numbers and lays them out as the
// result schema names them.
#include "cli/result_json.h"

#include "common/error.h"
#include "common/number_text.h"
#include "trim/curves_of_form.h"
#include "trim/trim_table.h"
#include "trim/waterline_iteration.h"
#include "vibration/beam_model.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cctype>
#include <optional>

namespace hullcalc {

namespace {

namespace logCell = approximationsLog;
namespace trim = trimTableColumn;

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::optional<double> valueOf(const std::string& shown)
{
    try {
        return parseNumber(shown);
    } catch (const Error&) {
        return std::nullopt;
    }
}

QJsonValue number(const std::string& shown)
{
    const std::optional<double> value = valueOf(shown);
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue number(const TextGrid& grid, int column, int row) { return number(grid.cell(column, row)); }

// A labelled result such as "delta    -0,2200": the number after the word.
QJsonValue labelledNumber(const std::string& shown)
{
    const auto blank = shown.find(' ');
    return number(blank == std::string::npos ? std::string() : shown.substr(blank));
}

QJsonArray rowValues(const TextGrid& grid, int row, int firstColumn, int lastColumn)
{
    QJsonArray values;
    for (int column = firstColumn; column <= lastColumn; ++column)
        values.append(number(grid, column, row));
    return values;
}

QJsonArray columnValues(const TextGrid& grid, int column, int firstRow, int lastRow)
{
    QJsonArray values;
    for (int row = firstRow; row <= lastRow; ++row)
        values.append(number(grid, column, row));
    return values;
}

// A frame-by-waterline table: one array per frame 0..20, one value per waterline 1..10.
QJsonArray frameTable(const TextGrid& grid)
{
    QJsonArray frames;
    for (int row = 1; row <= frameCount; ++row)
        frames.append(rowValues(grid, row, 1, waterlineCount));
    return frames;
}

// "design-displacement" → "design_displacement".
QString snakeCase(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c == '-')
            c = '_';
    return text(key);
}

QJsonObject inputJson(const ShipRun& run)
{
    QJsonObject particulars;
    for (const ParticularField& field : particularFields) {
        const std::string& shown = run.particulars.*field.text;
        particulars[snakeCase(field.optionName)] = QJsonObject{{"text", text(shown)}, {"value", number(shown)}};
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

QJsonObject hydrostaticCurvesJson(const ShipRun& run)
{
    const HydrostaticCurves& curves = run.sheet.hydrostatics;
    // The heights the curves were computed on, at the precision the tables
    // write numbers; none where the curves are empty.
    QJsonArray heights;
    for (int j = 1; j <= waterlineCount; ++j) {
        const double height = run.sheet.bonjean.waterlineHeights.at(static_cast<std::size_t>(j));
        heights.append(curves.volume.values.cell(j, 0).empty() ? QJsonValue(QJsonValue::Null)
                                                               : number(formatGeneral(height)));
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

// One object per waterline, the quantities under their snake_case names.
QJsonArray curvesOfFormJson(const CurvesOfForm& form)
{
    QJsonArray waterlines;
    for (int j = 1; j <= waterlineCount; ++j) {
        QJsonObject values;
        for (const FormQuantityInfo& info : formQuantities)
            values[text(info.key)] = number(form.table, formColumn(info.quantity), j);
        waterlines.append(values);
    }
    return waterlines;
}

QJsonObject stabilityJson(const InitialStability& stability)
{
    QJsonObject values;
    for (const StabilityLine& line : stabilityLines)
        values[text(line.key)] = number(stability.*line.text);
    return values;
}

QJsonObject designWaterlineJson(const WaterlineIteration& iteration)
{
    const TextGrid& entries = iteration.log;
    const auto at = [&](logCell::Cell cell) { return number(entries, cell.column, cell.row); };
    QJsonArray approximations;
    const std::optional<double> count =
        valueOf(entries.cell(logCell::approximationNumber.column, logCell::approximationNumber.row));
    // Row n holds approximation n, as far as the log has rows.
    for (int n = 1; count && n <= *count && n < entries.rowCount(); ++n)
        approximations.append(QJsonObject{
            {"volume", number(entries, logCell::volumeColumn, n)},
            {"centre_of_buoyancy", number(entries, logCell::centreOfBuoyancyColumn, n)},
            {"sectional_area_sum", number(entries, logCell::areaSumColumn, n)},
        });
    return {
        {"even_keel", QJsonObject{{"draft", at(logCell::evenKeelDraft)},
                                  {"centre_of_flotation", at(logCell::evenKeelCentreOfFlotation)},
                                  {"centre_of_buoyancy", at(logCell::evenKeelCentreOfBuoyancy)},
                                  {"longitudinal_radius", at(logCell::evenKeelRadius)}}},
        {"first_forward_draft", at(logCell::firstForwardDraft)},
        {"first_aft_draft", at(logCell::firstAftDraft)},
        {"approximation_count", count ? QJsonValue(static_cast<int>(*count)) : QJsonValue(QJsonValue::Null)},
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
QJsonObject trimTableJson(const TextGrid& table)
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
        {"totals", QJsonObject{{"volume", number(table, trim::areaSum, frameCount)},
                               {"buoyancy", number(table, trim::buoyancy, frameCount)},
                               {"weight", number(table, trim::weight, frameCount)}}},
    };
}

QJsonObject summaryJson(const TrimTable& results)
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

// Where a warning points: a JSON Pointer (RFC 6901) to the input value of this
// result it is about, or null for the results as a whole.
QJsonValue warningPlace(const Warning& warning)
{
    switch (warning.place) {
    case Warning::Place::Offset:
        return text("/input/offsets/" + std::to_string(warning.row - 1) + "/" + std::to_string(warning.column - 1));
    case Warning::Place::Mass:
        return text(warning.row > 0 ? "/input/masses/" + std::to_string(warning.row - 1) : "/input/masses");
    case Warning::Place::Particular:
        return "/input/particulars/" + snakeCase(fieldOf(warning.particular).optionName);
    case Warning::Place::None:
        break;
    }
    return QJsonValue::Null;
}

QJsonObject kumaiJson(const ShipRun::Kumai& kumai)
{
    return {{"per_minute", kumai.perMinute}, {"difference_percent", kumai.differencePercent}};
}

// `kumai` is the estimate of tone I when this is tone I and it was computed.
QJsonObject toneJson(const ShipRun::Tone& tone, const std::optional<ShipRun::Kumai>& kumai)
{
    const VibrationSheet& sheet = tone.sheet;
    const std::optional<double> omega = valueOf(sheet.frequency);
    const Frequency frequency = frequencyOf(omega.value_or(0.0));
    const auto orNull = [&](double value) { return omega ? QJsonValue(value) : QJsonValue(QJsonValue::Null); };
    return {
        {"tone", sheet.tone},
        {"half_waves", sheet.halfWaves},
        {"added_mass_coefficient", sheet.addedMassCoefficient},
        {"stiffness", number(sheet.stiffness)},
        {"mass", number(sheet.mass)},
        {"frequency", QJsonObject{{"per_second", orNull(frequency.perSecond)},
                                  {"hertz", orNull(frequency.hertz)},
                                  {"per_minute", orNull(frequency.perMinute)}}},
        {"shift", labelledNumber(sheet.shift)},
        {"turn", labelledNumber(sheet.turn)},
        {"mass_per_metre", columnValues(sheet.table, vibrationTableColumn::massPerMetre, 1, spacingCount)},
        {"mode_shape", columnValues(sheet.table, vibrationTableColumn::modeShape, 1, spacingCount)},
        {"beam_frequency", tone.beam ? QJsonValue(tone.beam->beamFrequency) : QJsonValue(QJsonValue::Null)},
        {"beam_error", tone.beamError ? QJsonValue(text(*tone.beamError)) : QJsonValue(QJsonValue::Null)},
        {"kumai", kumai ? QJsonValue(kumaiJson(*kumai)) : QJsonValue(QJsonValue::Null)},
    };
}

}  // namespace

QJsonObject resultJson(const ShipRun& run)
{
    const TrimTable& results = run.sheet.results;
    QJsonArray warnings;
    for (const Warning& warning : run.warnings)
        warnings.append(QJsonObject{{"message", text(warning.message)}, {"place", warningPlace(warning)}});
    QJsonArray tones;
    for (const ShipRun::Tone& tone : run.tones)
        tones.append(toneJson(tone, tone.sheet.tone == lowestTone ? run.kumai : std::nullopt));
    const auto orNull = [](const std::optional<std::string>& value) {
        return value ? QJsonValue(text(*value)) : QJsonValue(QJsonValue::Null);
    };
    return {
        {"input_file", orNull(run.inputFile)},
        {"error", orNull(run.failure ? std::optional(firstLine(run.failure->message)) : std::nullopt)},
        {"error_location",
         orNull(run.failure && !run.failure->location.empty() ? std::optional(run.failure->location) : std::nullopt)},
        {"warnings", warnings},
        {"input", inputJson(run)},
        {"bonjean_scale", QJsonObject{{"section_area", frameTable(run.sheet.bonjean.sectionAreas)},
                                      {"static_moment", frameTable(run.sheet.bonjean.sectionMoments)}}},
        {"hydrostatic_curves", hydrostaticCurvesJson(run)},
        {"curves_of_form", curvesOfFormJson(run.sheet.curvesOfForm)},
        {"design_waterline", designWaterlineJson(run.sheet.iteration)},
        {"trim_table", trimTableJson(results.table)},
        {"load_per_spacing", columnValues(results.loads, 1, 0, spacingCount - 1)},
        {"shear_force", columnValues(results.shearForce, 1, 0, frameCount - 1)},
        {"bending_moment", columnValues(results.bendingMoment, 1, 0, frameCount - 1)},
        {"summary", summaryJson(results)},
        {"stability", stabilityJson(run.sheet.stability)},
        {"vibration", tones},
    };
}

std::string resultDocument(const std::vector<QJsonObject>& results, bool batch)
{
    QJsonObject document;
    if (batch) {
        QJsonArray all;
        for (const QJsonObject& result : results)
            all.append(result);
        document["results"] = all;
    } else if (!results.empty()) {
        document = results.front();
    }
    document["schema"] = text(resultSchema);
    return QJsonDocument(document).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace hullcalc
