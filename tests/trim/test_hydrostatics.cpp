// The hydrostatic curves per waterline: the example ship's worked values, a box
// barge against its closed forms, the special "0" and empty cells, and where a
// failure stops the run. Repeat runs are compared in test_trim_table.cpp.
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/bonjean.h"
#include "trim/hydrostatics.h"
#include "trim/trim_calculation.h"

#include <algorithm>
#include <cmath>

namespace hullcalc {
namespace {

class Hydrostatics : public ExampleShip {
protected:
    void setOffsets(int fromRow, int toRow, int fromColumn, int toColumn, const char* text)
    {
        for (int row = fromRow; row <= toRow; ++row)
            for (int column = fromColumn; column <= toColumn; ++column)
                sheet.OrdinatGrid.setCell(column, row, text);
    }

    double value(const TextGrid& grid, int waterline) { return parseNumber(grid.cell(waterline, 0)); }
};

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
        const char* grid;
        int waterline;
        double expected, tolerance;
    } exampleValues[] = {
        {"WLGrid", 1, 678.1875, 1e-9},     {"XcfGrid", 1, -1.43385, 5e-6},   {"IyGrid", 1, 625347.7294921875, 1e-9},
        {"IzGrid", 1, 3091.59, 5e-3},      {"VGrid", 2, 270.27, 1e-9},       {"WLGrid", 2, 707.8125, 1e-9},
        {"VGrid", 5, 1118.0446875, 1e-9},  {"XcvGrid", 5, -1.62366, 5e-6},   {"WLGrid", 5, 737.25, 1e-9},
        {"XcfGrid", 5, -1.52308, 5e-6},    {"smallRGrid", 5, 6.19470, 5e-6}, {"RGrid", 5, 251.8265, 5e-4},
        {"VGrid", 10, 2595.8278125, 1e-9}, {"RGrid", 10, 127.1718, 5e-4},
    };
    computeCurves();
    const auto grids = sheet.grids();
    for (const auto& row : exampleValues) {
        const auto named = std::ranges::find_if(grids, [&](const auto& g) { return g.name == row.grid; });
        ASSERT_NE(named, grids.end()) << row.grid;
        EXPECT_NEAR(value(*named->grid, row.waterline), row.expected, row.tolerance)
            << row.grid << " " << row.waterline;
    }
    // The base line has no volume and no radii: no point of R on its chart, whose
    // first point belongs to waterline 2, drawn at its height.
    EXPECT_EQ(sheet.VGrid.cell(1, 0) + sheet.XcvGrid.cell(1, 0) + sheet.RGrid.cell(1, 0), "000");
    EXPECT_EQ(sheet.smallRGrid.cell(1, 0), "");
    ASSERT_EQ(sheet.RGraph.series[0].points().size(), 9u);
    EXPECT_EQ(sheet.RGraph.series[0].points().front().y, sheet.kept.z[2]);
    EXPECT_EQ(sheet.RGraph.series[0].points().front().x, value(sheet.RGrid, 2));
}

// A box barge 75 × 11 m: every offset 5,5 m. The trapezoidal rule is exact for
// it, so V = L·B·T, S = L·B, Xcv = Xcf = 0, Iz = b³·L/3 and Iy = b·L³/3 per
// side (b = B/2, Iy about frame 0), r = B²/12T and R = L²/12T. The texts carry
// 15 significant digits: relative tolerance 1e-12 (abscissae 1e-12 m).
TEST_F(Hydrostatics, BoxBargeMatchesClosedForms)
{
    setOffsets(1, frameCount, 1, waterlineCount, "5,5");
    computeCurves();
    const double L = 75.0;
    const double B = 11.0;
    const double b = B / 2;
    const auto near = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
    };
    for (int j = 1; j <= waterlineCount; ++j) {
        SCOPED_TRACE(j);
        const double T = sheet.kept.z[static_cast<std::size_t>(j)];
        near(value(sheet.VGrid, j), L * B * T);
        near(value(sheet.WLGrid, j), L * B);
        EXPECT_NEAR(value(sheet.XcfGrid, j), 0.0, 1e-12);
        EXPECT_NEAR(value(sheet.XcvGrid, j), 0.0, 1e-12);
        near(value(sheet.IzGrid, j), b * b * b * L / 3);
        near(value(sheet.IyGrid, j), b * L * L * L / 3);
        if (j == 1)
            continue;
        near(value(sheet.smallRGrid, j), B * B / (12 * T));
        near(value(sheet.RGrid, j), L * L / (12 * T));
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
        setOffsets(row, row, 1, waterlineCount, formatGeneral(halfBreadth).c_str());
    }
    computeCurves();
    for (int j = 1; j <= waterlineCount; ++j)
        EXPECT_NEAR(value(sheet.IyGrid, j), 338378.90625, 1e-9 * 338378.90625) << j;
}

// Frames 19 and 20 without breadth below waterline 7: the last strip of
// waterlines 1..6 is empty, so their centre of buoyancy and moments of inertia
// read "0" while the area and the centre of flotation cover the whole hull.
TEST_F(Hydrostatics, EmptyLastStripWritesZeroCells)
{
    setOffsets(20, 21, 1, 6, "0");
    computeCurves();
    for (int j = 1; j <= 7; ++j) {
        const bool empty = j <= 6;
        EXPECT_EQ(sheet.XcvGrid.cell(j, 0) == "0", empty) << j;
        EXPECT_EQ(sheet.IyGrid.cell(j, 0) == "0" && sheet.IzGrid.cell(j, 0) == "0", empty) << j;
        EXPECT_NE(value(sheet.WLGrid, j) * value(sheet.XcfGrid, j), 0.0) << j;
    }
}

// A waterline of zero breadth everywhere has no waterplane: its area and
// moments read "0" and its centre of flotation stays as it was, drawn only
// when it is not empty.
TEST_F(Hydrostatics, WaterlineWithoutBreadthKeepsItsCentreOfFlotation)
{
    setOffsets(1, frameCount, 1, 1, "0");
    for (const char* before : {"7,5", ""}) {
        sheet.XcfGrid.setCell(1, 0, before);
        computeCurves();
        EXPECT_EQ(sheet.WLGrid.cell(1, 0) + sheet.IyGrid.cell(1, 0) + sheet.IzGrid.cell(1, 0), "000");
        EXPECT_EQ(sheet.XcfGrid.cell(1, 0), before);
        EXPECT_EQ(sheet.XcfGraph.series[0].points().size(), *before ? 10u : 9u);
    }
}

// A bad spacing stops at the first strip: the Bonjean scale and its charts are
// complete, the curves keep what they held.
TEST_F(Hydrostatics, BadSpacingStopsAfterTheBonjeanScale)
{
    const TrimSheet fresh = sheet;
    particulars.ShipdL = "75.0";
    EXPECT_EQ(errorOf([&] { runTrimCalculation(sheet, particulars); }), "'75.0' is not a valid floating point value");
    EXPECT_FALSE(sheet.UWAGrid.cell(waterlineCount, frameCount).empty()) << "the last Bonjean area";
    EXPECT_EQ(sheet.SSpGraphResults.series[9].points().size(), 21u);
    EXPECT_EQ(sheet.VGrid, fresh.VGrid);
    EXPECT_FALSE(sheet.kept.complete);
}

}  // namespace
}  // namespace hullcalc
