// The result summary for scripts: the floating condition at the full precision
// the result document keeps in its tables, where the summary page rounds to
// two decimals (so that a sweep draws smooth curves, not stairs of 0,01 m).
#pragma once

#include <nlohmann/json.hpp>

namespace hullcalc::python {

// The summary's keys, and "trim", from the document's tables: the drafts of the
// accepted waterline, the volume and centre of buoyancy of its approximation,
// the typed centre of gravity, XF, R and S interpolated in the hydrostatic
// curves at the mean draft as the iteration does, and the closures before the
// correction. Null where the calculation did not reach a value.
nlohmann::json fullPrecisionSummary(const nlohmann::json& document);

// The summary as the page «Результаты» shows it: texts with two decimals and a
// decimal comma ("886,76"), null where the page is empty; the bending moment's
// closure in kN·m, as the result document holds it (the page shows the
// trapezoid sum before the factor ΔL/2).
nlohmann::json summaryTexts(const nlohmann::json& document);

}  // namespace hullcalc::python
