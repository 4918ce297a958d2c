#include "common/program_version.h"

// Given to this one file by CMake from the project's VERSION.
#ifndef HULLCALC_VERSION
#error "HULLCALC_VERSION must be defined by the build"
#endif

namespace hullcalc {

std::string_view programVersion() { return HULLCALC_VERSION; }

}  // namespace hullcalc
