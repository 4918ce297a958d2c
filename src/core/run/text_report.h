// The readable report hullcalc-cli prints when no JSON is asked for: the
// Bonjean tables, loads, shear force, bending moment, the summary, vibration.
#pragma once

#include "run/ship_run.h"

#include <ostream>

namespace hullcalc {

void printTextReport(std::ostream& out, const ShipRun& run);

}  // namespace hullcalc
