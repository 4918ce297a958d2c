// "Расчет" of the trim window: the steps of the trim calculation in their fixed
// order. The particulars' texts are read once, as numbers; each step reads the
// grids afresh and leaves its results as grid texts that the later steps read back.
#pragma once

#include "trim/particular_values.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// Empties every result of an earlier run, reads the particulars the steps use
// (L, B, ΔL, ΔT and the design displacement positive, XG and z_g, when typed,
// numbers), then runs every step:
// waterline heights, body plan, Bonjean scale and its curves, hydrostatic
// curves, curves of form, design waterline, trim table, initial stability. A failure
// throws Error with the user's message (CellError or ParticularError where one
// cell or particular is the cause); what the steps of this run wrote before it
// stays, and the run does not count as complete. Returns the particulars as
// it read them, for the vibration and the estimates on the same run.
ParticularValues runTrimCalculation(TrimSheet& sheet, const ShipParticulars& typed);

}  // namespace hullcalc
