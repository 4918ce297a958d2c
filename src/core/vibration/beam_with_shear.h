// The hull girder's tones by the beam with shear: the shear area of the midship
// section, typed or taken from its vertical members, scaled along the hull as
// the section inertias are, and the Timoshenko beam on the masses of a tone.
#pragma once

#include "common/text_grid.h"
#include "vibration/beam_model.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// A member counts as a vertical one - a side, a sheer strake, a longitudinal
// bulkhead - when the height of the plate its own inertia stands for,
// h = √(12·i/F), reaches this part of the depth: the side plating spans most
// of it, while a bottom or deck plate has no own inertia and a keel or a bilge
// strake a small one. (A rule of this program, not a published one; the user
// who knows the shear area types it.)
inline constexpr double verticalMemberDepthShare = 0.2;

struct MidshipShearArea {
    double area = 0.0;  // m²
    bool typed = false;
    std::vector<std::string> members;  // the vertical members counted, when taken from the section
};

// The typed area when given, else the sum of F of the vertical members of the
// midship section (members as the strength check takes them, F in cm²) of a
// ship of depth H, m. Throws Error when neither gives an area, CellError for a
// member cell that is not a number.
MidshipShearArea midshipShearArea(std::optional<double> typed, const TextGrid* girderMembers, double depth);

// The shear area of each spacing: the midship area times i/i₀, i₀ the mean of
// the two midship spacings' inertias (the inertias as the table holds them).
std::vector<double> shearAreaAlongHull(double midshipArea, const std::vector<double>& inertia);

// The rotary inertia of the hull's masses per metre, t·m²/m: each spacing's
// mass spread evenly over the depth H turns about mid-depth with the section,
// m·H²/12. (An assumption of this program: the masses' heights are not input.)
std::vector<double> rotaryInertiaOf(const std::vector<double>& hullMassPerMetre, double depth);

// Tone `tone` (1..4) of the beam with shear, one element per spacing.
BeamMode beamWithShearTone(const std::vector<double>& inertia, const std::vector<double>& shearArea,
                           const std::vector<double>& massPerMetre, const std::vector<double>& rotaryInertia,
                           double frameSpacing, double poissonRatio, int tone);

}  // namespace hullcalc
