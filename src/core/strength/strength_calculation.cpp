#include "strength/strength_calculation.h"

#include "common/display_precision.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "strength/strength_fields.h"
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

// The stresses of a moment against the allowable and the yield stress.
GirderStress stressOf(int frame, double moment, const HullGirder& girder, double allowable, double yield)
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
    stress.yieldMargin = (yield - largest) / yield * 100.0;
    stress.yielded = largest > yield;
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
    const double breadth = particulars.breadth;
    const double frameSpacing = particulars.frameSpacing;
    const RuleWaveLoads& rule = sheet.ruleLoads;
    for (int r = 0; r < frameCount; ++r) {
        // Frame 0 is at the bow; the rule measures from the stern.
        const double fromAft = (spacingCount - r) * frameSpacing;
        const double still = cellValue(stillWater.bendingMoment, 1, r);
        const double factor = ruleMomentDistribution(fromAft, length);
        sheet.bendingMomentChart.series[3].append(r, still + factor * rule.hoggingMoment);
        sheet.bendingMomentChart.series[4].append(r, still + factor * rule.saggingMoment);
        const double stillShear = cellValue(stillWater.shearForce, 1, r);
        sheet.shearForceChart.series[3].append(r, stillShear + rulePositiveShearForce(rule, fromAft, length, breadth));
        sheet.shearForceChart.series[4].append(r, stillShear + ruleNegativeShearForce(rule, fromAft, length, breadth));
    }
}

// "0–4, 18–20": the frames as runs of consecutive numbers.
std::string frameRuns(const std::vector<int>& frames)
{
    std::string text;
    for (std::size_t i = 0; i < frames.size();) {
        std::size_t j = i;
        while (j + 1 < frames.size() && frames[j + 1] == frames[j] + 1)
            ++j;
        if (!text.empty())
            text += ", ";
        text += std::to_string(frames[i]);
        if (j > i)
            text += "–" + std::to_string(frames[j]);
        i = j + 1;
    }
    return text;
}

// A warning per case where the wave's surface goes over the deck or under the
// keel: the static balance then leans on a hull the water does not meet as
// drawn.
void warnOfWaveOverHull(StrengthSheet& sheet)
{
    for (const WaveCase waveCase : {WaveCase::hogging, WaveCase::sagging}) {
        const WaveBalance& b = sheet.balance(waveCase);
        const std::string caseName =
            std::string(loadCaseCaption(waveCase == WaveCase::hogging ? LoadCase::hogging : LoadCase::sagging));
        if (!b.deckImmersedFrames.empty())
            sheet.warnings.push_back(caseName + ": волна выше палубы на шпангоутах " + frameRuns(b.deckImmersedFrames));
        if (!b.keelEmergedFrames.empty())
            sheet.warnings.push_back(caseName + ": киль выходит из воды на шпангоутах "
                                     + frameRuns(b.keelEmergedFrames));
    }
}

