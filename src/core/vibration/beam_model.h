// Natural frequencies and mode shapes of vertical hull-girder vibration from a
// finite-element model of the hull as a free-free beam, one element per spacing.
#pragma once

#include <span>
#include <vector>

namespace hullcalc {

// E, the modulus of elasticity of the hull's steel, kN/m², of both the energy
// method and the beam model.
inline constexpr double hullModulus = 1.96e8;

// One elastic mode of the free-free beam.
struct BeamMode {
    double circularFrequency = 0.0;  // ω, 1/s
    // Vertical deflection at the N + 1 nodes (frames) from the bow, scaled so
    // that the largest |value| is 1 and the bow node moves up (is positive).
    std::vector<double> deflection;
};

// Elastic modes 1..modeCount (tones I, II, ...) of an Euler–Bernoulli beam
// without supports: element e (from the bow, 0-based here) has the sectional
// moment of inertia inertia[e] in m⁴ and the mass per metre massPerMetre[e] in
// t/m (hull and added water); all elements are elementLength m long; modulus
// in kN/m². The two rigid-body motions, heave and pitch, are not returned.
// Throws Error on a value that is not a positive finite number (naming the
// spacing from 1), on tables of different lengths, on no elements, on a
// modeCount below 1 or above the model's 2·N elastic modes, and on values so
// far apart that the matrices overflow or tone I cannot be told from the
// rigid-body motions.
std::vector<BeamMode> freeFreeBeamModes(std::span<const double> inertia, std::span<const double> massPerMetre,
                                        double elementLength, double modulus, int modeCount);

// A natural frequency in the three units the windows show.
struct Frequency {
    double perSecond = 0.0;  // circular frequency ω, 1/s
    double hertz = 0.0;      // ω/2π, Гц
    double perMinute = 0.0;  // ω·60/2π, кол/мин
};

Frequency frequencyOf(double circularFrequency);

}  // namespace hullcalc
