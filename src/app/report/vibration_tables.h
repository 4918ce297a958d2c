// The vibration results as captioned tables, lists and charts: the energy
// method's run, the comparison of every tone with the beam model, and the
// Kumai estimate of tone I, with the units the report and the workbook share.
#pragma once

#include "common/chart_model.h"
#include "report/captioned_value.h"
#include "report/report_table.h"
#include "vibration/resonance.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

// The tone, the generalized stiffness and mass, the frequency in 1/s, Гц and
// кол/мин, and the shift and turn of the mode shape.
std::vector<CaptionedValue> vibrationResultLines(const VibrationSheet& vibration);

ReportTable sectionInertiaTable(const VibrationSheet& vibration);

// The calculation table: a row per spacing and the sums.
ReportTable vibrationCalculationTable(const VibrationSheet& vibration);

// The energy method's corrected mode shape, spacing by spacing.
ReportTable modeShapeTable(const VibrationSheet& vibration);

// Each tone's frequency by both methods in the three units, and how far apart they are.
ReportTable toneComparisonTable(const std::vector<ToneSummary>& tones);

// Each tone by the three methods side by side - the energy method, the
// bending beam (the beam model) and the beam with shear, in Гц - with the
// result to take and its frequency in Гц and кол/мин.
ReportTable methodComparisonTable(const std::vector<ToneSummary>& tones);

// How the beam models took the added mass of water, and the shear area of the
// beam with shear with where it came from (`shearAreaNote`, the run's).
std::vector<CaptionedValue> beamModelLines(const std::vector<ToneSummary>& tones, const std::string& shearAreaNote);

// The margin of each tone from each exciting frequency, %: a row per
// excitation, a column per tone; a margin inside ±limitPercent is marked
// with resonanceMark.
ReportTable resonanceTable(const std::vector<ResonanceMargin>& margins, double limitPercent);
inline constexpr std::string_view resonanceMark = " !";

// The beam model's mode shapes, frame by frame, a column per tone.
ReportTable beamShapesTable(const std::vector<ToneSummary>& tones);
ChartModel beamShapesChart(const std::vector<ToneSummary>& tones);

// Tone I per minute by the energy method (from the comparison, else from the
// vibration run when it was of tone I) and by the beam model, beside the Kumai
// estimate, with the differences in per cent. Empty without an estimate.
std::vector<CaptionedValue> kumaiLines(std::optional<double> kumaiPerMinute, const VibrationSheet* vibration,
                                       const std::vector<ToneSummary>& tones);

}  // namespace hullcalc
