// The rule wave moments of IACS UR S11 and where they apply.
#include "strength/rule_wave_loads.h"

#include <cmath>

#include <gtest/gtest.h>

namespace hullcalc {
namespace {

// L 150 m, B 25 m, C_b 0,75, worked by hand:
//   C = 10,75 − (150/100)^1,5 = 10,75 − 1,837117 = 8,912883;
//   M_hog = 190·C·L²·B·C_b·10⁻³ = 190·8,912883·22 500·25·0,75·10⁻³ = +714 423 kN·m;
//   M_sag = −110·C·L²·B·(C_b + 0,7)·10⁻³ = −110·8,912883·562 500·1,45·10⁻³ = −799 653 kN·m.
TEST(RuleWaveLoads, MidshipMomentsOfA150mShip)
{
    const RuleWaveLoads loads = computeRuleWaveLoads(150, 25, 0.75, true);
    ASSERT_TRUE(loads.applies);
    EXPECT_NEAR(loads.waveCoefficient, 8.913, 5e-4);
    EXPECT_NEAR(loads.hoggingMoment, 714423, 1);
    EXPECT_NEAR(loads.saggingMoment, -799653, 1);
}

// The same ship, worked by hand: Z_min = C·L²·B·(C_b + 0,7)·10⁻⁶
//   = 8,912883·22 500·25·1,45·10⁻⁶ = 8,912883·815 625·10⁻⁶ = 7,26957 m³.
TEST(RuleWaveLoads, MinimumSectionModulusOfA150mShip)
{
    const RuleWaveLoads loads = computeRuleWaveLoads(150, 25, 0.75, true);
    EXPECT_NEAR(loads.minimumSectionModulus, 7.2696, 1e-4);
    EXPECT_NEAR(ruleMinimumSectionModulus(loads.waveCoefficient, 150, 25, 0.75), 7.2696, 1e-4);
    EXPECT_EQ(computeRuleWaveLoads(75, 11, 0.8, true).minimumSectionModulus, 0.0) << "no rule, no modulus";
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
    EXPECT_FALSE(computeRuleWaveLoads(150, 25, 0.75, false).applies);
    const RuleWaveLoads shortShip = computeRuleWaveLoads(75, 11, 0.8, true);
    EXPECT_FALSE(shortShip.applies);
    EXPECT_EQ(shortShip.reason, "Правило IACS UR S11 относится к судам длиной от 90 до 500 м");
    EXPECT_TRUE(computeRuleWaveLoads(90, 15, 0.7, true).applies);
}

}  // namespace
}  // namespace hullcalc
