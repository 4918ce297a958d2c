// "Расчет" of the trim window: the stages of the trim calculation in their fixed
// order. Each stage reads its inputs afresh from the particulars' texts and the
// grids and leaves its results as grid texts that the later stages read back.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// Runs every stage. A failure throws Error with the user's message; what the
// stages wrote before it stays, and the run does not count as complete.
void runTrimCalculation(TrimSheet& sheet, const ShipParticulars& particulars);

}  // namespace hullcalc
