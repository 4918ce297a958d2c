// The object names tests find the help window's parts by. Kept here and
// nowhere else.
#pragma once

#include <string_view>

namespace hullcalc::helpWindowNames {

inline constexpr std::string_view window = "HelpWindow";
inline constexpr std::string_view text = "helpText";

}  // namespace hullcalc::helpWindowNames
