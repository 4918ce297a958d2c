// The general criteria on the example ship after its trim calculation: with
// z_g 2,0 m it passes every one; with G raised to 6,5 m its high initial
// stability (GM0 about 2 m) still carries the areas to 30° and 40°, but the
// curve peaks early: the area from 30° to 40°, GZ at 30° or more and the heel
// of the largest GZ fail.
#include "stability/large_angle_stability.h"
#include "trim/trim_calculation.h"
#include "trim/trim_sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace hullcalc {
namespace {

LargeAngleStability exampleWith(const std::string& zg, StabilityTrim mode)
{
    TrimSheet sheet;
    writeHeaders(sheet);
    fillExampleShip(sheet.input);
    ShipParticulars particulars;
    particulars.shipType = ShipType::river;
    particulars.verticalCentreOfGravity = zg;
    const ParticularValues values = runTrimCalculation(sheet, particulars);
    return *computeLargeAngleStability(sheet.input, sheet.bonjean, sheet.hydrostatics, sheet.iteration, values,
                                       readDepth(particulars), mode);
}

std::string failed(const LargeAngleStability& stability)
{
    std::string keys;
    for (const StabilityCriterion& c : stability.criteria) {
        EXPECT_EQ(c.passed, c.value >= c.limit) << c.key;
        if (!c.passed)
            keys += std::string(c.key) + " ";
    }
    return keys;
}

TEST(StabilityCriteriaTest, ExampleShipPassesLowAndFailsThreeHigh)
{
    for (const StabilityTrim mode : {StabilityTrim::fixed, StabilityTrim::free}) {
        EXPECT_EQ(failed(exampleWith("2,0", mode)), "") << stabilityTrimKey(mode);
        EXPECT_EQ(failed(exampleWith("6,5", mode)), "area_30_40 righting_lever_30 max_righting_lever_heel ")
            << stabilityTrimKey(mode);
    }
}

}  // namespace
}  // namespace hullcalc
