// The hull steels of the midship section: the specified minimum yield stress
// and the higher tensile steel factor that scales the allowable stress.
#pragma once

#include <optional>
#include <string_view>

namespace hullcalc {

enum class HullSteel {
    mild,       // yield 235 MPa
    higher315,  // yield 315 MPa
    higher355,  // yield 355 MPa
};

// "235", "315", "355" as the project file and the command line name them.
std::string_view hullSteelKey(HullSteel steel);
std::optional<HullSteel> hullSteelFromKey(std::string_view key);

// The specified minimum yield stress, MPa.
double hullSteelYieldStress(HullSteel steel);

// The factor k_L: a girder of this steel may have k_L times the section
// modulus of one of mild steel, so it carries the allowable stress of mild
// steel divided by k_L.
double hullSteelFactor(HullSteel steel);

}  // namespace hullcalc
