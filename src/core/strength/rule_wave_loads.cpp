#include "strength/rule_wave_loads.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace hullcalc {

// C = 10,75 − ((300 − L)/100)^1,5 for 90 ≤ L ≤ 300 m, 10,75 up to 350 m and
// 10,75 − ((L − 350)/150)^1,5 up to 500 m: the wave coefficient of IACS UR S11
// (and of the harmonised common structural rules) as the program
// wjeongx/cls_hull_design, ShipDesign/dnvship/dnvship.py, WaveCoefficient()
// tabulates it; the rule text itself was not at hand.
double ruleWaveCoefficient(double length)
{
    if (length <= 300.0)
        return 10.75 - std::pow((300.0 - length) / 100.0, 1.5);
    if (length <= 350.0)
        return 10.75;
    return 10.75 - std::pow((length - 350.0) / 150.0, 1.5);
}

// The distribution of the wave moment: 2,5 x/L from the aft end to 0,4 L, 1
// from 0,4 L to 0,65 L, 1 − (x − 0,65 L)/0,35 L on to the forward end (x from
// the stern), as E. C. Tupper, «Introduction to Naval Architecture», 3rd ed.,
// chapter 7 «Strength», p. 147 gives the IACS factor M.
double ruleMomentDistribution(double fromAft, double length)
{
    const double s = fromAft / length;
    if (s <= 0.0 || s >= 1.0)
        return 0.0;
    if (s < 0.4)
        return 2.5 * s;
    if (s <= 0.65)
        return 1.0;
    return 1.0 - (s - 0.65) / 0.35;
}

namespace {

// Linear between the tabulated points (fraction of L from the stern, factor).
double piecewiseLinear(const std::array<std::pair<double, double>, 8>& points, double s)
{
    if (s <= 0.0 || s >= 1.0)
        return 0.0;
    for (std::size_t k = 1; k < points.size(); ++k) {
        const auto [s1, f1] = points[k - 1];
        const auto [s2, f2] = points[k];
        if (s <= s2)
            return f1 + (f2 - f1) * (s - s1) / (s2 - s1);
    }
    return 0.0;
}

// F = 190 C_b / (110 (C_b + 0,7)): the ratio of the hogging to the sagging
// moment, which sets the shear forces' factors at the quarter lengths.
double shearRatio(double blockCoefficient) { return 190.0 * blockCoefficient / (110.0 * (blockCoefficient + 0.7)); }

// The IACS wave shear force 0,3·F·C·L·B·(C_b + 0,7) kN, hogging positive with
// F1 and sagging negative with F2, as Tupper, «Introduction to Naval
// Architecture», 3rd ed., p. 147 prints it.
double shearScale(const RuleWaveLoads& loads, double length, double breadth)
{
    return 0.3 * loads.waveCoefficient * length * breadth * (loads.blockCoefficient + 0.7);
}

}  // namespace

// F1 and F2 from the stern: 0 at the ends; 0,92 F (F1) and 0,92 (F2) from 0,2 L
// to 0,3 L; 0,7 from 0,4 L to 0,6 L; 1,0 (F1) and F (F2) from 0,7 L to 0,85 L;
// linear between: Tupper, «Introduction to Naval Architecture», 3rd ed., p. 147.
double rulePositiveShearDistribution(double fromAft, double length, double blockCoefficient)
{
    const double f = 0.92 * shearRatio(blockCoefficient);
    return piecewiseLinear(
        {{{0.0, 0.0}, {0.2, f}, {0.3, f}, {0.4, 0.7}, {0.6, 0.7}, {0.7, 1.0}, {0.85, 1.0}, {1.0, 0.0}}},
        fromAft / length);
}

double ruleNegativeShearDistribution(double fromAft, double length, double blockCoefficient)
{
    const double f = shearRatio(blockCoefficient);
    return piecewiseLinear(
        {{{0.0, 0.0}, {0.2, 0.92}, {0.3, 0.92}, {0.4, 0.7}, {0.6, 0.7}, {0.7, f}, {0.85, f}, {1.0, 0.0}}},
        fromAft / length);
}

