// The result summary for scripts: the floating condition at the full precision
// the result document keeps in its tables, where the summary page rounds to
// two decimals (so that a sweep draws smooth curves, not stairs of 0,01 m).
#pragma once

#include <nlohmann/json.hpp>

namespace hullcalc::python {

// The keys of the result document the summary reads, as the document holds them.
struct SummarySources {
    const nlohmann::json& particulars;        // input/particulars
    const nlohmann::json& designWaterline;    // design_waterline
    const nlohmann::json& hydrostaticCurves;  // hydrostatic_curves
    const nlohmann::json& trimTable;          // trim_table
};

// The summary's keys, and "trim", from the document's tables: the drafts of the
// accepted waterline, the volume and centre of buoyancy of its approximation,
// the typed centre of gravity, XF, R and S interpolated in the hydrostatic
// curves at the mean draft as the iteration does, and the closures before the
// correction. Null where the calculation did not reach a value.
nlohmann::json fullPrecisionSummary(const SummarySources& sources);

// The summary page's numbers (the document's "summary") as the page shows
// them: texts with two decimals and a decimal comma ("886,76"), null where the
// page is empty; the bending moment's closure in kN·m, as the result document
// holds it (the page shows the trapezoid sum before the factor ΔL/2).
nlohmann::json summaryTexts(const nlohmann::json& summary);

}  // namespace hullcalc::python
