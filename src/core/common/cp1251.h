// The Windows-1251 code page of the data files. The table is our own so that the
// program reads and writes the same bytes on every platform, with or without ICU.
#pragma once

#include <string>
#include <string_view>

namespace hullcalc {

// UTF-8 text to Windows-1251 bytes; a character the code page lacks becomes
// '?', and so does each maximal subpart of a malformed UTF-8 sequence (the
// Unicode practice: "C0 80" gives "??", a truncated "E2 82" one '?').
std::string encodeCp1251(std::string_view utf8);

// Windows-1251 bytes to UTF-8 text. Every byte has a character.
std::string decodeCp1251(std::string_view bytes);

}  // namespace hullcalc
