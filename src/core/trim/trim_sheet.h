// Everything the trim calculation works on and the trim window shows, in the
// parts each step of the calculation owns.
#pragma once

#include "trim/bonjean_scale.h"
#include "trim/curves_of_form.h"
#include "trim/hydrostatic_curves.h"
#include "trim/input_tables.h"
#include "trim/trim_table.h"
#include "trim/waterline_iteration.h"

#include <optional>

namespace hullcalc {

struct TrimSheet {
    InputTables input;
    BonjeanScale bonjean;
    HydrostaticCurves hydrostatics;
    CurvesOfForm curvesOfForm;
    WaterlineIteration iteration;
    TrimTable results;
    InitialStability stability;
    // The last run went through every step: the vibration calculation may use it.
    bool complete = false;

    bool operator==(const TrimSheet&) const = default;
};

// The bending moment left at the stern before the correction, kN·m: the
// summary's trapezoid sum of the shear force times ΔL/2 of the run. None while
// the summary holds no number there.
std::optional<double> bendingMomentClosure(const TrimSheet& sheet);

// The header cells of every grid laid out by frames, spacings or waterlines.
// Never touches a data cell, so running it again keeps what the user typed and
// what was computed.
void writeHeaders(TrimSheet& sheet);

// Empties every result the trim calculation writes - the data cells of its
// grids, its charts, the summary and the values it keeps - so that after a
// stopped run nothing of an earlier one is left to be taken for current.
void clearTrimResults(TrimSheet& sheet);

}  // namespace hullcalc
