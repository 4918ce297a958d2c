// The names the world outside the C++ knows the strength page by: its caption,
// the object names tests find its widgets by, and where a failing member cell
// stands as the user reads the page (the step's own captions).
#pragma once

#include "strength/strength_fields.h"

#include <string_view>

namespace hullcalc {

namespace strengthPageNames {
inline constexpr std::string_view caption = strengthFields::page;
inline constexpr std::string_view page = "WavePage";
inline constexpr std::string_view calculate = "WaveCalculateButton";
inline constexpr std::string_view waveHeight = "WaveHeightEdit";
inline constexpr std::string_view waveProfile = "WaveProfileBox";
inline constexpr std::string_view allowableStress = "AllowableStressEdit";
inline constexpr std::string_view navigationClass = "NavigationClassBox";
inline constexpr std::string_view steel = "HullSteelBox";
inline constexpr std::string_view smithEffect = "SmithEffectBox";
inline constexpr std::string_view scantlingDraft = "ScantlingDraftEdit";
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
inline constexpr std::string_view girderCaption = strengthFields::girder;
inline constexpr std::string_view waveHeightCaption = strengthFields::waveHeight;
inline constexpr std::string_view allowableStressCaption = strengthFields::allowableStress;
}  // namespace strengthPageNames

}  // namespace hullcalc