// The girder's stresses under the largest bending moment of each load case
// against the allowable stress (MPa), and its modulus against the rule's
// minimum: warnings where they fall short.
void checkStresses(const TrimTable& stillWater, const StrengthInput& input, double mildSteelAllowable,
                   StrengthSheet& sheet)
{
    sheet.steel = input.steel;
    sheet.yieldStress = hullSteelYieldStress(input.steel);
    sheet.allowableStress = mildSteelAllowable / hullSteelFactor(input.steel);
    const double yield = sheet.yieldStress;
    int largestFrame = 0;
    double largest = 0.0;
    for (int r = 0; r < frameCount; ++r) {
        const double moment = cellValue(stillWater.bendingMoment, 1, r);
        if (std::abs(moment) > std::abs(largest)) {
            largest = moment;
            largestFrame = r;
        }
    }
    sheet.stresses[0] = stressOf(largestFrame, largest, sheet.girder, sheet.allowableStress, yield);
    sheet.stresses[1] = stressOf(sheet.hogging.largestMomentFrame, sheet.hogging.largestMoment, sheet.girder,
                                 sheet.allowableStress, yield);
    sheet.stresses[2] = stressOf(sheet.sagging.largestMomentFrame, sheet.sagging.largestMoment, sheet.girder,
                                 sheet.allowableStress, yield);
    for (int c = 0; c < loadCaseCount; ++c) {
        const GirderStress& s = sheet.stresses[static_cast<std::size_t>(c)];
        const std::string stress = std::string(loadCaseCaption(static_cast<LoadCase>(c))) + ": напряжение "
                                   + roundedText(std::max(std::abs(s.deckStress), std::abs(s.bottomStress)), 1)
                                   + " МПа на шпангоуте " + frameLabel(s.frame);
        if (s.yielded)
            sheet.warnings.push_back(stress + " больше предела текучести стали "
                                     + displayNumber(yield, DisplayPrecision::magnitude) + " МПа");
        else if (s.exceeded)
            sheet.warnings.push_back(stress + " больше допускаемого "
                                     + displayNumber(sheet.allowableStress, DisplayPrecision::magnitude) + " МПа");
    }
    // The rule's modulus holds at the deck and at the keel alike, so the
    // smaller of the girder's two moduli decides.
    const double smallerModulus = std::min(sheet.girder.deckModulus, sheet.girder.bottomModulus);
    if (sheet.ruleLoads.applies && smallerModulus < sheet.ruleLoads.minimumSectionModulus)
        sheet.warnings.push_back("Момент сопротивления миделевого сечения " + roundedText(smallerModulus, 4)
                                 + " м³ меньше требуемого IACS " + roundedText(sheet.ruleLoads.minimumSectionModulus, 4)
                                 + " м³");
}

// The scantling draught: the strength input's, else the particulars' T; a
// positive number not above the depth.
double readScantlingDraft(const StrengthInput& input, std::string_view designDraft, double depth)
{
    const bool own = !trimmed(input.scantlingDraft).empty();
    const std::string text = own ? input.scantlingDraft : std::string(designDraft);
    double draft = 0.0;
    try {
        draft = parseNumber(text);
    } catch (const Error& e) {
        throw Error(std::string(own ? "Расчетная осадка для правила IACS" : "Осадка Т") + ": " + userMessage(e.what()));
    }
    if (!(draft > 0.0 && draft <= depth))
        throw Error("Осадка для правила IACS " + roundedText(draft, 3)
                    + " м должна быть больше нуля и не больше высоты борта " + roundedText(depth, 3) + " м");
    return draft;
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
    // The still-water values plus the rule's wave loads, empty where the rule
    // does not apply.
    shearForceChart.series.emplace_back("Тихая вода + IACS UR S11, положительная", colours::maroon);
    shearForceChart.series.emplace_back("Тихая вода + IACS UR S11, отрицательная", colours::teal);
    bendingMomentChart.series.emplace_back("Тихая вода + IACS UR S11, перегиб", colours::maroon);
    bendingMomentChart.series.emplace_back("Тихая вода + IACS UR S11, прогиб", colours::teal);
    writeWaveHeaders(hogging);
    writeWaveHeaders(sagging);
    writeGirderHeaders(girder);
}

void clearStrengthResults(StrengthSheet& sheet) { sheet = StrengthSheet(); }

DesignWaveHeight designWaveHeight(const StrengthInput& input, double length, bool seaGoing)
{
    if (input.waveHeight.find_first_not_of(' ') != std::string::npos) {
        const std::string place = strengthFieldLocation(strengthFields::waveHeight);
        double height = 0.0;
        try {
            height = requireTypedMagnitude(parseNumber(input.waveHeight), input.waveHeight);
        } catch (const Error& e) {
            throw FieldError("Высота волны: " + userMessage(e.what()), place);
        }
        try {
            requireDrawableWave(height, length);
        } catch (const Error& e) {
            throw FieldError(e.what(), place);
        }
        return {height, "введена"};
    }
    // A wave as long as the ship and one twentieth of its length high: the
    // long-favoured standard wave of the static balance, as the Encyclopaedia
    // Britannica, «Ship», section «Structural integrity» (britannica.com/print/
    // topic/57261) describes it. It is higher than a river ship's hull can meet.
    if (seaGoing)
        return {length / 20.0, "L/20"};
    if (input.navigationClass == NavigationClass::none)
        throw Error("Высота волны не задана: выберите разряд бассейна речного судна или введите высоту волны");
    const std::optional<double> height = navigationClassWaveHeight(input.navigationClass);
    if (!height)
        throw Error("Высота волны не задана: для разряда «" + std::string(navigationClassLetter(input.navigationClass))
                    + "» расчетная высота волны не подтверждена найденным источником; введите высоту волны");
    return {*height, "разряд «" + std::string(navigationClassLetter(input.navigationClass))
                         + "»: " + std::string(navigationClassWaveSource())};
}

