// The hull immersed below an inclined waterplane: each section clipped exactly
// by the waterline, its area and first moments from the clipped polygon, and
// the sums along the hull that give the volume, its centre of buoyancy and the
// derivatives the balancing of the waterplane needs.
#pragma once

#include "trim/hull_sections.h"

namespace hullcalc {

// A waterplane at heel φ (starboard down): at the section at x the immersed
// part is {z·cos φ − y·sin φ ≤ level − trimSlope·x}. trimSlope is the change
// of that height per metre going aft (by the stern positive); upright it is
// the change of draft, as the design waterline's (Tк − Tн)/L.
struct Waterplane {
    double heel = 0.0;       // φ, rad
    double level = 0.0;      // the waterplane's height at midship, measured across the heeled section, m
    double trimSlope = 0.0;  // per metre
};

// One section below a waterline.
struct ImmersedSection {
    double area = 0.0;     // m²
    double momentY = 0.0;  // ∫ y dA, m³
    double momentZ = 0.0;  // ∫ z dA, m³
    // The length of the waterline inside the section, m: the rate at which the
    // area grows as the waterline rises.
    double waterlineLength = 0.0;
    // ∫ s² ds along the waterline, s across it from where it meets the centre
    // plane: upright, the waterplane's moment of inertia per metre of length, m³.
    double waterlineInertia = 0.0;
};

// The part of the section where z·cos φ − y·sin φ ≤ height, exactly.
ImmersedSection immerseSection(const HullSection& section, double heel, double height);

// The whole hull below a waterplane, summed over the sections by their weights.
struct ImmersedHull {
    double volume = 0.0;                   // V, m³
    double momentX = 0.0;                  // ∫ x dV, m⁴
    double momentY = 0.0;                  // ∫ y dV, m⁴
    double momentZ = 0.0;                  // ∫ z dV, m⁴
    double waterplaneInertia = 0.0;        // Σ weight·waterlineInertia, m⁴ (upright: I about the centre line)
    double waterplaneSecondMomentX = 0.0;  // Σ weight·x²·waterline length, m⁴ (upright: I about midship)
    // Derivatives of V and of ∫ x dV by the level and the trim slope.
    double volumeByLevel = 0.0;   // m²
    double volumeByTrim = 0.0;    // m³
    double momentXByLevel = 0.0;  // m³
    double momentXByTrim = 0.0;   // m⁴
};

ImmersedHull immerseHull(const HullSections& hull, const Waterplane& waterplane);

}  // namespace hullcalc
