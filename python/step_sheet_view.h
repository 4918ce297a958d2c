// The sheet of a calculation step as Python reads it: the figures, each table
// by its name as a dict of columns, each chart by its name, or why the run
// holds none; the same texts the step's page, report and workbook show.
#pragma once

#include "common/step_sheet.h"

#include <pybind11/pybind11.h>

#include <string>

namespace hullcalc::python {

struct StepSheetView {
    std::string key;
    StepSheet sheet;
};

// The class Sheet, Result.sheet(key) and, for each step without an attribute
// of its own, Result.<key>: its sheet, or None when not computed.
void defineStepSheets(pybind11::module_& m);

}  // namespace hullcalc::python
