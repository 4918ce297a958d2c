// One INPUT of hullcalc-cli as the core runs it: the example ship, a data file
// or a project, with the command line's ship type and edits.
#pragma once

#include "cli/cli_options.h"
#include "run/ship_run.h"

#include <optional>
#include <string>

namespace hullcalc {

// The ship as the program starts with it (the example ship, or `inputFile`
// loaded; river water unless --sea or the project's ship type says sea), the
// user's edits applied, then the core's run with the tones asked for. Never
// throws for bad input: an input that cannot be read is a failed run.
ShipRun runInput(const CliOptions& options, const std::optional<std::string>& inputFile);

}  // namespace hullcalc
