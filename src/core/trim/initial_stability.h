// Initial stability from the upright waterplane itself: the heights of the
// metacentres from the waterplane's moments of inertia over the volume below
// it, the lengthwise sums by the trapezoid rule over the frames, as the
// righting-lever curve integrates, so that h is the slope of GZ at the origin.
#pragma once

#include "trim/curves_of_form.h"
#include "trim/heeled_waterplane.h"
#include "trim/particular_values.h"
#include "trim/waterline_iteration.h"

namespace hullcalc {

struct UprightMetacentres {
    double volume = 0.0;                  // V below the waterplane, m³
    double centreOfBuoyancyHeight = 0.0;  // Zc, m
    double transverseRadius = 0.0;        // r = I_x / V, m
    double longitudinalRadius = 0.0;      // R = I_F / V, I_F about the centre of flotation, m
};

// At an upright waterplane (its heel is ignored). Throws Error when nothing is
// immersed.
UprightMetacentres uprightMetacentres(const HullSections& hull, const Waterplane& waterplane);

// h = Zc + r − z_g and H = Zc + R − z_g of the design waterline the trim
// iteration accepted (its drafts Tн, Tк), on the hull as its offsets draw it;
// empty texts when z_g is not given, undefinedAtDraft when nothing is immersed.
void computeInitialStability(const HullSections& hull, const WaterlineIteration& iteration,
                             const ParticularValues& particulars, InitialStability& stability);

}  // namespace hullcalc
