// The tables of the strength check for the report and the workbook: the two
// wave cases per frame, the girder's sums and the stresses.
#pragma once

#include "report/captioned_value.h"
#include "report/report_table.h"
#include "strength/strength_calculation.h"

#include <vector>

namespace hullcalc {

ReportTable waveCaseTable(const StrengthSheet& sheet, WaveCase waveCase);
ReportTable girderSumsTable(const StrengthSheet& sheet);
ReportTable stressesTable(const StrengthSheet& sheet);

// The summary lines: the wave and its cases, the rule's moments, the girder.
std::vector<CaptionedValue> waveLines(const StrengthSheet& sheet);
std::vector<CaptionedValue> ruleLoadLines(const StrengthSheet& sheet);
std::vector<CaptionedValue> girderLines(const StrengthSheet& sheet);

}  // namespace hullcalc
