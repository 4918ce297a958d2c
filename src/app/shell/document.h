// The document the program works on: what the user typed and what the
// calculations made of it. The application owns one; each window is handed
// the parts it shows.
#pragma once

#include "project/title_block.h"
#include "strength/strength_calculation.h"
#include "strength/strength_input.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

namespace hullcalc {

struct Document {
    ShipParticulars particulars;  // with the water density of the ship type
    TrimSheet trim;
    VibrationSheet vibration;
    StrengthInput strengthInput;  // the wave, the allowable stress, the midship section
    StrengthSheet strength;       // the ship on the wave, the girder, the stresses
    TitleBlock title;             // ship, author, group, variant, supervisor, date of the report
};

}  // namespace hullcalc
