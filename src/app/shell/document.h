// The document the program works on: what the user typed and what the
// calculations made of it. The application owns one; each window is handed
// the parts it shows.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

namespace hullcalc {

struct Document {
    ShipParticulars particulars;  // with the water density of the ship type
    TrimSheet trim;
    VibrationSheet vibration;
};

}  // namespace hullcalc
