// The trim table and the hull-girder loads: the example ship's totals and
// extremes, the summary of the accepted waterline, the closure corrections, a
// balanced box barge, the results charts, a bad masses cell, and repeat runs.
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/trim_calculation.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hullcalc {
namespace {

namespace column = trimTableColumn;

class TrimTable : public ExampleShip {
protected:
    // A column's total, in the trim table's last row (frame 20's).
    double total(int column) { return parseNumber(sheet.results.table.cell(column, frameCount)); }
};

// The worked example on river water: weight 886,7447 t × 9,81 = 8698,97 kN;
// shear force largest ≈ 808 kN at frame 3 and smallest ≈ −785 kN at frame 15;
// bending moment largest ≈ 19 228 kN·m at frame 9 (an independent check of the
// example ship; tolerances: half a unit of the last digit quoted). The totals balance: the shear force left at the
// stern is the total weight minus the total buoyancy, and the buoyancy total is
// ρg·V of the accepted waterline (both sums of the same trapezoids: 1e-6 kN).
TEST_F(TrimTable, ExampleShipLoadsAndSummary)
{
    runTrimCalculation(sheet, particulars);
    EXPECT_NEAR(total(column::weight), 8698.97, 5e-3);
    EXPECT_NEAR(total(column::shearForce), total(column::weight) - total(column::buoyancy), 1e-9);
    EXPECT_NEAR(total(column::buoyancy), 9.81 * total(column::areaSum), 1e-6);
    EXPECT_EQ(sheet.results.table.cell(2, 21), sheet.iteration.log.cell(1, 3)) << "V of the accepted approximation";
    EXPECT_EQ(sheet.results.table.cell(1, 21), sheet.iteration.designSectionAreas.cell(21, 1))
        << "starts from the design sectional areas";

    std::vector<double> shear, moment;
    for (int row = 0; row < frameCount; ++row) {
        shear.push_back(parseNumber(sheet.results.shearForce.cell(1, row)));
        moment.push_back(parseNumber(sheet.results.bendingMoment.cell(1, row)));
    }
    EXPECT_EQ(std::max_element(shear.begin(), shear.end()) - shear.begin(), 3);
    EXPECT_NEAR(shear[3], 808.0, 0.5);
    EXPECT_EQ(std::min_element(shear.begin(), shear.end()) - shear.begin(), 15);
    EXPECT_NEAR(shear[15], -785.0, 0.5);
    EXPECT_EQ(std::max_element(moment.begin(), moment.end()) - moment.begin(), 9);
    EXPECT_NEAR(moment[9], 19228.0, 0.5);
    // The corrections leave nothing at the ends.
    for (const TextGrid* grid : {&sheet.results.shearForce, &sheet.results.bendingMoment})
        EXPECT_TRUE(grid->cell(1, 0) == "0,00" && grid->cell(1, 20) == "0,00");

    // The charts follow the tables.
    EXPECT_EQ(sheet.results.loadChart.series[0].points().at(19).label, "19-20");
    EXPECT_EQ(sheet.results.shearForceChart.series[0].points().at(3).y, shear[3]);
    EXPECT_EQ(sheet.results.bendingMomentChart.series[0].points().at(9).y, moment[9]);

    // The summary of the accepted waterline (approximation 2, mean draft
    // 1,23 m). XF, R and S are the curves at that mean draft, between
    // waterlines 4 (1,17 m) and 5 (1,56 m): XF −1,6466 → −1,5231 gives −1,63;
    // R 328,87 → 251,83 (exact integration of the offsets) gives 316,43;
    // S 729,75 → 737,25 gives 730,96. The closures are UdifGrid N_21 and Σ_21
    // (the integral sum, without ΔL/2): −0,16 kN and −5,27, an independent
    // check of the example ship.
    const std::array<std::string, summaryLineCount> expected = {"886,76", "-3,72", "-3,72", "-1,63", "316,43", "730,96",
                                                                "0,98",   "1,49",  "1,23",  "-0,16", "-5,27"};
    for (int i = 0; i < summaryLineCount; ++i)
        EXPECT_EQ(sheet.results.summary[i], expected[i]) << summaryCaptions[i];
}

// XG −1,8 m: the first approximation (Tn 1,2240, Tk 1,2636 m) is accepted, so
// no correction wrote an area. The summary looks S and R up at the mean draft
// 1,2438 m, 0,1893 of the way from waterline 4 to 5: S 729,75 → 737,25 gives
// 731,17 and R 328,87 → 251,83 gives 314,29 - not the even-keel draft's
// 731,19 and 314,12 (R by exact integration of the offsets).
TEST_F(TrimTable, FirstApproximationAcceptedLooksUpTheMeanDraft)
{
    particulars.centreOfGravity = "-1,8";
    runTrimCalculation(sheet, particulars);
    EXPECT_EQ(sheet.iteration.approximations, 1);
    EXPECT_EQ(formatF(parseNumber(sheet.iteration.log.cell(4, 1))), "314,12");
    const std::vector<std::string> expected = {"314,29", "731,17", "1,22", "1,26", "1,24"};
    EXPECT_EQ(std::vector<std::string>(sheet.results.summary.begin() + 4, sheet.results.summary.begin() + 9), expected);
}

// A box barge 75 × 11 m on an even keel at waterline 5 (T = 1,56 m, V =
// 1287 m³) with 1287/20 t in every spacing: weight and buoyancy balance in
// every spacing, so the loads, the shear force and the bending moment vanish
// up to the rounding of the texts. The first approximation is accepted and the
// summary's S is the waterplane L·B = 825 m², R = L²/12T = 300,48 m.
TEST_F(TrimTable, BalancedBoxBargeCarriesNoLoad)
{
    loadBoxBarge("1287", "64,35");
    runTrimCalculation(sheet, particulars);

    EXPECT_EQ(sheet.iteration.approximations, 1);
    EXPECT_NEAR(total(column::shearForce), 0.0, 1e-9);
    for (const TextGrid* grid : {&sheet.results.loads, &sheet.results.shearForce, &sheet.results.bendingMoment})
        for (int row = 0; row < grid->rowCount(); ++row)
            EXPECT_EQ(grid->cell(1, row), "0,00") << row;
    const std::array<std::string, summaryLineCount> expected = {"1287,00", "0,00", "0,00", "0,00", "300,48", "825,00",
                                                                "1,56",    "1,56", "1,56", "0,00", "0,00"};
    for (int i = 0; i < summaryLineCount; ++i)
        EXPECT_EQ(sheet.results.summary[i], expected[i]) << summaryCaptions[i];
}

// A repeat run rewrites every grid and chart rather than adding to them.
TEST_F(TrimTable, SecondRunGivesIdenticalTexts)
{
    runTrimCalculation(sheet, particulars);
    TrimSheet first = sheet;
    runTrimCalculation(sheet, particulars);
    EXPECT_TRUE(sheet.bonjean == first.bonjean);
    EXPECT_TRUE(sheet.hydrostatics == first.hydrostatics);
    EXPECT_TRUE(sheet.iteration == first.iteration);
    EXPECT_TRUE(sheet.results == first.results);
}

}  // namespace
}  // namespace hullcalc
