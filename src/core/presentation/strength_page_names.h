// The names the world outside the C++ knows the strength page by: its caption,
// the object names tests find its widgets by, and where a failing member cell
// stands as the user reads the page.
#pragma once

#include "common/error.h"
#include "common/text_grid.h"

#include <string>
#include <string_view>

namespace hullcalc {

namespace strengthPageNames {
inline constexpr std::string_view caption = "Судно на волне";
inline constexpr std::string_view page = "WavePage";
inline constexpr std::string_view calculate = "WaveCalculateButton";
inline constexpr std::string_view waveHeight = "WaveHeightEdit";
inline constexpr std::string_view waveProfile = "WaveProfileBox";
inline constexpr std::string_view allowableStress = "AllowableStressEdit";
inline constexpr std::string_view girderMembers = "GirderMembersGrid";
inline constexpr std::string_view girderSums = "GirderSumsGrid";
inline constexpr std::string_view stresses = "StressGrid";
inline constexpr std::string_view exampleGirder = "GirderExampleButton";
inline constexpr std::string_view inertiaToVibration = "GirderInertiaButton";
inline constexpr std::string_view hoggingTable = "HoggingGrid";
inline constexpr std::string_view saggingTable = "SaggingGrid";
inline constexpr std::string_view summary = "WaveSummary";
inline constexpr std::string_view shearForceChart = "WaveForceGraph";
inline constexpr std::string_view bendingMomentChart = "WaveMomGraph";
inline constexpr std::string_view girderCaption = "Эквивалентный брус";
}  // namespace strengthPageNames

// «Судно на волне», «Эквивалентный брус», строка 3, столбец «F, см²» for a cell
// of the members table.
inline std::string girderCellLocation(const TextGrid& members, const CellError& error)
{
    const std::string column = members.contains(error.column(), 0) ? members.cell(error.column(), 0) : "";
    return "«" + std::string(strengthPageNames::caption) + "», «" + std::string(strengthPageNames::girderCaption)
           + "», строка " + std::to_string(error.row()) + ", столбец «" + column + "»";
}

}  // namespace hullcalc
