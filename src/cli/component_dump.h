// Everything the windows would show after a run, as JSON keyed by window and
// then by component name: the texts exactly as the windows hold them.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <ostream>
#include <string>

namespace hullcalc {

// `vibration` is null when no vibration calculation ran.
void writeComponentDump(std::ostream& out, const TrimSheet& sheet, const ShipParticulars& particulars,
                        const VibrationSheet* vibration, const std::optional<std::string>& error);

}  // namespace hullcalc
