// Bad usage of hullcalc-cli: an unknown option, a missing or malformed value,
// outputs that contradict each other. The tool exits with status 2.
#pragma once

#include <stdexcept>

namespace hullcalc {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace hullcalc
