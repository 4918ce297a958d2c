// The waterplane at which the hull, held at a heel, displaces a given volume:
// with its trim held (one unknown, the waterplane's height) or with the trim
// free as well (two unknowns, the centre of buoyancy brought over the centre
// of gravity lengthwise).
#pragma once

#include "trim/heeled_waterplane.h"

namespace hullcalc {

// The volume is met to this share of itself; the free trim's centre of
// buoyancy lies at XG to this share of the hull's length.
inline constexpr double equilibriumTolerance = 1e-9;

// A waterplane found, and the hull immersed below it.
struct FloatingBalance {
    Waterplane waterplane;
    ImmersedHull immersed;
};

// The waterplane's height at heel φ (rad) with the trim slope held, such that
// the immersed volume is `volume` (m³). Brackets the root between the lowest and
// the highest point of the hull, starting from `startLevel` (the solution at a
// neighbouring heel) by Newton steps kept inside the bracket. Throws Error when
// the hull up to the deck cannot displace the volume.
FloatingBalance balanceLevel(const HullSections& hull, double heel, double trimSlope, double volume, double startLevel);

// Height and trim slope at heel φ (rad) together, such that the immersed volume
// is `volume` (m³) and its centre lies lengthwise at `centreOfGravity` (x from
// midship, m): Newton's method on the two unknowns from `start`, each step
// halved until it reduces the misfit. Throws Error when it finds none.
FloatingBalance balanceLevelAndTrim(const HullSections& hull, double heel, double volume, double centreOfGravity,
                                    Waterplane start);

}  // namespace hullcalc
