// Stability at large angles of the loaded ship, from what the trim calculation
// left: the hull's sections from the offsets and H, the cross curves for the
// waterlines' volumes and the loading's, the righting-lever curve and the
// general criteria.
#pragma once

#include "stability/cross_curves.h"
#include "stability/righting_lever.h"
#include "stability/stability_criteria.h"
#include "trim/bonjean_scale.h"
#include "trim/hydrostatic_curves.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"
#include "trim/waterline_iteration.h"

#include <optional>

namespace hullcalc {

struct LargeAngleStability {
    CrossCurves crossCurves;  // for the volumes of waterlines 1..10, then the loading's
    RightingLeverCurve rightingLevers;
    std::vector<StabilityCriterion> criteria;
};

// None when z_g is not given. The loading displaces V = D/ρ (the design
// displacement in the ship type's water) with G at (XG, z_g); the fixed trim is
// the design waterline's. H in m. Throws Error when the hull cannot float V.
std::optional<LargeAngleStability> computeLargeAngleStability(const InputTables& input, const BonjeanScale& bonjean,
                                                              const HydrostaticCurves& hydrostatics,
                                                              const WaterlineIteration& iteration,
                                                              const ParticularValues& particulars, double depth,
                                                              StabilityTrim mode);

}  // namespace hullcalc
