// The rule wave moments of IACS UR S11 and where they apply.
#include "strength/rule_wave_loads.h"

#include <cmath>

#include <gtest/gtest.h>

namespace hullcalc {
namespace {

// L 150 m, B 25 m, C_b 0,75, worked by hand:
//   C = 10,75 − (150/100)^1,5 = 10,75 − 1,837117 = 8,912883;
//   M_hog = 190·C·L²·B·C_b·10⁻³ = 190·8,912883·22 500·25·0,75·10⁻³ = +714 423 kN·m;
//   M_sag = −110·C·L²·B·(C_b + 0,7)·10⁻³ = −110·8,912883·562 500·1,45·10⁻³ = −799 653 kN·m;
//   Z_min = C·L²·B·(C_b + 0,7)·10⁻⁶ = 8,912883·815 625·10⁻⁶ = 7,26957 m³.
TEST(RuleWaveLoads, MidshipMomentsAndModulusOfA150mShip)
{
    const RuleWaveLoads loads = computeRuleWaveLoads(150, 25, 8, 0.75, true);
    ASSERT_TRUE(loads.applies);
    EXPECT_NEAR(loads.waveCoefficient, 8.913, 5e-4);
    EXPECT_NEAR(loads.hoggingMoment, 714423, 1);
    EXPECT_NEAR(loads.saggingMoment, -799653, 1);
    EXPECT_NEAR(loads.minimumSectionModulus, 7.2696, 1e-4);
    EXPECT_NEAR(ruleMinimumSectionModulus(loads.waveCoefficient, 150, 25, 0.75), 7.2696, 1e-4);
}

// A fine ship is taken at C_b 0,6: at 0,5 the moments are those of 0,6, by
// hand M_hog = 190·8,912883·562 500·0,6·10⁻³ = 571 539 kN·m and
// M_sag = −110·8,912883·562 500·1,3·10⁻³ = −716 930 kN·m.
TEST(RuleWaveLoads, BlockCoefficientIsNotTakenBelowTheRulesFloor)
{
    const RuleWaveLoads fine = computeRuleWaveLoads(150, 25, 8, 0.5, true);
    EXPECT_EQ(fine.actualBlockCoefficient, 0.5);
    EXPECT_EQ(fine.blockCoefficient, 0.6);
    EXPECT_NEAR(fine.hoggingMoment, 571539, 1);
    EXPECT_NEAR(fine.saggingMoment, -716930, 1);
    RuleWaveLoads atFloor = computeRuleWaveLoads(150, 25, 8, 0.6, true);
    atFloor.actualBlockCoefficient = 0.5;
    EXPECT_EQ(fine, atFloor);
}

// The wave shear forces of the same ship by hand from 0,3·F·C·L·B·(C_b + 0,7):
//   0,3·C·L·B·(C_b + 0,7) = 0,3·8,912883·150·25·1,45 = 14 539,14 kN,
//   F = 190·0,75/(110·1,45) = 0,893417.
// Positive: 0,92·F·14 539,14 = 11 950,35 aft (0,2–0,3 L), 0,7·… = 10 177,40
// amidships, 14 539,14 forward (0,7–0,85 L), 11 063,88 halfway at 0,35 L.
// Negative: −0,92·14 539,14 = −13 376,01 aft, −F·14 539,14 = −12 989,51 forward.
TEST(RuleWaveLoads, ShearForcesOfA150mShipAlongTheHull)
{
    const RuleWaveLoads loads = computeRuleWaveLoads(150, 25, 8, 0.75, true);
    EXPECT_NEAR(loads.positiveShearForce, 14539.14, 0.01);
    EXPECT_NEAR(loads.negativeShearForce, -13376.01, 0.01);
    const struct {
        double fromAft, positive, negative;
    } points[] = {{0, 0, 0},
                  {37.5, 11950.35, -13376.01},
                  {52.5, 11063.88, -0.5 * (13376.01 + 10177.40)},
                  {75, 10177.40, -10177.40},
                  {112.5, 14539.14, -12989.51},
                  {150, 0, 0}};
    for (const auto& p : points) {
        EXPECT_NEAR(rulePositiveShearForce(loads, p.fromAft, 150, 25), p.positive, 0.01) << p.fromAft;
        EXPECT_NEAR(ruleNegativeShearForce(loads, p.fromAft, 150, 25), p.negative, 0.01) << p.fromAft;
    }
}

// C is continuous at 300 and 350 m and falls to 10,75 − 1 = 9,75 at 500 m.
TEST(RuleWaveLoads, WaveCoefficientAcrossTheLengths)
{
    EXPECT_NEAR(ruleWaveCoefficient(90), 10.75 - std::pow(2.1, 1.5), 1e-12);
    EXPECT_DOUBLE_EQ(ruleWaveCoefficient(300), 10.75);
    EXPECT_DOUBLE_EQ(ruleWaveCoefficient(350), 10.75);
    EXPECT_DOUBLE_EQ(ruleWaveCoefficient(500), 9.75);
}

// Linear from the aft end to 1 at 0,4 L, level to 0,65 L, linear to the bow.
TEST(RuleWaveLoads, MomentDistributionAlongTheHull)
{
    const std::pair<double, double> points[] = {{0, 0},  {20, 0.5},   {40, 1},  {50, 1},
                                                {65, 1}, {82.5, 0.5}, {100, 0}, {120, 0}};
    for (const auto& [fromAft, factor] : points)
        EXPECT_NEAR(ruleMomentDistribution(fromAft, 100), factor, 1e-12) << fromAft;
}

TEST(RuleWaveLoads, RiverShipsAndShortShipsAreOutsideTheRule)
{
    EXPECT_FALSE(computeRuleWaveLoads(150, 25, 8, 0.75, false).applies);
    const RuleWaveLoads shortShip = computeRuleWaveLoads(75, 11, 2, 0.8, true);
    EXPECT_FALSE(shortShip.applies);
    EXPECT_EQ(shortShip.reason, "Правило IACS UR S11 относится к судам длиной от 90 до 500 м");
    EXPECT_EQ(shortShip.minimumSectionModulus, 0.0) << "no rule, no modulus";
    EXPECT_TRUE(computeRuleWaveLoads(90, 15, 5, 0.7, true).applies);
}

}  // namespace
}  // namespace hullcalc
