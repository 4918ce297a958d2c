// How large a file the program reads, the same in the windows, hullcalc-cli and
// the Python module, so that a file one of them opens is never refused by another.
#pragma once

#include <cstddef>

namespace hullcalc {

// A project or an input data file. A project is about 2,5 KB and an input
// file for 21 frames about 1,5 KB; a file beyond 1 MB is neither. The limit
// also bounds the memory a hostile project takes while it is parsed.
inline constexpr std::size_t maxShipFileBytes = 1u << 20;

// The members of a midship section, one short line each: a few hundred bytes.
inline constexpr std::size_t maxGirderFileBytes = 1u << 16;

}  // namespace hullcalc
