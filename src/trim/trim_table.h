// The trim table: buoyancy and weight of each frame spacing on the design
// waterline, the load per spacing, and along the hull the shear force and the
// bending moment in still water, with the result summary. Second half of stage 6.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_iteration.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// Fills UdifGrid columns 1..9, the results tables NagrGrid, ForceGrid and
// MomGrid ("%f", kN and kN·m), the eleven summary texts and the three results
// charts. Shear force and moment are integrated from the bow and their closure
// errors at the stern spread linearly over the 20 spacings.
void buildTrimTable(TrimSheet& sheet, const ShipParticulars& particulars, const DesignWaterline& waterline);

}  // namespace hullcalc
