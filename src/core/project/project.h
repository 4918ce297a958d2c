// Everything the user typed for one ship, as a project file keeps it: the main
// particulars and the ship type, the offsets and masses, the section inertias,
// the strength check's input, the title block.
#pragma once

#include "common/text_grid.h"
#include "project/title_block.h"
#include "strength/strength_input.h"
#include "trim/input_tables.h"
#include "trim/ship_particulars.h"
#include "vibration/vibration_options.h"

#include <optional>

namespace hullcalc {

struct Project {
    // The particulars' texts as typed and the ship type, none while none is chosen.
    ShipParticulars particulars;
    // The data cells of the offsets and masses tables.
    InputTables input;
    // The vibration calculation's section moments of inertia, shaped as
    // VibrationSheet::sectionInertia; absent when the project has none.
    std::optional<TextGrid> sectionInertia;
    // The strength check's wave, allowable stress and midship section; absent
    // in projects written before it existed.
    std::optional<StrengthInput> strength;
    // Ship name, author, group, variant, supervisor and date; blank in
    // projects written before it existed.
    TitleBlock title;
    // The beam with shear, the added mass and the resonance check's input;
    // absent in projects written before them, which load with the defaults.
    std::optional<VibrationOptions> vibrationOptions;
};

}  // namespace hullcalc
