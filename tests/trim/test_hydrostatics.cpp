// The hydrostatic curves per waterline: the example ship's worked values, a box
// barge against its closed forms, the special "0" and empty cells, and where a
// failure stops the run. Repeat runs are compared in test_trim_table.cpp.
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/bonjean_scale.h"
#include "trim/hydrostatic_curves.h"
#include "trim/trim_calculation.h"

#include <algorithm>
#include <cmath>

namespace hullcalc {
namespace {

class Hydrostatics : public ExampleShip {
protected:
    using Curve = HydrostaticCurve HydrostaticCurves::*;
    const std::string& text(Curve curve, int waterline)
    {
        return (sheet.hydrostatics.*curve).values.cell(waterline, 0);
    }
    double value(Curve curve, int waterline) { return parseNumber(text(curve, waterline)); }
    const std::vector<ChartPoint>& points(Curve curve) { return (sheet.hydrostatics.*curve).chart.series[0].points(); }
    // The texts carry 15 significant digits: relative tolerance 1e-12.
    static void near(double actual, double expected)
    {
        EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected)));
    }
};

using C = HydrostaticCurves;

// The example ship's worked values (75 m in 20 spacings of 3,75 m, waterlines
// 0,39 m apart): waterline 1 is the flat bottom, 2 is z = 0,39 m, 5 is
// z = 1,56 m and 10 is z = 3,51 m. Iy of waterline 1 is the exact integral of
// y·x² over the piecewise-linear half-breadths (625347,7294921875 m⁴, by hand
// with exact fractions); R of waterlines 5 and 10 follows from the exact Iy, S
// and XF with the tabulated V. Tolerance: half a unit of the last digit
// quoted, 1e-9 where the value is exact.
TEST_F(Hydrostatics, ExampleShipWorkedValues)
{
    const struct {
        HydrostaticCurve C::*curve;
        const char* name;
        int waterline;
        double expected, tolerance;
    } exampleValues[] = {
        {&C::waterplaneArea, "S", 1, 678.1875, 1e-9},
        {&C::centreOfFlotation, "XF", 1, -1.43385, 5e-6},
        {&C::longitudinalInertia, "Iy", 1, 625347.7294921875, 1e-9},
        {&C::transverseInertia, "Iz", 1, 3091.59, 5e-3},
        {&C::volume, "V", 2, 270.27, 1e-9},
        {&C::waterplaneArea, "S", 2, 707.8125, 1e-9},
        {&C::volume, "V", 5, 1118.0446875, 1e-9},
        {&C::centreOfBuoyancy, "XC", 5, -1.62366, 5e-6},
        {&C::waterplaneArea, "S", 5, 737.25, 1e-9},
        {&C::centreOfFlotation, "XF", 5, -1.52308, 5e-6},
        {&C::transverseRadius, "r", 5, 6.19470, 5e-6},
        {&C::longitudinalRadius, "R", 5, 251.8265, 5e-4},
        {&C::volume, "V", 10, 2595.8278125, 1e-9},
        {&C::longitudinalRadius, "R", 10, 127.1718, 5e-4},
    };
    computeCurves();
    for (const auto& row : exampleValues)
        EXPECT_NEAR(value(row.curve, row.waterline), row.expected, row.tolerance) << row.name << " " << row.waterline;
    // The base line has no volume, so no centre of buoyancy and no radii: their
    // cells are empty (undefined, not 0), and the chart of R starts at
    // waterline 2, at its height.
    EXPECT_EQ(text(&C::volume, 1), "0");
    EXPECT_EQ(text(&C::centreOfBuoyancy, 1) + text(&C::longitudinalRadius, 1) + text(&C::transverseRadius, 1), "");
    EXPECT_FALSE(isDefinedOn(sheet.hydrostatics, sheet.hydrostatics.centreOfBuoyancy, 1));
    EXPECT_TRUE(isDefinedOn(sheet.hydrostatics, sheet.hydrostatics.waterplaneArea, 1));
    ASSERT_EQ(points(&C::longitudinalRadius).size(), 9u);
    EXPECT_EQ(points(&C::longitudinalRadius).front(),
              (ChartPoint{value(&C::longitudinalRadius, 2), sheet.bonjean.waterlineHeights[2], ""}));
}

// A box barge 75 × 11 m: every offset 5,5 m. The trapezoidal rule is exact for
// it, so V = L·B·T, S = L·B, Xcv = Xcf = 0, Iz = b³·L/3 and Iy = b·L³/3 per
// side (b = B/2, Iy about frame 0), r = B²/12T and R = L²/12T. The texts carry
// 15 significant digits: relative tolerance 1e-12 (abscissae 1e-12 m).
TEST_F(Hydrostatics, BoxBargeMatchesClosedForms)
{
    setOffsets("5,5");
    computeCurves();
    const double L = 75.0;
    const double B = 11.0;
    const double b = B / 2;
    for (int j = 1; j <= waterlineCount; ++j) {
        SCOPED_TRACE(j);
        const double T = sheet.bonjean.waterlineHeights[static_cast<std::size_t>(j)];
        near(value(&C::volume, j), L * B * T);
        near(value(&C::waterplaneArea, j), L * B);
        near(value(&C::centreOfFlotation, j), 0.0);
        near(value(&C::transverseInertia, j), b * b * b * L / 3);
        near(value(&C::longitudinalInertia, j), b * L * L * L / 3);
        if (j == 1)
            continue;
        near(value(&C::centreOfBuoyancy, j), 0.0);
        near(value(&C::transverseRadius, j), B * B / (12 * T));
        near(value(&C::longitudinalRadius, j), L * L / (12 * T));
    }
}

