// Natural frequencies of vertical hull-girder vibration with shear: the hull as
// a free-free Timoshenko beam (bending and shear deflection, rotary inertia of
// the sections), one element per spacing.
#pragma once

#include "vibration/beam_model.h"

#include <span>
#include <vector>

namespace hullcalc {

// The beam, element by element from the bow (all tables of one length).
struct TimoshenkoBeam {
    std::span<const double> inertia;        // I, moment of inertia of the section, m⁴
    std::span<const double> shearArea;      // A_s, area that carries the vertical shear, m²
    std::span<const double> massPerMetre;   // m, hull and added water, t/m
    std::span<const double> rotaryInertia;  // J, mass moment of inertia per metre about the neutral axis, t·m²/m
    double elementLength = 0.0;             // m
    double modulus = 0.0;                   // E, kN/m²
    double shearModulus = 0.0;              // G, kN/m²
};

// Poisson's ratio of structural steel in the elastic range, ν = 0,3 (EN
// 1993-1-1:2005, 3.2.6).
inline constexpr double steelPoissonRatio = 0.3;

// G = E / (2·(1 + ν)) of an isotropic material. Throws Error for a ν outside
// (−1, 0,5).
double shearModulusOf(double modulus, double poissonRatio);

// Elastic modes 1..modeCount (tones I, II, ...); the two rigid-body motions are
// not returned. A rotary inertia of 0 leaves it out. Throws Error naming the
// spacing (from 1) of a value that is not a finite number, or not positive
// (not negative for the rotary inertia), and on tables of different lengths,
// no elements, or a modeCount outside 1 .. 2·N.
std::vector<BeamMode> freeFreeTimoshenkoModes(const TimoshenkoBeam& beam, int modeCount);

}  // namespace hullcalc
