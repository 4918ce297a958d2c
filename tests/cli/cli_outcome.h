// hullcalc-cli run in this process, as the tests of the command line run it:
// its exit status and what it printed on each stream.
#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace hullcalc {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace hullcalc
