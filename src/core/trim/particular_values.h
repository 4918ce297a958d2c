// The main particulars as numbers: what a calculation reads of the texts the
// user typed, converted and checked once when it starts, so that a particular
// that is no number stops it, named, before any step writes a result.
#pragma once

#include "trim/ship_particulars.h"

#include <optional>

namespace hullcalc {

struct ParticularValues {
    double length = 0.0;              // design length L, m
    double breadth = 0.0;             // design breadth B, m
    double designDisplacement = 0.0;  // displacement in the design loading case, t
    double frameSpacing = 0.0;        // theoretical frame spacing ΔL, m
    double waterlineSpacing = 0.0;    // ΔT between the waterlines of the offsets, m
    double centreOfGravity = 0.0;     // abscissa XG of the centre of gravity from midship, m
    // Height z_g of the centre of gravity above the base line, m; none when not
    // given, and the initial stability is then not computed.
    std::optional<double> verticalCentreOfGravity;
    double waterDensity = 0.0;  // t/m³, of the ship type; 0 while none is chosen
};

// The numbers of the trim calculation's particulars. Throws ParticularError
// naming the first that is at fault: L, B, the design displacement, ΔL and ΔT
// must be positive, z_g empty or a number, XG a number.
ParticularValues readParticularValues(const ShipParticulars& particulars);

// The depth H, read by the strength check alone: ParticularError when it is
// no positive number.
double readDepth(const ShipParticulars& particulars);

}  // namespace hullcalc
