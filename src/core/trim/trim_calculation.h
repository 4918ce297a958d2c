// "Расчет" of the trim window: the steps of the trim calculation in their fixed
// order. Each step reads its inputs afresh from the particulars' texts and the
// grids and leaves its results as grid texts that the later steps read back.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// Empties every result of an earlier run, checks the particulars the steps
// divide by (and that z_g, when typed, is a number), then runs every step:
// waterline heights, body plan, Bonjean scale and its curves, hydrostatic
// curves, curves of form, design waterline, trim table, initial stability. A failure
// throws Error with the user's message (CellError or ParticularError where one
// cell or particular is the cause); what the steps of this run wrote before it
// stays, and the run does not count as complete.
void runTrimCalculation(TrimSheet& sheet, const ShipParticulars& particulars);

}  // namespace hullcalc
