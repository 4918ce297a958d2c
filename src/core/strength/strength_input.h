// What the user types for the longitudinal strength check: the design wave,
// the allowable stress and the members of the midship section.
#pragma once

#include "common/text_grid.h"
#include "strength/hull_girder.h"
#include "strength/wave_profile.h"

#include <string>

namespace hullcalc {

struct StrengthInput {
    std::string waveHeight;  // h, m; empty: L/20
    WaveProfile profile = WaveProfile::trochoid;
    // The allowable bending stress, MPa. No rule text giving 175/k for mild
    // steel was found to cite here; the user types the value of the rules and
    // the steel the ship is built to.
    std::string allowableStress = "175";
    TextGrid girderMembers = emptyGirderMembers();

    bool operator==(const StrengthInput&) const = default;
};

}  // namespace hullcalc
