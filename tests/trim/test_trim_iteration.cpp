// The trim iteration: the example ship's approximations, the exact-level
// rules, the bound on the number of approximations, drafts and volumes
// outside the tables, level tables, and what StringGrid1 keeps.
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/bonjean_scale.h"
#include "trim/hydrostatic_curves.h"
#include "trim/waterline_iteration.h"

#include <cmath>

namespace hullcalc {
namespace {

class TrimIteration : public ExampleShip {
protected:
    DesignWaterline iterate() { return iterate(values()); }
    DesignWaterline iterate(const ParticularValues& particularValues)
    {
        return findDesignWaterline(sheet.bonjean, sheet.hydrostatics, particularValues, sheet.iteration);
    }

    double intermediate(int column, int row) { return parseNumber(sheet.iteration.log.cell(column, row)); }

    void setCurve(TextGrid& curve, int fromColumn, int toColumn, const char* text)
    {
        for (int column = fromColumn; column <= toColumn; ++column)
            curve.setCell(column, 0, text);
    }
};

// The worked example on river water (Dr 886,74 t, XG −3,72 m): the even-keel
// draft 1,245 m with R 314,1 m, approximation 1 at Tn 0,985 / Tk 1,483 misses
// the centre of buoyancy, approximation 2 at Tn 0,98 / Tk 1,49 is accepted. R,
// XF and XC0 at the even-keel draft come from an exact integration of the
// offsets (waterlines 4 and 5: R 328,87 and 251,83 m), the first drafts from
// Tн,к = T ± (L/2 ∓ XF)·(XG − XC0)/R by hand.
// Tolerances: half a unit of the last digit quoted; the acceptance test is
// |XG − XC| ≤ 0,0001·L.
TEST_F(TrimIteration, ExampleShipAcceptsTheSecondApproximation)
{
    TextGrid& grid = sheet.iteration.log;  // holding an earlier run's results
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int column = 1; column < grid.columnCount(); ++column)
            grid.setCell(column, row, "старое");
    computeCurves();
    const DesignWaterline accepted = iterate();
    for (int row = 1; row < grid.rowCount(); ++row)
        for (int column = 1; column < grid.columnCount(); ++column)
            EXPECT_NE(grid.cell(column, row), "старое") << "cleared at the start: " << column << " " << row;
    EXPECT_NEAR(intermediate(1, 1), 1.245, 5e-4);
    EXPECT_NEAR(intermediate(4, 1), 314.1, 0.05);
    EXPECT_NEAR(intermediate(1, 2), 0.985, 5e-4);
    EXPECT_NEAR(intermediate(2, 2), 1.483, 5e-4);
    EXPECT_GT(std::fabs(intermediate(6, 1) + 3.72), 0.0001 * 75) << "approximation 1 fails the XC test";
    EXPECT_EQ(sheet.iteration.log.cell(1, 4), "2");
    EXPECT_EQ(sheet.iteration.log.cell(4, 4), "Готово");
    EXPECT_EQ(sheet.iteration.log.cell(1, 3), sheet.iteration.log.cell(5, 2)) << "V of the current approximation";
    EXPECT_LE(std::fabs(intermediate(1, 3) - 886.74), 0.004 * 886.74);
    EXPECT_LE(std::fabs(intermediate(2, 3) + 3.72), 0.0001 * 75);

