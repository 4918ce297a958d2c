// Where the cause of a failure or a warning stands, worked out once for every
// front end: as the windows label it for the user, and as the JSON Pointer
// (RFC 6901) into the result document for scripts.
#pragma once

#include "trim/design_checks.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

#include <exception>
#include <string>
#include <string_view>

namespace hullcalc {

struct FailurePlace {
    // «Исходные данные», шпангоут «2 шп», ватерлиния «5»; empty when no one
    // cell or particular is the cause.
    std::string label;
    // "/input/offsets/1/4"; empty where the cause is no input value of the
    // result (a cell of an intermediate table, or none at all).
    std::string pointer;

    bool operator==(const FailurePlace&) const = default;
};

// The cell or particular a failure's cause stands in, for a window to show
// it: the grid by its component name (as the names tables give it) with the
// cell's column and row, or the particular's field.
struct FailureCell {
    std::string_view grid;  // empty when no cell of a shown grid is the cause
    int column = 0;
    int row = 0;
    const ParticularField* particular = nullptr;
};

FailureCell failureCellOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration = nullptr,
                          const TextGrid* girderMembers = nullptr);

// The place of `error`'s cause: a CellError in `trim`'s grids, in
// `vibration`'s section inertias or table or in the members of the midship
// section (each may be null), or a ParticularError. Any other exception has
// no place.
FailurePlace placeOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration = nullptr,
                     const TextGrid* girderMembers = nullptr);

// The JSON Pointer to the input value a warning is about, or empty for the
// results as a whole.
std::string pointerOf(const Warning& warning);

// The key of a particular in the result: "design-displacement" → "design_displacement".
std::string resultKeyOf(const ParticularField& field);

}  // namespace hullcalc
