#include "common/hull_frames.h"

namespace hullcalc {

std::string frameLabel(int frame) { return std::to_string(frame) + " шп"; }

std::string spacingLabel(int fromFrame) { return std::to_string(fromFrame) + "-" + std::to_string(fromFrame + 1); }

}  // namespace hullcalc
