// The fixed layout of the lines drawing: 21 theoretical frames, 0 at the bow to
// 20 at the stern (20 spacings), on 10 waterlines, and the labels tables and
// messages give frames and spacings.
#pragma once

#include <string>

namespace hullcalc {

inline constexpr int frameCount = 21;
inline constexpr int spacingCount = frameCount - 1;
inline constexpr int waterlineCount = 10;
// Frame 10 stands at midship: levers along the hull are counted from it. In a
// table with the frames in rows 1..21 it is row midshipRow.
inline constexpr int midshipFrame = spacingCount / 2;
inline constexpr int midshipRow = midshipFrame + 1;

// "7 шп": theoretical frame 7.
std::string frameLabel(int frame);

// "3-4": the spacing from frame 3 to frame 4.
std::string spacingLabel(int fromFrame);

}  // namespace hullcalc
