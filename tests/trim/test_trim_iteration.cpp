// The trim iteration: the example ship's approximations, the exact-level
// rules, the bound on the number of approximations, drafts and volumes
// outside the tables, level tables, and what StringGrid1 keeps.
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/bonjean.h"
#include "trim/hydrostatics.h"
#include "trim/trim_iteration.h"

#include <cmath>

namespace hullcalc {
namespace {

class TrimIteration : public ExampleShip {
protected:
    DesignWaterline iterate() { return findDesignWaterline(sheet, particulars); }

    double intermediate(int column, int row) { return parseNumber(sheet.StringGrid1.cell(column, row)); }

    void setCurve(TextGrid& curve, int fromColumn, int toColumn, const char* text)
    {
        for (int column = fromColumn; column <= toColumn; ++column)
            curve.setCell(column, 0, text);
    }
};

// The worked example on river water (Dr 886,74 t, XG −3,72 m): the even-keel
// draft 1,245 m with R 318 m, approximation 1 at Tn 0,988 / Tk 1,480 misses the
// centre of buoyancy, approximation 2 at Tn 0,978 / Tk 1,487 is accepted.
// Tolerances: half a unit of the last digit quoted.
TEST_F(TrimIteration, ExampleShipAcceptsTheSecondApproximation)
{
    computeCurves();
    const DesignWaterline accepted = iterate();

    EXPECT_NEAR(intermediate(1, 1), 1.245, 5e-4);
    EXPECT_NEAR(intermediate(4, 1), 318.0, 0.5);
    EXPECT_NEAR(intermediate(1, 2), 0.988, 5e-4);
    EXPECT_NEAR(intermediate(2, 2), 1.480, 5e-4);
    EXPECT_EQ(sheet.StringGrid1.cell(1, 4), "2");
    EXPECT_EQ(sheet.StringGrid1.cell(4, 4), "Готово");
    for (int column = 5; column <= 7; ++column) {
        EXPECT_FALSE(sheet.StringGrid1.cell(column, 1).empty()) << column;
        EXPECT_FALSE(sheet.StringGrid1.cell(column, 2).empty()) << column;
        EXPECT_TRUE(sheet.StringGrid1.cell(column, 3).empty()) << column;
    }
    // The current approximation's V and XC are those of row 2.
    EXPECT_EQ(sheet.StringGrid1.cell(1, 3), sheet.StringGrid1.cell(5, 2));
    EXPECT_EQ(sheet.StringGrid1.cell(2, 3), sheet.StringGrid1.cell(6, 2));
    EXPECT_LE(std::fabs(intermediate(1, 3) - 886.74), 0.004 * 886.74);
    EXPECT_LE(std::fabs(intermediate(2, 3) + 3.72), 0.0001 * 75);

    EXPECT_NEAR(parseNumber(sheet.TGrid.cell(1, 1)), 0.978, 5e-4);
    EXPECT_NEAR(parseNumber(sheet.TGrid.cell(21, 1)), 1.487, 5e-4);
    const KeptValues& kept = sheet.kept;
    EXPECT_EQ(kept.approximations, 2);
    EXPECT_EQ(kept.Tn, accepted.forwardDraft);
    EXPECT_EQ(kept.Tk, accepted.aftDraft);
    EXPECT_DOUBLE_EQ(kept.TrimSlope, (kept.Tk - kept.Tn) / 75);
    EXPECT_NEAR(kept.TFrame[21], kept.Tk, 1e-12) << "frame drafts accumulate to the aft draft";
    EXPECT_EQ(accepted.meanDraft, (kept.Tn + kept.Tk) / 2);

    // The charts show the last approximation, one point per frame row.
    const auto& drafts = sheet.TGraph.series[0].points();
    const auto& areas = sheet.WrGraph.series[0].points();
    ASSERT_EQ(drafts.size(), 21u);
    ASSERT_EQ(areas.size(), 21u);
    for (int j = 1; j <= frameCount; ++j) {
        EXPECT_EQ(drafts[j - 1].x, j);
        EXPECT_EQ(drafts[j - 1].y, parseNumber(sheet.TGrid.cell(j, 1)));
        EXPECT_EQ(areas[j - 1].y, parseNumber(sheet.WrGrid.cell(j, 1)));
    }
    // Frame 20 has no breadth below waterline 7: zero area at both brackets.
    EXPECT_EQ(sheet.WrGrid.cell(21, 1), "0");
}

// Dr equal to the volume of waterline 5 (river water) takes z5 and that
// column's XF, XC0 and R as they stand; with XG at that XC0 the ship floats on
// an even keel and the first approximation passes, so no correction is made
// and the area S is looked up at the accepted draft, on the level itself.
TEST_F(TrimIteration, DesignVolumeOnAWaterlineFloatsOnEvenKeel)
{
    computeCurves();
    particulars.ShipDr = sheet.VGrid.cell(5, 0);
    particulars.ShipXct = sheet.XcvGrid.cell(5, 0);
    const DesignWaterline accepted = iterate();

    EXPECT_EQ(intermediate(1, 1), sheet.kept.z[5]);
    EXPECT_EQ(sheet.StringGrid1.cell(2, 1), sheet.XcfGrid.cell(5, 0));
    EXPECT_EQ(sheet.StringGrid1.cell(3, 1), sheet.XcvGrid.cell(5, 0));
    EXPECT_EQ(sheet.StringGrid1.cell(4, 1), sheet.RGrid.cell(5, 0));
    EXPECT_EQ(sheet.StringGrid1.cell(1, 2), sheet.StringGrid1.cell(1, 1));
    EXPECT_EQ(sheet.StringGrid1.cell(2, 2), sheet.StringGrid1.cell(1, 1));
    EXPECT_EQ(sheet.kept.TrimSlope, 0.0);
    EXPECT_EQ(sheet.kept.approximations, 1);
    EXPECT_EQ(sheet.StringGrid1.cell(4, 4), "Готово");
    EXPECT_EQ(sheet.StringGrid1.cell(1, 5), "") << "written by corrections only";
    EXPECT_EQ(accepted.waterplaneArea, 737.25);
    EXPECT_EQ(accepted.centreOfFlotation, parseNumber(sheet.XcfGrid.cell(5, 0)));
}

// With XG −3,72 m the even-keel draft z5 is corrected: the area of the first
// correction is the level's own value.
TEST_F(TrimIteration, CorrectionOnAWaterlineTakesTheLevelsArea)
{
    computeCurves();
    particulars.ShipDr = sheet.VGrid.cell(5, 0);
    iterate();
    EXPECT_EQ(sheet.kept.approximations, 2);
    EXPECT_EQ(sheet.StringGrid1.cell(1, 5), "737,25");
}

// R ten times too large turns the waterline a tenth of the way each time: the
// iteration takes 16 approximations; rows past the ninth are not shown and
// the grid keeps its ten rows.
TEST_F(TrimIteration, ApproximationsBeyondTheGridStillRun)
{
    computeCurves();
    setCurve(sheet.RGrid, 2, 10, "1000");
    iterate();
    EXPECT_EQ(sheet.kept.approximations, 16);
    EXPECT_EQ(sheet.StringGrid1.cell(1, 4), "16");
    EXPECT_EQ(sheet.StringGrid1.rowCount(), 10);
    for (int row = 1; row <= 9; ++row)
        EXPECT_FALSE(sheet.StringGrid1.cell(5, row).empty()) << row;
    EXPECT_LE(std::fabs(intermediate(2, 3) + 3.72), 0.0001 * 75);
}

TEST_F(TrimIteration, IterationStopsAfterAHundredApproximations)
{
    computeCurves();
    setCurve(sheet.RGrid, 2, 10, "1000000");
    EXPECT_EQ(errorOf([&] { iterate(); }), "Удифферентовка не сошлась за 100 приближений");
    EXPECT_EQ(sheet.kept.approximations, maxApproximations);
    EXPECT_EQ(sheet.StringGrid1.cell(1, 4), "100");
    EXPECT_EQ(sheet.StringGrid1.cell(4, 4), "");
    EXPECT_EQ(sheet.TGraph.series[0].points().size(), 21u);
}

struct OutOfRange {
    const char* name;
    const char* ShipDr;
    const char* ShipXct;
    const char* message;
};

// Reference drafts: Tn = Tsr + (L/2 − XF)·(XG − XC0)/R with Tsr 1,2447,
// XF −1,6230, XC0 −1,6345, R 318,035 (row 1 of the example's StringGrid1).
const OutOfRange outOfRange[] = {
    {"volume above the top waterline", "3000", "-3,72",
     "Объемное водоизмещение 3000 куб. м вне диапазона грузового размера 0 – 2595,83 куб. м"},
    {"negative volume", "-5", "-3,72",
     "Объемное водоизмещение -5 куб. м вне диапазона грузового размера 0 – 2595,83 куб. м"},
    {"bow above the top waterline", "886,74", "30",
     "Осадка 5,136 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
    {"bow out of the water", "886,74", "-30", "Осадка -2,245 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
};

TEST_F(TrimIteration, VolumesAndDraftsOutsideTheTablesStop)
{
    for (const OutOfRange& row : outOfRange) {
        SCOPED_TRACE(row.name);
        particulars.ShipDr = row.ShipDr;
        particulars.ShipXct = row.ShipXct;
        computeCurves();
        EXPECT_EQ(errorOf([&] { iterate(); }), row.message);
        EXPECT_EQ(sheet.StringGrid1.cell(1, 4), "") << "no approximation was completed";
    }
}

// A waterplane area far too small sinks the ship by metres: the next mean
// draft leaves the table before any frame draft is taken.
TEST_F(TrimIteration, MeanDraftOutsideTheWaterlinesStops)
{
    computeCurves();
    setCurve(sheet.WLGrid, 1, 10, "0,001");
    const std::string message = errorOf([&] { iterate(); });
    EXPECT_EQ(message.rfind("Осадка средняя ", 0), 0u) << message;
    const std::string range = " м вне диапазона ватерлиний 0 – 3,51 м";
    ASSERT_GT(message.size(), range.size());
    EXPECT_EQ(message.substr(message.size() - range.size()), range) << message;
    EXPECT_EQ(sheet.StringGrid1.cell(1, 5), "0,001");
}

// The example's mean drafts (1,245 and 1,233 m) lie between waterlines 4 and
// 5; where the curves are level there, the value is that level.
TEST_F(TrimIteration, LevelTableGivesItsCommonValue)
{
    computeCurves();
    setCurve(sheet.XcfGrid, 4, 5, "-1,5");
    setCurve(sheet.RGrid, 4, 5, "300");
    setCurve(sheet.WLGrid, 4, 5, "730");
    const DesignWaterline accepted = iterate();
    EXPECT_EQ(sheet.StringGrid1.cell(2, 1), "-1,5");
    EXPECT_EQ(sheet.StringGrid1.cell(4, 1), "300");
    EXPECT_EQ(sheet.StringGrid1.cell(1, 5), "730");
    EXPECT_EQ(accepted.centreOfFlotation, -1.5);
    EXPECT_EQ(accepted.longitudinalRadius, 300.0);
    EXPECT_EQ(accepted.waterplaneArea, 730.0);
}

TEST_F(TrimIteration, IntermediateResultsOfAnEarlierRunAreCleared)
{
    TextGrid& grid = sheet.StringGrid1;
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int column = 0; column < grid.columnCount(); ++column)
            grid.setCell(column, row, row == 0 || column == 0 ? "заголовок" : "старое");
    computeCurves();
    iterate();
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            SCOPED_TRACE(testing::Message() << column << " " << row);
            if (row == 0 || column == 0)
                EXPECT_EQ(grid.cell(column, row), "заголовок");
            else
                EXPECT_NE(grid.cell(column, row), "старое");
        }
    }
    EXPECT_EQ(grid.cell(5, 3), "");
    EXPECT_EQ(grid.cell(3, 2), "");
}

}  // namespace
}  // namespace hullcalc
