#include "strength/strength_calculation.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/waterline_interpolation.h"

#include <algorithm>
#include <cmath>

namespace hullcalc {

namespace {

ChartModel caseChart(std::string title)
{
    ChartModel chart{std::move(title), {}};
    chart.series.emplace_back("Тихая вода", colours::blue);
    chart.series.emplace_back("Вершина волны на миделе", colours::red);
    chart.series.emplace_back("Подошва волны на миделе", colours::green);
    return chart;
}

// The stresses of a moment against the allowable.
GirderStress stressOf(int frame, double moment, const HullGirder& girder, double allowable)
{
    GirderStress stress;
    stress.frame = frame;
    stress.moment = moment;
    // kN·m over m³ is kPa; a positive (hogging) moment stretches the deck.
    stress.deckStress = moment / girder.deckModulus / 1000.0;
    stress.bottomStress = -moment / girder.bottomModulus / 1000.0;
    const double largest = std::max(std::abs(stress.deckStress), std::abs(stress.bottomStress));
    stress.margin = (allowable - largest) / allowable * 100.0;
    stress.exceeded = largest > allowable;
    return stress;
}

void drawCharts(const TrimTable& stillWater, const ParticularValues& particulars, StrengthSheet& sheet)
{
    for (int r = 0; r < frameCount; ++r) {
        sheet.shearForceChart.series[0].append(r, cellValue(stillWater.shearForce, 1, r));
        sheet.bendingMomentChart.series[0].append(r, cellValue(stillWater.bendingMoment, 1, r));
        int s = 1;
        for (const WaveBalance* balance : {&sheet.hogging, &sheet.sagging}) {
            sheet.shearForceChart.series[s].append(r, cellValue(balance->frames, waveFrameColumn::shearForce, r + 1));
            sheet.bendingMomentChart.series[s].append(
                r, cellValue(balance->frames, waveFrameColumn::bendingMoment, r + 1));
            ++s;
        }
    }
    if (!sheet.ruleLoads.applies)
        return;
    const double length = particulars.length;
    const double frameSpacing = particulars.frameSpacing;
    ChartSeries& hog = sheet.bendingMomentChart.series[3];
    ChartSeries& sag = sheet.bendingMomentChart.series[4];
    for (int r = 0; r < frameCount; ++r) {
        const double still = cellValue(stillWater.bendingMoment, 1, r);
        const double factor = ruleMomentDistribution((spacingCount - r) * frameSpacing, length);
        hog.append(r, still + factor * sheet.ruleLoads.hoggingMoment);
        sag.append(r, still + factor * sheet.ruleLoads.saggingMoment);
    }
}

// The girder's stresses under the largest bending moment of each load case
// against the allowable stress (MPa), and its modulus against the rule's
// minimum: warnings where they fall short.
void checkStresses(const TrimTable& stillWater, const std::string& allowableStress, StrengthSheet& sheet)
{
    try {
        sheet.allowableStress = parseNumber(allowableStress);
    } catch (const Error& e) {
        throw Error("Допускаемое напряжение: " + userMessage(e.what()));
    }
    if (!(sheet.allowableStress > 0.0))
        throw Error("Допускаемое напряжение должно быть положительным");
    int largestFrame = 0;
    double largest = 0.0;
    for (int r = 0; r < frameCount; ++r) {
        const double moment = cellValue(stillWater.bendingMoment, 1, r);
        if (std::abs(moment) > std::abs(largest)) {
            largest = moment;
            largestFrame = r;
        }
    }
    sheet.stresses[0] = stressOf(largestFrame, largest, sheet.girder, sheet.allowableStress);
    sheet.stresses[1] =
        stressOf(sheet.hogging.largestMomentFrame, sheet.hogging.largestMoment, sheet.girder, sheet.allowableStress);
    sheet.stresses[2] =
        stressOf(sheet.sagging.largestMomentFrame, sheet.sagging.largestMoment, sheet.girder, sheet.allowableStress);
    for (int c = 0; c < loadCaseCount; ++c) {
        const GirderStress& s = sheet.stresses[static_cast<std::size_t>(c)];
        if (s.exceeded)
            sheet.warnings.push_back(std::string(loadCaseCaption(static_cast<LoadCase>(c))) + ": напряжение "
                                     + roundedText(std::max(std::abs(s.deckStress), std::abs(s.bottomStress)), 1)
                                     + " МПа на шпангоуте " + frameLabel(s.frame) + " больше допускаемого "
                                     + roundedText(sheet.allowableStress, 1) + " МПа");
    }
    // The rule's modulus holds at the deck and at the keel alike, so the
    // smaller of the girder's two moduli decides.
    const double smallerModulus = std::min(sheet.girder.deckModulus, sheet.girder.bottomModulus);
    if (sheet.ruleLoads.applies && smallerModulus < sheet.ruleLoads.minimumSectionModulus)
        sheet.warnings.push_back("Момент сопротивления миделевого сечения " + roundedText(smallerModulus, 4)
                                 + " м³ меньше требуемого IACS " + roundedText(sheet.ruleLoads.minimumSectionModulus, 4)
                                 + " м³");
}

}  // namespace

std::string_view loadCaseCaption(LoadCase loadCase)
{
    switch (loadCase) {
    case LoadCase::stillWater:
        return "Тихая вода";
    case LoadCase::hogging:
        return "Вершина волны на миделе";
    case LoadCase::sagging:
        return "Подошва волны на миделе";
    }
    return {};
}

StrengthSheet::StrengthSheet()
    : shearForceChart(caseChart("Перерезывающая сила на волне")),
      bendingMomentChart(caseChart("Изгибающий момент на волне"))
{
    // The still-water moment plus the rule's wave moments, empty where the rule
    // does not apply.
    bendingMomentChart.series.emplace_back("Тихая вода + IACS UR S11, перегиб", colours::maroon);
    bendingMomentChart.series.emplace_back("Тихая вода + IACS UR S11, прогиб", colours::teal);
    writeWaveHeaders(hogging);
    writeWaveHeaders(sagging);
    writeGirderHeaders(girder);
}

void clearStrengthResults(StrengthSheet& sheet) { sheet = StrengthSheet(); }

double designWaveHeight(const StrengthInput& input, double length)
{
    if (input.waveHeight.find_first_not_of(' ') == std::string::npos)
        return length / 20.0;
    try {
        return parseNumber(input.waveHeight);
    } catch (const Error& e) {
        throw Error("Высота волны: " + userMessage(e.what()));
    }
}

void runStrengthCalculation(const TrimSheet& trim, const ShipParticulars& typed, const StrengthInput& input,
                            StrengthSheet& sheet)
{
    clearStrengthResults(sheet);
    if (!trim.complete)
        throw Error("Сначала выполните расчет удифферентовки на тихой воде");
    runStrengthCalculation(trim, readParticularValues(typed), readDepth(typed), typed.shipType == ShipType::sea, input,
                           sheet);
}

void runStrengthCalculation(const TrimSheet& trim, const ParticularValues& particulars, double depth, bool seaGoing,
                            const StrengthInput& input, StrengthSheet& sheet)
{
    clearStrengthResults(sheet);
    if (!trim.complete)
        throw Error("Сначала выполните расчет удифферентовки на тихой воде");
    const double length = particulars.length;
    const double breadth = particulars.breadth;

    sheet.wave = {input.profile, designWaveHeight(input, length), length};
    balanceOnWave(trim.input, trim.bonjean, trim.iteration, trim.results, particulars, depth, sheet.wave,
                  WaveCase::hogging, sheet.hogging);
    balanceOnWave(trim.input, trim.bonjean, trim.iteration, trim.results, particulars, depth, sheet.wave,
                  WaveCase::sagging, sheet.sagging);

    // The block coefficient of the still-water waterline, V / (L·B·T).
    const double designVolume = particulars.designDisplacement / particulars.waterDensity;
    const double meanDraft = trim.iteration.frameDraft[midshipRow];
    sheet.ruleLoads = computeRuleWaveLoads(length, breadth, designVolume / (length * breadth * meanDraft), seaGoing);

    computeHullGirder(input.girderMembers, depth, sheet.girder);
    if (sheet.girder.present)
        checkStresses(trim.results, input.allowableStress, sheet);
    drawCharts(trim.results, particulars, sheet);
    sheet.complete = true;
}

}  // namespace hullcalc
