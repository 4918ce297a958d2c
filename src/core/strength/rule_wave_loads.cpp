#include "strength/rule_wave_loads.h"

#include <cmath>

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

// UR S11's distribution of the wave moment (its figure of the factor M): rising
// linearly from the aft end to 1 at 0,4 L, 1 to 0,65 L, falling linearly to 0
// at the forward end. Only a program's table of the factor was found, not the
// rule's figure.
double ruleMomentDistribution(double fromAft, double length)
{
    const double s = fromAft / length;
    if (s <= 0.0 || s >= 1.0)
        return 0.0;
    if (s < 0.4)
        return s / 0.4;
    if (s <= 0.65)
        return 1.0;
    return (1.0 - s) / 0.35;
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

RuleWaveLoads computeRuleWaveLoads(double length, double breadth, double blockCoefficient, bool seaGoing)
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
    loads.blockCoefficient = blockCoefficient;
    // M_w,hog = +190·C·L²·B·C_b·10⁻³ and M_w,sag = −110·C·L²·B·(C_b + 0,7)·10⁻³
    // kN·m at midship: IACS UR S11 as shipcalculators.com, "Wave Bending Moment
    // (IACS UR S11)", gives them (0,19 and 0,11 there).
    const double base = loads.waveCoefficient * length * length * breadth * 1e-3;
    loads.hoggingMoment = 190.0 * base * blockCoefficient;
    loads.saggingMoment = -110.0 * base * (blockCoefficient + 0.7);
    loads.minimumSectionModulus = ruleMinimumSectionModulus(loads.waveCoefficient, length, breadth, blockCoefficient);
    return loads;
}

}  // namespace hullcalc
