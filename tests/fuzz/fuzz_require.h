// A property every input must keep: when it does not, the fuzz target stops
// the process, and libFuzzer keeps the input as a finding.
#pragma once

#include <cstdlib>

namespace hullcalc {

inline void require(bool property)
{
    if (!property)
        std::abort();
}

}  // namespace hullcalc
