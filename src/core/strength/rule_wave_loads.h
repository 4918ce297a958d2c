// The wave loads a classification rule prescribes for sea-going ships of 90
// to 500 m: IACS Unified Requirement S11 (longitudinal strength standard), its
// wave bending moments and wave shear forces with their distributions along
// the hull, beside the loads of the ship balanced on a wave, and the minimum
// midship section modulus of UR S7 that goes with them.
#pragma once

#include <string>

namespace hullcalc {

// The rule takes C_b not less than this.
inline constexpr double ruleMinimumBlockCoefficient = 0.6;

struct RuleWaveLoads {
    bool applies = false;
    std::string reason;                   // why not, when the rule does not apply
    double waveCoefficient = 0.0;         // C
    double scantlingDraft = 0.0;          // T, m, at which C_b is taken
    double actualBlockCoefficient = 0.0;  // V(T) / (L·B·T)
    double blockCoefficient = 0.0;        // C_b the formulas use: the actual one, not less than 0,6
    double hoggingMoment = 0.0;           // at midship, kN·m (positive)
    double saggingMoment = 0.0;           // at midship, kN·m (negative)
    double positiveShearForce = 0.0;      // largest along the hull, kN (positive)
    double negativeShearForce = 0.0;      // largest along the hull, kN (negative)
    double minimumSectionModulus = 0.0;   // Z_min at deck and keel, m³

    bool operator==(const RuleWaveLoads&) const = default;
};

// The wave coefficient C of a ship of length L (m), 90 ≤ L ≤ 500.
double ruleWaveCoefficient(double length);

// The distribution factor M of the wave moment along the hull at the distance
// from the aft end `fromAft` (m): 0 at the ends, 1 from 0,4 L to 0,65 L.
double ruleMomentDistribution(double fromAft, double length);

// The distribution factors F1 (positive) and F2 (negative) of the wave shear
// force at `fromAft` (m) for the rule's C_b.
double rulePositiveShearDistribution(double fromAft, double length, double blockCoefficient);
double ruleNegativeShearDistribution(double fromAft, double length, double blockCoefficient);

// The wave shear forces (kN) at `fromAft` of the loads: positive and negative.
double rulePositiveShearForce(const RuleWaveLoads& loads, double fromAft, double length, double breadth);
double ruleNegativeShearForce(const RuleWaveLoads& loads, double fromAft, double length, double breadth);

// The least midship section modulus (m³) at the deck and at the keel of a
// sea-going ship in unrestricted service built of mild steel, for the wave
// coefficient C, L, B (m) and C_b.
double ruleMinimumSectionModulus(double waveCoefficient, double length, double breadth, double blockCoefficient);

// The loads for L, B (m) and the block coefficient at the scantling draft T
// (m), floored at 0,6; `seaGoing` false or L outside 90..500 m leaves them out
// with the reason.
RuleWaveLoads computeRuleWaveLoads(double length, double breadth, double scantlingDraft,
                                   double blockCoefficientAtScantlingDraft, bool seaGoing);

}  // namespace hullcalc
