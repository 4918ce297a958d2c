// How the ship trims while it heels, for its righting-lever curve.
#pragma once

#include <optional>
#include <string_view>

namespace hullcalc {

enum class StabilityTrim {
    // The still-water trim of the design waterline held; the waterplane raised
    // or lowered at each heel.
    fixed,
    // Height and trim found together at each heel, the centre of buoyancy over
    // the centre of gravity lengthwise.
    free,
};

// "fixed" / "free", as projects, the command line and the result document name it.
std::string_view stabilityTrimKey(StabilityTrim mode);

// The mode of that name, or none.
std::optional<StabilityTrim> stabilityTrimOf(std::string_view key);

// The Russian name the page and the report show.
std::string_view stabilityTrimCaption(StabilityTrim mode);

}  // namespace hullcalc
