// The wave bending moments a classification rule prescribes for sea-going
// ships of 90 to 500 m: IACS Unified Requirement S11 (longitudinal strength
// standard), beside the moments of the ship balanced on a wave.
#pragma once

#include <string>

namespace hullcalc {

struct RuleWaveLoads {
    bool applies = false;
    std::string reason;             // why not, when the rule does not apply
    double waveCoefficient = 0.0;   // C
    double blockCoefficient = 0.0;  // C_b
    double hoggingMoment = 0.0;     // at midship, kN·m (positive)
    double saggingMoment = 0.0;     // at midship, kN·m (negative)

    bool operator==(const RuleWaveLoads&) const = default;
};

// The wave coefficient C of a ship of length L (m), 90 ≤ L ≤ 500.
double ruleWaveCoefficient(double length);

// The distribution factor of the wave moment along the hull at the distance
// from the aft end `fromAft` (m): 0 at the ends, 1 from 0,4 L to 0,65 L.
double ruleMomentDistribution(double fromAft, double length);

// The midship wave moments for L, B (m) and C_b; `seaGoing` false or L outside
// 90..500 m leaves them out with the reason.
RuleWaveLoads computeRuleWaveLoads(double length, double breadth, double blockCoefficient, bool seaGoing);

}  // namespace hullcalc
