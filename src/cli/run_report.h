// What the calculation report and the Excel workbook of one hullcalc-cli run are
// made from, gathered from the run as the windows would hand it over.
#pragma once

#include "cli/ship_run.h"
#include "report/report_content.h"

#include <string>

namespace hullcalc {

// The run's particulars and trim sheet, the vibration sheet of the last tone
// computed (null without one), the tones by both methods (all four with
// --tone all, else the one tone beside its beam model), Kumai's estimate when
// computed, the warnings' messages, the input file's name (empty for the
// example ship) and `date`. Refers to the run, which must outlive it.
ReportContent reportContentOf(const ShipRun& run, std::string date);

// Today's local date as the report prints it: "07.12.2026".
std::string todayText();

}  // namespace hullcalc
