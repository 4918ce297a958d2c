// The hydrostatic curves: for each waterline of the offsets table, the volume of
// displacement and its centre of buoyancy, the waterplane with its centre of
// flotation and moments of inertia, and the metacentric radii r and R.
// Stage 5 of the trim calculation.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// Integrates along the hull, frame spacing by frame spacing (trapezoidal rule,
// each strip's moment at its own centroid), and fills VGrid .. RGrid and their
// charts. Keeps the design length L and the frame spacing ΔL for the later
// stages. Abscissae are from midship, positive towards the bow.
void computeHydrostaticCurves(TrimSheet& sheet, const ShipParticulars& particulars);

}  // namespace hullcalc
