// What the page «Остойчивость на больших углах» shows of a run, as texts and
// chart models that the window, the report, the workbook and the component
// dump all read: the cross curves, the righting levers every 5°, the criteria,
// the figures of the curve, and the static, dynamic and cross-curve diagrams.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "stability/large_angle_stability.h"

#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

// What the hull model of the calculation leaves out and what is checked: said
// on the page and in the report beside the results.
inline constexpr std::string_view stabilityModelNote =
    "Модель корпуса: плоская водонепроницаемая палуба на высоте борта H, без погиби бимсов, седловатости и "
    "надстроек. Проверяются только общие критерии ИМО; критерий погоды не проверяется — нужных для него таблиц "
    "мы не нашли.";

// The heels of the righting-lever table, degrees apart.
inline constexpr int rightingLeverTableStep = 5;

struct StabilityFigure {
    std::string caption;
    std::string value;
};

struct StabilitySheet {
    StabilitySheet();

    // KN, m: rows the volumes of waterlines 1..10 and the loading's, columns
    // the volume and the heels 10° to 90°.
    TextGrid crossCurves;
    // Every 5° from 0 to 90: heel, trim, KN, GZ, the dynamic lever ∫GZ dφ.
    TextGrid rightingLevers;
    // Each general criterion: value, least value allowed, margin, verdict.
    TextGrid criteria;
    // The trim mode, GM0, the largest GZ and the angles of the curve.
    std::vector<StabilityFigure> figures;
    // GZ against the heel with the tangent at the origin reaching GM0 at 1 rad
    // and the angles of the largest GZ, of the deck edge and of vanishing stability.
    ChartModel staticDiagram;
    ChartModel dynamicDiagram;   // ∫GZ dφ against the heel, m·rad
    ChartModel crossCurveChart;  // KN against the volume, one curve per heel
};

// The sheet of a completed calculation; a default sheet has the captions and
// no values.
StabilitySheet stabilitySheetOf(const LargeAngleStability& stability);

}  // namespace hullcalc