double readAllowableStress(const StrengthInput& input)
{
    const std::string place = strengthFieldLocation(strengthFields::allowableStress);
    double allowable = 0.0;
    try {
        allowable = requireTypedMagnitude(parseNumber(input.allowableStress), input.allowableStress);
    } catch (const Error& e) {
        throw FieldError("Допускаемое напряжение: " + userMessage(e.what()), place);
    }
    if (!(allowable > 0.0))
        throw FieldError(
            "Допускаемое напряжение должно быть больше нуля: " + messageExcerpt(input.allowableStress, 30) + " МПа",
            place);
    return allowable;
}

double blockCoefficientAtDraft(const TrimSheet& trim, const ParticularValues& particulars, double depth, double draft)
{
    double volume = 0.0;
    for (int row = 1; row <= frameCount; ++row) {
        const double end = (row == 1 || row == frameCount) ? 0.5 : 1.0;
        volume += end * sectionAreaAtDraft(trim.bonjean, trim.input, row, draft, depth) * particulars.frameSpacing;
    }
    return volume / (particulars.length * particulars.breadth * draft);
}

void runStrengthCalculation(const TrimSheet& trim, const ShipParticulars& typed, const StrengthInput& input,
                            StrengthSheet& sheet)
{
    clearStrengthResults(sheet);
    if (!trim.complete)
        throw Error("Сначала выполните расчет удифферентовки на тихой воде");
    runStrengthCalculation(trim, readParticularValues(typed), readDepth(typed), typed.shipType == ShipType::sea,
                           typed.draft, input, sheet);
}

void runStrengthCalculation(const TrimSheet& trim, const ParticularValues& particulars, double depth, bool seaGoing,
                            std::string_view designDraft, const StrengthInput& input, StrengthSheet& sheet)
{
    clearStrengthResults(sheet);
    if (!trim.complete)
        throw Error("Сначала выполните расчет удифферентовки на тихой воде");
    const double length = particulars.length;
    const double breadth = particulars.breadth;

    const DesignWaveHeight height = designWaveHeight(input, length, seaGoing);
    sheet.wave = {input.profile, height.height, length, input.smithEffect};
    sheet.waveSource = height.source;
    const double allowableStress = readAllowableStress(input);
    balanceOnWave(trim.input, trim.bonjean, trim.iteration, trim.results, particulars, depth, sheet.wave,
                  WaveCase::hogging, sheet.hogging);
    balanceOnWave(trim.input, trim.bonjean, trim.iteration, trim.results, particulars, depth, sheet.wave,
                  WaveCase::sagging, sheet.sagging);

    warnOfWaveOverHull(sheet);

    // The rule takes C_b at the scantling draught, not at the loading
    // condition's waterline.
    if (seaGoing) {
        const double scantlingDraft = readScantlingDraft(input, designDraft, depth);
        sheet.ruleLoads = computeRuleWaveLoads(length, breadth, scantlingDraft,
                                               blockCoefficientAtDraft(trim, particulars, depth, scantlingDraft), true);
    } else {
        sheet.ruleLoads = computeRuleWaveLoads(length, breadth, 0.0, 0.0, false);
    }

    computeHullGirder(input.girderMembers, depth, sheet.girder);
    if (sheet.girder.present)
        checkStresses(trim.results, input, allowableStress, sheet);
    drawCharts(trim.results, particulars, sheet);
    sheet.complete = true;
}

}  // namespace hullcalc