double rulePositiveShearForce(const RuleWaveLoads& loads, double fromAft, double length, double breadth)
{
    return rulePositiveShearDistribution(fromAft, length, loads.blockCoefficient) * shearScale(loads, length, breadth);
}

double ruleNegativeShearForce(const RuleWaveLoads& loads, double fromAft, double length, double breadth)
{
    return -ruleNegativeShearDistribution(fromAft, length, loads.blockCoefficient) * shearScale(loads, length, breadth);
}

// Z_min = f1·k·C1·L²·B·(C_b + 0,7)·10⁻⁶ m³ with the wave coefficient C1 as
// above, f1 = 1 for unrestricted service and k = 1 for mild steel (higher
// tensile steels take k below 1, services restricted to short voyages or
// sheltered water f1 below 1): the IACS requirement for the minimum midship
// section modulus as D. G. M. Watson, «Practical Ship Design», chapter 10
// «Structural design», section 10.2 «Longitudinal strength», p. 290, quotes
// it. The factor 10⁻⁶ turns the product, in cm³, into m³.
double ruleMinimumSectionModulus(double waveCoefficient, double length, double breadth, double blockCoefficient)
{
    constexpr double serviceFactor = 1.0;   // f1, unrestricted service
    constexpr double materialFactor = 1.0;  // k, mild steel
    return serviceFactor * materialFactor * waveCoefficient * length * length * breadth * (blockCoefficient + 0.7)
           * 1e-6;
}

RuleWaveLoads computeRuleWaveLoads(double length, double breadth, double scantlingDraft,
                                   double blockCoefficientAtScantlingDraft, bool seaGoing)
{
    RuleWaveLoads loads;
    if (!seaGoing) {
        loads.reason = "Правило IACS UR S11 относится к морским судам; для речного судна не применяется";
        return loads;
    }
    if (!(length >= 90.0 && length <= 500.0)) {
        loads.reason = "Правило IACS UR S11 относится к судам длиной от 90 до 500 м";
        return loads;
    }
    loads.applies = true;
    loads.waveCoefficient = ruleWaveCoefficient(length);
    loads.scantlingDraft = scantlingDraft;
    loads.actualBlockCoefficient = blockCoefficientAtScantlingDraft;
    // C_b at the scantling draught, not to be taken less than 0,6: IACS UR
    // S11 (Rev. 7, 2010), 2.2.1, as the Python module
    // digitalmodel.naval_architecture (hull-girder longitudinal strength,
    // rule_block_coefficient) quotes it; the rule's own text found (Rev. 6,
    // S11.1 «Application») names C_b < 0,6 among the ships given special
    // consideration.
    loads.blockCoefficient = std::max(blockCoefficientAtScantlingDraft, ruleMinimumBlockCoefficient);
    // M_w,hog = +190·C·L²·B·C_b·10⁻³ and M_w,sag = −110·C·L²·B·(C_b + 0,7)·10⁻³
    // kN·m at midship: IACS UR S11 as shipcalculators.com, "Wave Bending Moment
    // (IACS UR S11)", gives them (0,19 and 0,11 there).
    const double base = loads.waveCoefficient * length * length * breadth * 1e-3;
    loads.hoggingMoment = 190.0 * base * loads.blockCoefficient;
    loads.saggingMoment = -110.0 * base * (loads.blockCoefficient + 0.7);
    // The largest shear forces: F1 = 1 forward, F2 = 0,92 or F aft and forward.
    const double scale = shearScale(loads, length, breadth);
    loads.positiveShearForce = std::max(1.0, 0.92 * shearRatio(loads.blockCoefficient)) * scale;
    loads.negativeShearForce = -std::max(0.92, shearRatio(loads.blockCoefficient)) * scale;
    loads.minimumSectionModulus =
        ruleMinimumSectionModulus(loads.waveCoefficient, length, breadth, loads.blockCoefficient);
    return loads;
}

}  // namespace hullcalc
