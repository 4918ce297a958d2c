// Values between the tabulated waterlines: linear interpolation by draft, and
// the check that a draft lies within the waterlines, with the message the user
// reads. The trim iteration and the vibration calculation share both.
#pragma once

#include "common/hull_frames.h"

#include <array>
#include <string>
#include <string_view>

namespace hullcalc {

// z[k]: height of waterline k above the base line, m, k = 1..11 (entry 0 unused).
using WaterlineHeights = std::array<double, waterlineCount + 2>;

// Linear interpolation at t between (z1, y1) and (z2, y2), in the form
// (t − z1)/q + y1 with q = (z2 − z1)/(y2 − y1); this order of operations fixes
// the rounding of every interpolated text. Where the table is level the value
// is that common value.
double interpolate(double t, double z1, double y1, double z2, double y2);

// The waterlines a draft is read between, among levels 1..top: the level it
// lies on (lower == upper), otherwise the last level below it and the first at
// or above it. The draft must lie within the levels (checked by the caller).
struct WaterlineBracket {
    int lower = 1;
    int upper = 1;
};
WaterlineBracket bracketDraft(double draft, const WaterlineHeights& z, int top);

// A value for a message: rounded to `decimals` places, trailing zeros dropped.
std::string roundedText(double value, int decimals);

// Throws Error when the draft is not finite or lies outside waterlines 1 to
// `topWaterline`, where no interpolation is defined: "<quantity> 1,234 м вне
// диапазона ватерлиний 0 – 3,51 м", with " на шпангоуте 7 шп" after the draft
// when frameRow (1..21) is given.
void requireDraftWithinWaterlines(double draft, const WaterlineHeights& z, int topWaterline, std::string_view quantity,
                                  int frameRow = 0);

}  // namespace hullcalc
