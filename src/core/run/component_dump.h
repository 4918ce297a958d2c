// Everything the windows would show after a run, as JSON keyed by window and
// then by component name: the texts exactly as the windows hold them.
#pragma once

#include "run/ship_run.h"

#include <string>

namespace hullcalc {

// One line of JSON and a newline; the vibration window holds the first tone
// computed, none when no vibration calculation ran; "error" is the run's
// failure message, whole.
std::string componentDump(const ShipRun& run);

}  // namespace hullcalc
