// Values as the Python objects a script expects: the parts of a result
// document as dicts, lists, floats and None, rows of numbers as numpy arrays.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <nlohmann/json.hpp>

namespace hullcalc::python {

// numpy, imported when an array is first made, so that the rest of the module
// works in an interpreter without it. Throws ImportError naming the
// interpreter the module was built for.
pybind11::module_ numpy();

// The value as plain Python objects (null → None).
pybind11::object toPython(const nlohmann::json& value);

// An array of numbers (null → NaN) as a one-dimensional float64 array.
pybind11::array_t<double> numberArray(const nlohmann::json& values);

}  // namespace hullcalc::python
