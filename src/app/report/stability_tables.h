// The tables of stability at large angles for the report and the workbook: the
// criteria, the righting levers every 5° and the cross curves, with the
// figures of the curve as captioned lines.
#pragma once

#include "report/captioned_value.h"
#include "report/report_table.h"
#include "stability/stability_sheet.h"

#include <vector>

namespace hullcalc {

ReportTable stabilityCriteriaTable(const StabilitySheet& sheet);
ReportTable rightingLeverTable(const StabilitySheet& sheet);
ReportTable crossCurveTable(const StabilitySheet& sheet);

std::vector<CaptionedValue> stabilityFigureLines(const StabilitySheet& sheet);

}  // namespace hullcalc