    EXPECT_NEAR(parseNumber(sheet.iteration.frameDrafts.cell(1, 1)), 0.98, 5e-3);
    EXPECT_NEAR(parseNumber(sheet.iteration.frameDrafts.cell(21, 1)), 1.49, 5e-3);
    EXPECT_NEAR(sheet.iteration.frameDraft[21], accepted.aftDraft, 1e-12) << "frame drafts accumulate to the aft draft";
    // Frame 20 has no breadth below waterline 7: zero area at both brackets.
    EXPECT_EQ(sheet.iteration.designSectionAreas.cell(21, 1), "0");
    // The charts show the last approximation, one point per frame row.
    ASSERT_EQ(sheet.iteration.frameDraftChart.series[0].points().size(), 21u);
    EXPECT_EQ(sheet.iteration.frameDraftChart.series[0].points()[20].y,
              parseNumber(sheet.iteration.frameDrafts.cell(21, 1)));
    EXPECT_EQ(sheet.iteration.designSectionAreaChart.series[0].points().size(), 21u);
}

// Dr equal to the volume of waterline 5 (river water) takes z5 and that
// column's XF, XC0 and R as they stand; with XG at that XC0 the ship floats on
// an even keel and the first approximation passes, so no correction is made
// and the area S is looked up at the accepted draft, on the level itself.
// With XG −3,72 m instead, z5 is corrected and the area of the first
// correction is the level's own value.
TEST_F(TrimIteration, DesignVolumeOnAWaterline)
{
    computeCurves();
    particulars.designDisplacement = sheet.hydrostatics.volume.values.cell(5, 0);
    particulars.centreOfGravity = sheet.hydrostatics.centreOfBuoyancy.values.cell(5, 0);
    const DesignWaterline accepted = iterate();
    EXPECT_EQ(intermediate(1, 1), sheet.bonjean.waterlineHeights[5]);
    EXPECT_EQ(sheet.iteration.log.cell(4, 1), sheet.hydrostatics.longitudinalRadius.values.cell(5, 0));
    EXPECT_EQ(sheet.iteration.trimSlope, 0.0);
    EXPECT_EQ(sheet.iteration.approximations, 1);
    EXPECT_EQ(sheet.iteration.log.cell(1, 5), "") << "written by corrections only";
    EXPECT_EQ(accepted.waterplaneArea, 737.25);

    particulars.centreOfGravity = "-3,72";
    iterate();
    EXPECT_EQ(sheet.iteration.approximations, 2);
    EXPECT_EQ(sheet.iteration.log.cell(1, 5), "737,25");
}

// R ten times too large turns the waterline a tenth of the way each time: the
// iteration takes 16 approximations; rows past the ninth are not shown and
// the grid keeps its ten rows. A million times too large never converges.
TEST_F(TrimIteration, ApproximationsBeyondTheGridAndTheBound)
{
    computeCurves();
    setCurve(sheet.hydrostatics.longitudinalRadius.values, 2, 10, "1000");
    iterate();
    EXPECT_EQ(sheet.iteration.log.cell(1, 4), "16");
    EXPECT_EQ(sheet.iteration.log.rowCount(), 10);
    EXPECT_FALSE(sheet.iteration.log.cell(5, 9).empty());
    EXPECT_LE(std::fabs(intermediate(2, 3) + 3.72), 0.0001 * 75);

    setCurve(sheet.hydrostatics.longitudinalRadius.values, 2, 10, "1000000");
    EXPECT_EQ(errorOf([&] { iterate(); }), "Удифферентовка не сошлась за 100 приближений");
    EXPECT_EQ(sheet.iteration.log.cell(1, 4), "100");
    EXPECT_EQ(sheet.iteration.log.cell(4, 4), "");
}

// Reference drafts: Tn = Tsr + (L/2 − XF)·(XG − XC0)/R with Tsr 1,2447,
// XF −1,6230, XC0 −1,6345, R 314,119 (exact integration of the offsets).
TEST_F(TrimIteration, VolumesAndDraftsOutsideTheTablesStop)
{
    // The step alone: a negative displacement, which the run refuses before
    // any step, still stops it.
    const struct {
        double designDisplacement, centreOfGravity;
        const char* message;
    } cases[] = {
        {3000, -3.72, "Объемное водоизмещение 3000 куб. м вне диапазона грузового размера 0 – 2595,83 куб. м"},
        {-5, -3.72, "Объемное водоизмещение -5 куб. м вне диапазона грузового размера 0 – 2595,83 куб. м"},
        {886.74, 30, "Осадка 5,185 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
        {886.74, -30, "Осадка -2,288 м на шпангоуте 0 шп вне диапазона ватерлиний 0 – 3,51 м"},
    };
    computeCurves();
    for (const auto& c : cases) {
        ParticularValues changed = values();
        changed.designDisplacement = c.designDisplacement;
        changed.centreOfGravity = c.centreOfGravity;
        EXPECT_EQ(errorOf([&] { iterate(changed); }), c.message);
        EXPECT_EQ(sheet.iteration.log.cell(1, 4), "") << "no approximation was completed";
    }

    // 100 m³ float below waterline 2 (270,27 m³ at 0,39 m): XC and R are
    // undefined on the base line, so the draft cannot be read between them.
    ParticularValues light = values();
    light.designDisplacement = 100;
    const std::string belowSecond = errorOf([&] { iterate(light); });
    EXPECT_TRUE(belowSecond.starts_with("Осадка 0,1")
                && belowSecond.find(" м ниже второй ватерлинии: на ватерлинии 1 нет объема водоизмещения")
                       != std::string::npos)
        << belowSecond;

    // A waterplane area far too small sinks the ship by metres: the next mean
    // draft leaves the table before any frame draft is taken.
    setCurve(sheet.hydrostatics.waterplaneArea.values, 1, 10, "0,001");
    const std::string message = errorOf([&] { iterate(); });
    EXPECT_TRUE(message.starts_with("Осадка средняя ") && message.ends_with(" м вне диапазона ватерлиний 0 – 3,51 м"))
        << message;
    EXPECT_EQ(sheet.iteration.log.cell(1, 5), "0,001");
}

// The example's mean drafts (1,245 and 1,233 m) lie between waterlines 4 and
// 5; where the curves are level there, the value is that level.
TEST_F(TrimIteration, LevelTableGivesItsCommonValue)
{
    computeCurves();
    setCurve(sheet.hydrostatics.centreOfFlotation.values, 4, 5, "-1,5");
    setCurve(sheet.hydrostatics.longitudinalRadius.values, 4, 5, "300");
    setCurve(sheet.hydrostatics.waterplaneArea.values, 4, 5, "730");
    const DesignWaterline accepted = iterate();
    EXPECT_EQ(sheet.iteration.log.cell(2, 1), "-1,5");
    EXPECT_EQ(sheet.iteration.log.cell(4, 1), "300");
    EXPECT_EQ(sheet.iteration.log.cell(1, 5), "730");
    EXPECT_EQ(accepted.centreOfFlotation, -1.5);
    EXPECT_EQ(accepted.longitudinalRadius, 300.0);
}

}  // namespace
}  // namespace hullcalc