// A rhombic wall-sided waterplane: half-breadth 0 at frames 0 and 20 and
// 5,5 m at frame 10, straight between. Each strip is a rectangle with a right
// triangle on it, so Iy about frame 0 is exact: ∫ y·x² dx = 10828125/32 =
// 338378,90625 m⁴ per side on every waterline (exact fractions, by hand).
// A triangle's area acting one third of a spacing too far aft of its centroid
// gives 339 966 m⁴ and fails this.
TEST_F(Hydrostatics, RhombicWaterplaneInertiaIsExact)
{
    for (int row = 1; row <= frameCount; ++row) {
        const double halfBreadth = 5.5 * (1.0 - std::abs(row - 11) / 10.0);
        setOffsets(formatGeneral(halfBreadth), row, row);
    }
    computeCurves();
    for (int j = 1; j <= waterlineCount; ++j)
        EXPECT_NEAR(value(&C::longitudinalInertia, j), 338378.90625, 1e-9 * 338378.90625) << j;
}

// A cut-up stern on the box barge of 75 × 11 m (b = 5,5 m, ΔL = 3,75 m,
// h = 0,39 m): frames 19 and 20 without breadth on waterlines 1–4. Worked by
// hand in fractions of ΔL:
// - waterlines 2–4: sections A = 11·(j − 1)·h at frames 0..18, 0 at 19 and 20,
//   so V = 18,5·A·ΔL and its moment about frame 0 is A·ΔL²·(162 + 55/6): the
//   centre of buoyancy lies 1027/111·ΔL aft of frame 0, XC = 83/111·ΔL. The
//   waterplane has the same shape: S = 2·18,5·b·ΔL, XF = XC, Iz = 73/12·b³·ΔL
//   and Iy = ∫ y·x² dx = 25345/12·b·ΔL³ per side; R = (2·Iy − S·d²)/V with
//   d = 1027/111·ΔL. Waterline 1 has no volume: XC empty.
// - waterlines 5–10: frames 19 and 20 lack δ = 38,5·h of the box's section A
//   (the triangle below waterline 5 and the rectangle below it), so
//   V = ΔL·(20·A − 1,5·δ), moment ΔL²·(200·A − 173/6·δ); the waterplane is the
//   box's, R = L³·B/12/V.
// Relative tolerance 1e-12.
TEST_F(Hydrostatics, CutUpSternKeepsTheWholeHull)
{
    setOffsets("5,5");
    setOffsets("0", 20, 21, 4);
    computeCurves();
    const double b = 5.5;
    const double dL = 3.75;
    const double L = 75.0;
    const double h = 0.39;
    EXPECT_EQ(text(&C::centreOfBuoyancy, 1), "");
    for (int j = 1; j <= waterlineCount; ++j) {
        SCOPED_TRACE(j);
        const double A = 11 * (j - 1) * h;
        if (j <= 4) {
            const double S = 2 * 18.5 * b * dL;
            const double d = 1027.0 / 111 * dL;
            const double Iy = 25345.0 / 12 * b * dL * dL * dL;
            near(value(&C::waterplaneArea, j), S);
            near(value(&C::centreOfFlotation, j), 83.0 / 111 * dL);
            near(value(&C::transverseInertia, j), 73.0 / 12 * b * b * b * dL);
            near(value(&C::longitudinalInertia, j), Iy);
            if (j == 1)
                continue;
            const double V = 18.5 * A * dL;
            near(value(&C::volume, j), V);
            near(value(&C::centreOfBuoyancy, j), 83.0 / 111 * dL);
            near(value(&C::longitudinalRadius, j), (2 * Iy - S * d * d) / V);
        } else {
            const double deficit = 38.5 * h;
            const double V = dL * (20 * A - 1.5 * deficit);
            near(value(&C::volume, j), V);
            near(value(&C::centreOfBuoyancy, j), L / 2 - dL * dL * (200 * A - 173.0 / 6 * deficit) / V);
            near(value(&C::longitudinalRadius, j), L * L * L * 2 * b / 12 / V);
        }
    }
}

// A waterline of zero breadth everywhere has no waterplane: its area and
// moments read "0" and its centre of flotation stays as it was, but it is
// undefined there and not drawn.
TEST_F(Hydrostatics, WaterlineWithoutBreadthKeepsItsCentreOfFlotation)
{
    setOffsets("0", 1, frameCount, 1);
    for (const char* before : {"7,5", ""}) {
        sheet.hydrostatics.centreOfFlotation.values.setCell(1, 0, before);
        computeCurves();
        EXPECT_EQ(text(&C::waterplaneArea, 1) + text(&C::longitudinalInertia, 1) + text(&C::transverseInertia, 1),
                  "000");
        EXPECT_EQ(text(&C::centreOfFlotation, 1), before);
        EXPECT_EQ(points(&C::centreOfFlotation).size(), 9u);
        EXPECT_FALSE(isDefinedOn(sheet.hydrostatics, sheet.hydrostatics.centreOfFlotation, 1));
    }
}

}  // namespace
}  // namespace hullcalc
