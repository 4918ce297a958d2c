#include "stability/stability_sheet.h"

#include "common/hull_frames.h"
#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace hullcalc {

namespace {

// The heels of the cross-curve table: 0° has KN = 0 and is left out.
constexpr int crossCurveTableHeels = 9;
constexpr int loadingRow = waterlineCount + 1;

// One radian in degrees: where the tangent at the origin reaches GM0.
constexpr double radianDegrees = 180.0 / std::numbers::pi;

namespace staticSeries {
constexpr std::size_t rightingLever = 0;
constexpr std::size_t tangent = 1;
constexpr std::size_t maximum = 2;
constexpr std::size_t deckEdge = 3;
constexpr std::size_t vanishing = 4;
}  // namespace staticSeries

std::string angleText(const std::optional<double>& angle, std::string_view beyond)
{
    return angle ? formatFixed(*angle, 1) + "°" : std::string(beyond);
}

// GZ at a heel between the degrees of the curve, m.
double leverAt(const RightingLeverCurve& curve, double heel)
{
    const auto last = static_cast<double>(curve.heel.size() - 1);
    const double at = std::clamp(heel, 0.0, last);
    const auto below = static_cast<std::size_t>(std::min(std::floor(at), last - 1.0));
    const double share = at - static_cast<double>(below);
    return curve.rightingLever[below] + share * (curve.rightingLever[below + 1] - curve.rightingLever[below]);
}

// A vertical stroke at `heel` from `from` to `to` (m), marking an angle on the diagram.
void markAngle(ChartSeries& series, double heel, double from, double to)
{
    series.append(heel, from);
    series.append(heel, to);
}

void fillCrossCurves(const CrossCurves& cross, StabilitySheet& sheet)
{
    for (std::size_t v = 0; v < cross.volumes.size() && v < static_cast<std::size_t>(loadingRow); ++v) {
        const int row = static_cast<int>(v) + 1;
        sheet.crossCurves.setCell(1, row, formatFixed(cross.volumes[v], 2));
        for (std::size_t h = 1; h < cross.heel.size(); ++h) {
            const std::optional<double>& lever = cross.crossCurveLever[v][h];
            sheet.crossCurves.setCell(static_cast<int>(h) + 1, row, lever ? formatFixed(*lever, 3) : std::string());
            if (lever && h <= static_cast<std::size_t>(crossCurveTableHeels))
                sheet.crossCurveChart.series[h - 1].append(cross.volumes[v], *lever);
        }
    }
}

void fillRightingLevers(const RightingLeverCurve& curve, StabilitySheet& sheet)
{
    int row = 1;
    for (std::size_t k = 0; k < curve.heel.size(); k += static_cast<std::size_t>(rightingLeverTableStep), ++row) {
        sheet.rightingLevers.setCell(0, row, formatFixed(curve.heel[k], 0));
        sheet.rightingLevers.setCell(1, row, formatFixed(curve.trim[k], 3));
        sheet.rightingLevers.setCell(2, row, formatFixed(curve.crossCurveLever[k], 3));
        sheet.rightingLevers.setCell(3, row, formatFixed(curve.rightingLever[k], 3));
        sheet.rightingLevers.setCell(4, row, formatFixed(curve.dynamicLever[k], 4));
    }
    std::vector<ChartSeries>& diagram = sheet.staticDiagram.series;
    for (std::size_t k = 0; k < curve.heel.size(); ++k) {
        diagram[staticSeries::rightingLever].append(curve.heel[k], curve.rightingLever[k]);
        sheet.dynamicDiagram.series.front().append(curve.heel[k], curve.dynamicLever[k]);
    }
    ChartSeries& tangent = diagram[staticSeries::tangent];
    tangent.append(0.0, 0.0);
    tangent.append(radianDegrees, curve.metacentricHeight);
    tangent.append(radianDegrees, 0.0);
    markAngle(diagram[staticSeries::maximum], curve.maxRightingLeverHeel, 0.0, curve.maxRightingLever);
    if (curve.deckEdgeAngle)
        markAngle(diagram[staticSeries::deckEdge], *curve.deckEdgeAngle, 0.0, leverAt(curve, *curve.deckEdgeAngle));
    // The curve is drawn to 90°: a vanishing angle beyond is told in the figures only.
    const double lastHeel = curve.heel.empty() ? 0.0 : curve.heel.back();
    if (curve.vanishingAngle && *curve.vanishingAngle <= lastHeel) {
        const double stroke = 0.15 * std::max(std::abs(curve.maxRightingLever), 0.01);
        markAngle(diagram[staticSeries::vanishing], *curve.vanishingAngle, -stroke, stroke);
    }
}

void fillCriteria(const std::vector<StabilityCriterion>& criteria, StabilitySheet& sheet)
{
    sheet.criteria.setRowCount(static_cast<int>(criteria.size()) + 1);
    int row = 1;
    for (const StabilityCriterion& c : criteria) {
        const int decimals = c.unit == "°" ? 1 : 3;
        sheet.criteria.setCell(0, row, std::string(c.caption) + ", " + std::string(c.unit));
        sheet.criteria.setCell(1, row, formatFixed(c.value, decimals));
        sheet.criteria.setCell(2, row, "≥ " + formatFixed(c.limit, decimals));
        sheet.criteria.setCell(3, row, formatFixed(c.margin(), decimals));
        sheet.criteria.setCell(4, row, c.passed ? "выполнен" : "не выполнен");
        ++row;
    }
}

std::vector<StabilityFigure> figuresOf(const RightingLeverCurve& curve)
{
    return {
        // Short enough for the value column of the report's list.
        {"Дифферент при наклонении",
         curve.trimMode == StabilityTrim::free ? "свободный (ЦВ под ЦТ по длине)" : "расчетной ватерлинии"},
        {"Начальная метацентрическая высота GM0, м", formatFixed(curve.metacentricHeight, 3)},
        {"Наибольшее плечо GZ, м",
         formatFixed(curve.maxRightingLever, 3) + " при крене " + formatFixed(curve.maxRightingLeverHeel, 1) + "°"},
        {"Площадь под диаграммой 0–30° / 0–40° / 30–40°, м·рад", formatFixed(curve.area0To30, 4) + " / "
                                                                     + formatFixed(curve.area0To40, 4) + " / "
                                                                     + formatFixed(curve.area30To40, 4)},
        {"Угол заката диаграммы", angleText(curve.vanishingAngle, "более 180°")},
        {"Угол входа кромки палубы в воду (мидель)", angleText(curve.deckEdgeAngle, "не входит до 90°")},
        {"Угол выхода скулы из воды (мидель)", angleText(curve.bilgeEmergenceAngle, "не выходит до 90°")},
    };
}

}  // namespace

