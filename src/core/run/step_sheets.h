// The sheets of the steps whose page, report section, workbook sheets, dump
// entries and Python access are all drawn from one StepSheet: each step's key
// (as a page of the trim window names it) with the function that makes its
// sheet from a run. A new step of this kind is one entry here and its page.
#pragma once

#include "common/step_sheet.h"
#include "run/ship_run.h"

#include <string_view>
#include <vector>

namespace hullcalc {

struct SheetStep {
    std::string_view key;  // the step's key in the result JSON and its attribute in Python
    StepSheet (*sheetOf)(const ShipRun&);
};

// In the order of their pages.
const std::vector<SheetStep>& sheetSteps();

// The sheet of step `key` for `run`: its captions always, its values when the
// run holds them, else why not. Throws Error for a key no step has.
StepSheet stepSheetOf(const ShipRun& run, std::string_view key);

}  // namespace hullcalc
