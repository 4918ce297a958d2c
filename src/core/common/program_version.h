// The version of hullcalc, as --version, the About box, the report's footer,
// the package and Python's __version__ show it. Its one source is the
// project's VERSION in the top CMakeLists.txt.
#pragma once

#include <string_view>

namespace hullcalc {

// "major.minor.patch", such as "0.2.0".
std::string_view programVersion();

}  // namespace hullcalc