StabilitySheet::StabilitySheet()
    : crossCurves(crossCurveTableHeels + 2, loadingRow + 1),
      rightingLevers(5, rightingLeverHeelCount / rightingLeverTableStep + 2),
      criteria(5, 7),
      staticDiagram{"Диаграмма статической остойчивости: касательная в 0° достигает GM0 при 57,3°", {}},
      dynamicDiagram{"Диаграмма динамической остойчивости", {}},
      crossCurveChart{"Пантокарены", {}}
{
    crossCurves.setCell(0, 0, "ВЛ");
    crossCurves.setCell(1, 0, "V, куб. м");
    for (int h = 1; h <= crossCurveTableHeels; ++h)
        crossCurves.setCell(h + 1, 0, "KN " + std::to_string(10 * h) + "°, м");
    for (int j = 1; j <= waterlineCount; ++j)
        crossCurves.setCell(0, j, "ВЛ " + std::to_string(j));
    crossCurves.setCell(0, loadingRow, "Нагрузка");

    const char* leverCaptions[] = {"φ, °", "Дифферент, м", "KN, м", "GZ, м", "∫GZ dφ, м·рад"};
    for (int column = 0; column < 5; ++column)
        rightingLevers.setCell(column, 0, leverCaptions[column]);
    const char* criterionCaptions[] = {"Критерий", "Значение", "Норматив", "Запас", "Оценка"};
    for (int column = 0; column < 5; ++column)
        criteria.setCell(column, 0, criterionCaptions[column]);

    staticDiagram.series = {ChartSeries("GZ, м", colours::navy), ChartSeries("Касательная в 0°", colours::grey),
                            ChartSeries("Угол наибольшего GZ", colours::red),
                            ChartSeries("Угол входа кромки палубы", colours::green),
                            ChartSeries("Угол заката диаграммы", colours::maroon)};
    dynamicDiagram.series = {ChartSeries("∫GZ dφ, м·рад", colours::navy)};
    constexpr Colour heelColours[crossCurveTableHeels] = {colours::navy,  colours::blue,   colours::teal,
                                                          colours::green, colours::olive,  colours::maroon,
                                                          colours::red,   colours::purple, colours::black};
    for (int h = 1; h <= crossCurveTableHeels; ++h)
        crossCurveChart.series.emplace_back(std::to_string(10 * h) + "°", heelColours[static_cast<std::size_t>(h - 1)],
                                            SeriesKind::Line, PointOrder::AscendingX);
}

StabilitySheet stabilitySheetOf(const LargeAngleStability& stability)
{
    StabilitySheet sheet;
    fillCrossCurves(stability.crossCurves, sheet);
    fillRightingLevers(stability.rightingLevers, sheet);
    fillCriteria(stability.criteria, sheet);
    sheet.figures = figuresOf(stability.rightingLevers);
    return sheet;
}

}  // namespace hullcalc
