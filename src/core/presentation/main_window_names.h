// The names the world outside the C++ knows the main window's parts by: the
// object names tests find widgets by, and the keys of the command line's dump
// of every component's text. The edits of the particulars are named by their
// particular's key. Kept here and nowhere else.
#pragma once

#include <string_view>

namespace hullcalc::mainWindowNames {

inline constexpr std::string_view window = "MainForm";
inline constexpr std::string_view seaGoing = "RadioButton1";
inline constexpr std::string_view river = "RadioButton2";
inline constexpr std::string_view trimAction = "udif";
inline constexpr std::string_view vibrationAction = "vibr";
inline constexpr std::string_view quitAction = "quit";
inline constexpr std::string_view fileMenu = "FileMenu";
// The line under the particulars that warns about the draft.
inline constexpr std::string_view draftWarning = "draftWarning";
// The dump's key of the ship type's water density (t/m³).
inline constexpr std::string_view waterDensity = "WaterDensity";

}  // namespace hullcalc::mainWindowNames
