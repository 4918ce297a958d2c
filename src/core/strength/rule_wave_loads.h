// The wave bending moments a classification rule prescribes for sea-going
// ships of 90 to 500 m: IACS Unified Requirement S11 (longitudinal strength
// standard), beside the moments of the ship balanced on a wave, and the
// minimum midship section modulus that goes with them.
#pragma once

#include <string>

namespace hullcalc {

struct RuleWaveLoads {
    bool applies = false;
    std::string reason;                  // why not, when the rule does not apply
    double waveCoefficient = 0.0;        // C
    double blockCoefficient = 0.0;       // C_b
    double hoggingMoment = 0.0;          // at midship, kN·m (positive)
    double saggingMoment = 0.0;          // at midship, kN·m (negative)
    double minimumSectionModulus = 0.0;  // Z_min at deck and keel, m³

    bool operator==(const RuleWaveLoads&) const = default;
};

// The wave coefficient C of a ship of length L (m), 90 ≤ L ≤ 500.
double ruleWaveCoefficient(double length);

// The distribution factor of the wave moment along the hull at the distance
// from the aft end `fromAft` (m): 0 at the ends, 1 from 0,4 L to 0,65 L.
double ruleMomentDistribution(double fromAft, double length);

// The least midship section modulus (m³) at the deck and at the keel of a
// sea-going ship in unrestricted service built of mild steel, for the wave
// coefficient C, L, B (m) and C_b.
double ruleMinimumSectionModulus(double waveCoefficient, double length, double breadth, double blockCoefficient);

// The midship wave moments and the minimum section modulus for L, B (m) and C_b; `seaGoing` false or L outside
// 90..500 m leaves them out with the reason.
RuleWaveLoads computeRuleWaveLoads(double length, double breadth, double blockCoefficient, bool seaGoing);

}  // namespace hullcalc
