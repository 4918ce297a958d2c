// hullcalc-cli: the trim and vibration calculations of the example ship or of
// input data files, for batch runs and acceptance checks, sharing the core
// with the windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hullcalc {

// Runs the command line `args` (without the program name), writing the report
// or the standard-output JSON to `out` and the messages to `err`. Returns the
// exit status: 0 success, 1 a calculation stopped with an error or an output
// could not be written (standard output included), 2 bad usage.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace hullcalc
