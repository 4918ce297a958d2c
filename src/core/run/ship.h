// One ship as the user typed it: the main particulars' texts with the ship
// type, the offsets and masses, and the section inertias of the vibration
// calculation. What every front end (the windows, the command line, scripts)
// loads, edits and hands to the run.
#pragma once

#include "common/hull_frames.h"
#include "common/text_grid.h"
#include "project/project.h"
#include "strength/strength_input.h"
#include "trim/input_tables.h"
#include "trim/ship_particulars.h"
#include "vibration/vibration_options.h"

#include <filesystem>
#include <optional>

namespace hullcalc {

struct Ship {
    // The particulars' texts and the ship type (none until one is chosen).
    ShipParticulars particulars;
    // The offsets and masses tables, headers included.
    InputTables input;
    // The section moments of inertia, m⁴, shaped as VibrationSheet::sectionInertia
    // (spacing row i, column 1), headers included.
    TextGrid sectionInertia{2, spacingCount + 1};
    // The strength check's input; absent when the check is not asked for.
    std::optional<StrengthInput> strength;
    // What the check takes when asked for on a ship that holds no input: the
    // defaults, or the example ship's section and navigation class.
    StrengthInput strengthDefaults;
    // Ship name, author, group, variant, supervisor and date of the report.
    TitleBlock title;
    // The beam with shear, the added mass and the resonance check, as typed.
    VibrationOptions vibrationOptions;
};

// The start-up state: default particulars, no ship type, headers written,
// empty offsets and masses, the example ship's section inertias.
Ship blankShip();

// The example ship: the blank ship with "Пример"'s offsets and masses.
Ship exampleShip();

// A project (a JSON object) or an input data file, told apart by their bytes
// and each read by its own rules. A data file fills only the tables; the rest
// stays the blank ship's. Throws Error with the user's message.
Ship loadShip(const std::filesystem::path& file);

Ship shipOf(const Project& project);
Project projectOf(const Ship& ship);

}  // namespace hullcalc
