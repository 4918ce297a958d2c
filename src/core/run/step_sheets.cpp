// Each sheet step's texts laid out for every front end: the names tests and
// the dump know them by, the captions of the page and the report, and the
// places of their values in the result JSON and the workbook.
#include "run/step_sheets.h"

#include "common/error.h"
#include "presentation/trim_window_names.h"
#include "presentation/trim_window_pages.h"
#include "stability/stability_sheet.h"

#include <algorithm>
#include <utility>

namespace hullcalc {

namespace {

namespace names = trimWindowNames;

constexpr std::string_view heelAxis = "Крен φ, град.";

// The criteria with the figures on top, the static and dynamic diagrams, the
// levers every 5° and the cross curves with their chart.
StepSheet largeAngleStabilitySheet(const ShipRun& run)
{
    StabilitySheet stability = run.stability ? stabilitySheetOf(*run.stability) : StabilitySheet{};
    StepSheet sheet;
    sheet.absence = largeAngleStabilityAbsence(run);
    sheet.note = stabilityModelNote;
    sheet.statusName = names::stabilityStatus;
    sheet.figuresName = names::stabilityFigures;
    for (StabilityFigure& figure : stability.figures)
        sheet.figures.push_back({std::move(figure.caption), std::move(figure.value)});
    sheet.grids = {
        {names::stabilityCriteriaGrid, std::move(stability.criteria), "Общие критерии остойчивости ИМО",
         "Общие критерии остойчивости ИМО", std::string(stabilityCriteriaNote), true, 72,
         "/large_angle_stability/criteria", "Критерии остойчивости", true},
        {names::rightingLeverGrid, std::move(stability.rightingLevers),
         "Плечи остойчивости через 5° (дифферент — Tк − Tн, на корму положительный)", "Плечи остойчивости через 5°",
         "Дифферент — Tк − Tн ватерлинии при крене, на корму положительный; KN — плечо центра величины "
         "относительно точки киля; GZ = KN − z_g·sin φ; ∫GZ dφ — плечо динамической остойчивости",
         false, 72, "/large_angle_stability", "Диаграмма остойчивости", false},
        {names::crossCurvesGrid, std::move(stability.crossCurves),
         "Пантокарены: плечо KN относительно точки киля на ровный киль, м; пусто — объем не вмещается до палубы",
         "Пантокарены",
         "KN, м — плечо центра величины относительно точки киля на ровный киль для объема V "
         "ватерлиний 1–10 и нагрузки расчетного случая; пусто — объем не вмещается до палубы",
         false, 72, "/large_angle_stability/cross_curves", "Пантокарены", false},
    };
    sheet.charts = {
        {names::staticStabilityChart,
         std::move(stability.staticDiagram),
         std::string(heelAxis),
         "GZ, м",
         true,
         "Диаграмма статической остойчивости: касательная в 0° достигает GM0 при 1 рад = 57,3°",
         380,
         200,
         false,
         {}},
        {names::dynamicStabilityChart,
         std::move(stability.dynamicDiagram),
         std::string(heelAxis),
         "∫GZ dφ, м·рад",
         false,
         "Диаграмма динамической остойчивости, м·рад",
         300,
         200,
         false,
         {}},
        {names::crossCurvesChart, std::move(stability.crossCurveChart), "Объемное водоизмещение V, куб. м", "KN, м",
         true, "Пантокарены: KN по объемному водоизмещению при крене 10°–90°, м", 380, 260, true,
         names::crossCurvesGrid},
    };
    return sheet;
}

}  // namespace

const std::vector<SheetStep>& sheetSteps()
{
    static const std::vector<SheetStep> steps = {
        {sheetKey::largeAngleStability, &largeAngleStabilitySheet},
    };
    return steps;
}

StepSheet stepSheetOf(const ShipRun& run, std::string_view key)
{
    const std::vector<SheetStep>& steps = sheetSteps();
    const auto step = std::ranges::find(steps, key, &SheetStep::key);
    if (step == steps.end())
        throw Error("Нет расчета с таблицами «" + std::string(key) + "»");
    return step->sheetOf(run);
}

}  // namespace hullcalc
