// The vibration results as captioned tables, lists and charts: the energy
// method's run, the comparison of every tone with the beam model, and the
// Kumai estimate of tone I, with the units the report and the workbook share.
#pragma once

#include "common/chart_model.h"
#include "report/captioned_value.h"
#include "report/report_table.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
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

// The beam model's mode shapes, frame by frame, a column per tone.
ReportTable beamShapesTable(const std::vector<ToneSummary>& tones);
ChartModel beamShapesChart(const std::vector<ToneSummary>& tones);

// Tone I per minute by the energy method (from the comparison, else from the
// vibration run when it was of tone I) and by the beam model, beside the Kumai
// estimate, with the differences in per cent. Empty without an estimate.
std::vector<CaptionedValue> kumaiLines(std::optional<double> kumaiPerMinute, const VibrationSheet* vibration,
                                       const std::vector<ToneSummary>& tones);

}  // namespace hullcalc
