// hullcalc-cli: the trim calculation of the example ship (or of changed input)
// for batch runs and acceptance checks, sharing the core with the windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hullcalc {

// Runs the command line `args` (without the program name). Returns the exit
// status: 0 success, 1 the calculation stopped with an error, 2 bad usage.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace hullcalc
