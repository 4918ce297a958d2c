// Results and ships in a notebook: Result.to_dataframe, Result.tables and the
// HTML views of a ship and a result, written in Python (notebook_views.py) and
// compiled into the module.
#pragma once

#include <pybind11/pybind11.h>

namespace hullcalc::python {

// Adds them to the module's Ship and Result, which must be defined already.
void defineNotebookViews(pybind11::module_& m);

}  // namespace hullcalc::python
