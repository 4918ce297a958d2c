// The Bonjean scale: immersed section areas and their static moments, the
// body plan and the two charts, and where a failure stops. Reference values:
// the example ship's midbody is a rectangle of half-breadth 5,5 m, so up to
// waterline j its area is 11·h and its moment 11·h²/2 with h = 0,39·(j - 1).
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/bonjean_drawing.h"
#include "trim/bonjean_scale.h"
#include "trim/trim_calculation.h"

#include <vector>

namespace hullcalc {
namespace {

using Bonjean = ExampleShip;

std::vector<std::string> rowOf(const TextGrid& grid, int row)
{
    std::vector<std::string> texts;
    for (int column = 1; column < grid.columnCount(); ++column)
        texts.push_back(grid.cell(column, row));
    return texts;
}

// The midship frame is the rectangle; the bow frame starts above the sixth
// waterline; the base line has no area and no moment in any row.
TEST_F(Bonjean, ExampleShipSections)
{
    runTrimCalculation(sheet, particulars);
    const int frame10 = 11;
    EXPECT_EQ(
        rowOf(sheet.bonjean.sectionAreas, frame10),
        (std::vector<std::string>{"0", "4,29", "8,58", "12,87", "17,16", "21,45", "25,74", "30,03", "34,32", "38,61"}));
    for (int j = 1; j <= waterlineCount; ++j)
        EXPECT_NEAR(parseNumber(sheet.bonjean.sectionMoments.cell(j, frame10)), 0.83655 * (j - 1) * (j - 1), 1e-12)
            << j;
    EXPECT_EQ(sheet.bonjean.sectionMoments.cell(10, frame10), "67,76055");
    EXPECT_EQ(rowOf(sheet.bonjean.sectionAreas, 1),
              (std::vector<std::string>{"0", "0", "0", "0", "0", "0", "0,0585", "0,22425", "0,507", "0,9555"}));
    for (int row = 1; row <= frameCount; ++row)
        EXPECT_TRUE(sheet.bonjean.sectionAreas.cell(1, row) == "0" && sheet.bonjean.sectionMoments.cell(1, row) == "0")
            << row;
}

// A bulb, a gap and the flare: offsets 2 m, zero on waterlines 3 and 4. By hand
// with h = 0,39 m, one side: strip 1 a rectangle (area 2h, centroid h/2),
// strip 2 a triangle falling to 0 (area h, centroid 4h/3), strip 3 nothing,
// strip 4 a triangle rising to 2 (area h, centroid 11h/3), strip k ≥ 5 a
// rectangle (area 2h, centroid (k − 1/2)·h). Summed and doubled, the area under
// waterline j is a[j]·h and its moment m[j]·h²: the gap adds nothing and the
// sums carry on above it; the body plan draws the gap on the axis. Relative
// tolerance 1e-14 (15-digit texts).
TEST_F(Bonjean, AStripOfZeroBreadthKeepsTheAreaBelowIt)
{
    const char* offsets[] = {"2", "2", "0", "0", "2", "2", "2", "2", "2", "2"};
    for (int j = 1; j <= waterlineCount; ++j)
        sheet.input.offsets.setCell(j, 6, offsets[j - 1]);
    runTrimCalculation(sheet, particulars);
    const double h = 0.39;
    const double area[] = {0, 4, 6, 6, 8, 12, 16, 20, 24, 28};
    const double moment[] = {0, 2, 14.0 / 3, 14.0 / 3, 12, 30, 52, 78, 108, 142};
    for (int j = 1; j <= waterlineCount; ++j) {
        EXPECT_NEAR(parseNumber(sheet.bonjean.sectionAreas.cell(j, 6)), area[j - 1] * h, 1e-14 * area[j - 1]) << j;
        EXPECT_NEAR(parseNumber(sheet.bonjean.sectionMoments.cell(j, 6)), moment[j - 1] * h * h, 1e-14 * moment[j - 1])
            << j;
    }
    for (const ChartPoint& p : sheet.bonjean.bodyPlan.series[5].points())
        EXPECT_EQ(p.x == 0.0, p.y == sheet.bonjean.waterlineHeights[3] || p.y == sheet.bonjean.waterlineHeights[4]);
}

// A point per waterline on each frame's curves and a point per frame row on
// each waterline's sectional-area curve; repeat runs are compared in
// test_trim_table.cpp. The body plan mirrors the aft body.
TEST_F(Bonjean, ChartsOfTheExampleShip)
{
    runTrimCalculation(sheet, particulars);
    for (const ChartSeries& s : sheet.bonjean.bodyPlan.series)
        EXPECT_EQ(s.points().size(), 10u);
    for (const ChartSeries& s : sheet.bonjean.staticMomentCurves.series)
        EXPECT_EQ(s.points().size(), 10u);
    ASSERT_EQ(sheet.bonjean.sectionalAreaCurves.series.size(), 10u);
    for (const ChartSeries& s : sheet.bonjean.sectionalAreaCurves.series)
        ASSERT_EQ(s.points().size(), 21u);
    // Sectional areas along the hull: x is the frame row 1..21, not the frame.
    const auto& waterline10 = sheet.bonjean.sectionalAreaCurves.series[9].points();
    EXPECT_EQ(waterline10.front(), (ChartPoint{1.0, 0.9555, ""}));
    EXPECT_EQ(waterline10.back(), (ChartPoint{21.0, 4.914, ""}));

    // Frame 9 on the positive side, frame 10 (the middle one) on the negative.
    EXPECT_EQ(sheet.bonjean.bodyPlan.series[9].points().back().x, 5.5);
    EXPECT_EQ(sheet.bonjean.bodyPlan.series[10].points().front().x, -5.5);
    // Points are kept by ascending x, equal abscissae in the order of adding:
    // frame 20 ends on waterline 6, where its breadth starts.
    EXPECT_EQ(sheet.bonjean.bodyPlan.series[20].points().back(),
              (ChartPoint{0.0, sheet.bonjean.waterlineHeights[6], ""}));
}

// The scale of the drawn Bonjean curves: the smallest 1, 2, 2,5 or 5 × 10ⁿ per
// spacing that keeps the largest value within 0,9 of a spacing (by hand:
// 38,61 / 0,9 = 42,9 → 50; 67,76 / 0,9 = 75,3 → 100; 0,9 / 0,9 = 1 → 1).
TEST(BonjeanScaleStep, SmallestRoundStepThatKeepsCurvesApart)
{
    const struct {
        double largest, step;
    } cases[] = {{38.61, 50}, {67.76055, 100}, {0.9, 1}, {1.8, 2}, {2.25, 2.5}, {4.0, 5}, {0.0, 1}, {-3.0, 1}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(bonjeanScaleStep(c.largest), c.step) << c.largest;
}

// The example ship's Bonjean scale drawn: frame 10's station from the top
// waterline to the base line, then its areas 11·h at 1/50 of a spacing per m²
// (38,61 m² on waterline 10 reaches 10 + 38,61/50 = 10,7722); the waterline
// runs from Тн at frame 0 to Тк at frame 20.
TEST_F(Bonjean, ScaleIsDrawnAtTheStationsWithTheDesignWaterline)
{
    runTrimCalculation(sheet, particulars);
    const ChartModel& areas = sheet.bonjean.bonjeanCurves;
    ASSERT_EQ(areas.series.size(), 22u);
    EXPECT_EQ(areas.title, "Площади шпангоутов (1 шпация = 50 м²)");
    const std::vector<ChartPoint>& frame10 = areas.series[10].points();
    ASSERT_EQ(frame10.size(), 11u);
    const WaterlineHeights& z = sheet.bonjean.waterlineHeights;
    EXPECT_EQ(frame10[0], (ChartPoint{10.0, z[10], ""}));
    EXPECT_EQ(frame10[1], (ChartPoint{10.0, 0.0, ""}));
    EXPECT_NEAR(frame10[10].x, 10.7722, 1e-12);
    EXPECT_EQ(sheet.bonjean.bonjeanMomentCurves.title, "Статические моменты шпангоутов (1 шпация = 100 м³)");
    for (const ChartModel* chart : {&areas, static_cast<const ChartModel*>(&sheet.bonjean.bonjeanMomentCurves)}) {
        const std::vector<ChartPoint>& waterline = chart->series.back().points();
        ASSERT_EQ(waterline.size(), 2u);
        EXPECT_EQ(waterline[0], (ChartPoint{0.0, sheet.iteration.forwardDraft, ""}));
        EXPECT_EQ(waterline[1], (ChartPoint{20.0, sheet.iteration.aftDraft, ""}));
    }
}

// As offsets are typed, the body plan shows every cell that reads as a number
// and skips the rest: frame 9 (row 10) loses waterline 5 to a half-typed
// "5." and keeps the other nine points; the first frame, cleared, is empty.
// Its heights are those of the calculation's repeated addition of ΔT.
TEST_F(Bonjean, BodyPlanWhileTypingDrawsWhatReads)
{
    ChartModel typed = sheet.bonjean.bodyPlan;
    sheet.input.offsets.setCell(5, 10, "5.");
    for (int column = 1; column <= waterlineCount; ++column)
        sheet.input.offsets.setCell(column, 1, "");
    drawReadableBodyPlan(sheet.input, particulars, typed);
    WaterlineHeights z{};
    buildWaterlineHeights(0.39, z);  // the example ship's ΔT
    EXPECT_TRUE(typed.series[0].points().empty());
    const auto& frame9 = typed.series[9].points();
    ASSERT_EQ(frame9.size(), 9u);
    for (const ChartPoint& point : frame9)
        EXPECT_NE(point.y, z[5]);
    EXPECT_EQ(frame9.back(), (ChartPoint{5.5, z[10], ""}));
    EXPECT_EQ(typed.series[20].points().front(), (ChartPoint{-3.1, z[10], ""}));

    // Without heights there is nothing to draw, and nothing throws.
    for (const char* spacing : {"", "0,3.9", "0", "-0,39"}) {
        particulars.waterlineSpacing = spacing;
        drawReadableBodyPlan(sheet.input, particulars, typed);
        for (const ChartSeries& s : typed.series)
            EXPECT_TRUE(s.points().empty()) << spacing;
    }
}

TEST_F(Bonjean, AfterClearingTheFirstEmptyCellStops)
{
    clearInputTables(sheet.input);
    EXPECT_EQ(errorOf([&] { runTrimCalculation(sheet, particulars); }), "'' is not a valid floating point value");
}

}  // namespace
}  // namespace hullcalc
