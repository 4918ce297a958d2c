// What the user types for the longitudinal strength check: the design wave,
// the steel and allowable stress, and the members of the midship section.
#pragma once

#include "common/text_grid.h"
#include "strength/hull_girder.h"
#include "strength/hull_steel.h"
#include "strength/navigation_class.h"
#include "strength/wave_profile.h"

#include <string>

namespace hullcalc {

struct StrengthInput {
    // h, m; empty: the navigation class's design wave for a river ship, L/20
    // for a sea-going one.
    std::string waveHeight;
    NavigationClass navigationClass = NavigationClass::none;
    WaveProfile profile = WaveProfile::trochoid;
    // The pressure in the wave reduced with depth below its surface.
    bool smithEffect = false;
    // The scantling draught T at which the rule takes C_b, m; empty: the
    // particulars' draft T.
    std::string scantlingDraft;
    HullSteel steel = HullSteel::mild;
    // The allowable bending stress of mild steel, MPa, divided by the steel's
    // factor: the permissible hull-girder bending stress 175/k N/mm² of the
    // IACS rules as the Python module digitalmodel.naval_architecture
    // (hull-girder longitudinal strength, permissible_stress) quotes it; no
    // rule text was found. The user types the value of the rules the ship is
    // built to.
    std::string allowableStress = "175";
    TextGrid girderMembers = emptyGirderMembers();

    bool operator==(const StrengthInput&) const = default;
};

// The example river ship's strength input: its midship section and the
// navigation class whose design wave suits its 3,5 m depth.
inline constexpr NavigationClass exampleNavigationClass = NavigationClass::river;
StrengthInput exampleStrengthInput();

}  // namespace hullcalc
