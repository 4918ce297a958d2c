// Everything the windows would show after a trim run, as JSON keyed by window
// and then by component name.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <optional>
#include <ostream>
#include <string>

namespace hullcalc {

void writeJsonReport(std::ostream& out, TrimSheet& sheet, const ShipParticulars& particulars,
                     const std::optional<std::string>& error);

}  // namespace hullcalc
