// The curves of form and the initial stability: a box barge and a double-wedge
// hull with V sections against their closed forms, worked by hand in
// fractions; the undefined base line; h and H on the design waterline itself.
#include "trim_fixture.h"

#include "common/number_text.h"
#include "trim/curves_of_form.h"
#include "trim/design_checks.h"
#include "trim/initial_stability.h"
#include "trim/trim_calculation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace hullcalc {
namespace {

using Q = FormQuantity;

class CurvesOfFormTest : public ExampleShip {
protected:
    void compute()
    {
        computeCurves();
        computeCurvesOfForm(sheet.bonjean, sheet.hydrostatics, values(), sheet.curvesOfForm);
    }

    const std::string& text(Q quantity, int waterline) const
    {
        return sheet.curvesOfForm.table.cell(formColumn(quantity), waterline);
    }
    double value(Q quantity, int waterline) const { return parseNumber(text(quantity, waterline)); }

    // Closed forms of the quantities at draft T; the texts carry 15
    // significant digits: relative tolerance 1e-12.
    struct Expected {
        Q quantity;
        double value;
    };
    void expectValues(int waterline, std::initializer_list<Expected> expected) const
    {
        for (const Expected& e : expected)
            EXPECT_NEAR(value(e.quantity, waterline), e.value, 1e-12 * std::fabs(e.value) + 1e-13)
                << infoOf(e.quantity).caption << " on waterline " << waterline;
    }

    // On the drafts Tн, Tк of a design waterline, the hull drawn to the top waterline.
    InitialStability stabilityAt(double forwardDraft, double aftDraft)
    {
        const WaterlineHeights& z = sheet.bonjean.waterlineHeights;
        sheet.iteration.forwardDraft = forwardDraft;
        sheet.iteration.aftDraft = aftDraft;
        sheet.iteration.trimSlope = (aftDraft - forwardDraft) / 75.0;
        const HullSections hull = buildHullSections(sheet.input.offsets, z, z[waterlineCount], 75.0, 3.75);
        InitialStability stability;
        computeInitialStability(hull, sheet.iteration, values(), stability);
        return stability;
    }
};

// A box barge L 75 m, B 11 m, every offset 5,5 m, waterlines 0,39 m apart.
// Every section is the rectangle B·T with its centroid at T/2, so Zc = T/2;
// r = B²/(12T), R = L²/(12T); every coefficient of fineness is 1; D = ρLBT;
// q = ρ·L·B/100 = 8,25 t/cm on river water; M₁ = ρ·LBT·R/(100L) = ρ·B·L²/1200
// = 51,5625 t·m/cm.
TEST_F(CurvesOfFormTest, BoxBargeMatchesClosedForms)
{
    setOffsets("5,5");
    compute();
    const double L = 75.0;
    const double B = 11.0;
    for (int j = 2; j <= waterlineCount; ++j) {
        const double T = sheet.bonjean.waterlineHeights[static_cast<std::size_t>(j)];
        expectValues(j, {{Q::draft, T},
                         {Q::displacement, L * B * T},
                         {Q::centreOfBuoyancyHeight, T / 2},
                         {Q::transverseRadius, B * B / (12 * T)},
                         {Q::transverseMetacentre, T / 2 + B * B / (12 * T)},
                         {Q::longitudinalMetacentre, T / 2 + L * L / (12 * T)},
                         {Q::midshipSectionArea, B * T},
                         {Q::waterplaneCoefficient, 1.0},
                         {Q::blockCoefficient, 1.0},
                         {Q::midshipCoefficient, 1.0},
                         {Q::prismaticCoefficient, 1.0},
                         {Q::verticalPrismaticCoefficient, 1.0},
                         {Q::tonnesPerCentimetre, 8.25},
                         {Q::momentToTrimOneCentimetre, 51.5625}});
    }

    // Sea water: q = 1,025·825/100.
    particulars.shipType = ShipType::sea;
    compute();
    expectValues(5, {{Q::tonnesPerCentimetre, 8.45625}, {Q::displacement, 1.025 * L * B * 1.56}});
}

// A double wedge: V sections b = c(x)·z with c = 1 at frame 10 falling linearly
// to 0 at frames 0 and 20, waterlines 0,5 m apart, so b runs 0 … 4,5 m; B 9 m.
// Everything is linear in each strip, so the trapezoidal sums are exact. By
// hand, at draft T: ω(x) = c·T², m(x) = 2c·T³/3, V = T²·L/2, Zc = 2T/3;
// Iz of one side = ∫(cT)³/3 dx = T³·L/12, r = 2Iz/V = T/3; the rhombic
// waterplane has S = T·L and about its middle I = T·L³/24, R = L²/(12T);
// α = S/(LB) = T/9, δ = V/(LBT) = T/18, β = T²/(BT) = T/9, φ = χ = 1/2;
// q = ρ·T·L/100, M₁ = ρ·V·R/(100L) = ρ·T·L²/2400.
TEST_F(CurvesOfFormTest, DoubleWedgeWithVSectionsIsExact)
{
    particulars.waterlineSpacing = "0,5";
    particulars.breadth = "9";
    for (int row = 1; row <= frameCount; ++row)
        for (int j = 1; j <= waterlineCount; ++j) {
            const double fullness = 1.0 - std::abs(row - 11) / 10.0;
            sheet.input.offsets.setCell(j, row, formatGeneral(fullness * (j - 1) * 0.5));
        }
    compute();
    const double L = 75.0;
    for (int j = 2; j <= waterlineCount; ++j) {
        const double T = (j - 1) * 0.5;
        expectValues(j, {{Q::volume, T * T * L / 2},
                         {Q::centreOfBuoyancyHeight, 2 * T / 3},
                         {Q::transverseRadius, T / 3},
                         {Q::transverseMetacentre, T},
                         {Q::longitudinalRadius, L * L / (12 * T)},
                         {Q::longitudinalMetacentre, 2 * T / 3 + L * L / (12 * T)},
                         {Q::midshipSectionArea, T * T},
                         {Q::waterplaneCoefficient, T / 9},
                         {Q::blockCoefficient, T / 18},
                         {Q::midshipCoefficient, T / 9},
                         {Q::prismaticCoefficient, 0.5},
                         {Q::verticalPrismaticCoefficient, 0.5},
                         {Q::tonnesPerCentimetre, T * L / 100},
                         {Q::momentToTrimOneCentimetre, T * L * L / 2400}});
    }

    // The base line of this hull has neither volume nor waterplane: D, q and α
    // are 0, everything divided by V or T is undefined and has no point on the
    // charts at T = 0.
    for (Q defined : {Q::draft, Q::volume, Q::displacement, Q::waterplaneArea, Q::midshipSectionArea,
                      Q::waterplaneCoefficient, Q::tonnesPerCentimetre})
        EXPECT_EQ(text(defined, 1), "0") << infoOf(defined).caption;
    const std::vector<Q> undefined = {Q::centreOfBuoyancy,
                                      Q::centreOfBuoyancyHeight,
                                      Q::centreOfFlotation,
                                      Q::transverseRadius,
                                      Q::longitudinalRadius,
                                      Q::transverseMetacentre,
                                      Q::longitudinalMetacentre,
                                      Q::blockCoefficient,
                                      Q::midshipCoefficient,
                                      Q::prismaticCoefficient,
                                      Q::verticalPrismaticCoefficient,
                                      Q::momentToTrimOneCentimetre};
    for (Q quantity : undefined)
        EXPECT_EQ(text(quantity, 1), "") << infoOf(quantity).caption;
    for (std::size_t c = 0; c < formCharts().size(); ++c)
        for (std::size_t s = 0; s < formCharts()[c].quantities.size(); ++s) {
            const bool isUndefined =
                std::find(undefined.begin(), undefined.end(), formCharts()[c].quantities[s]) != undefined.end();
            EXPECT_EQ(sheet.curvesOfForm.charts[c].series[s].points().size(), isUndefined ? 9u : 10u)
                << sheet.curvesOfForm.charts[c].series[s].title();
        }
}

// The example ship's base line is its flat bottom: a waterplane (α defined)
// but no volume, so no R, Zc, δ or M₁; the displacement chart has ten
// points, the draft on the vertical axis.
TEST_F(CurvesOfFormTest, ExampleShipBaseLineHasNoVolumeRatios)
{
    compute();
    EXPECT_EQ(text(Q::volume, 1), "0");
    EXPECT_NEAR(value(Q::waterplaneCoefficient, 1), 678.1875 / 825, 1e-12);
    EXPECT_EQ(text(Q::longitudinalRadius, 1) + text(Q::centreOfBuoyancyHeight, 1) + text(Q::blockCoefficient, 1)
                  + text(Q::momentToTrimOneCentimetre, 1),
              "");
    const std::vector<ChartPoint>& points = sheet.curvesOfForm.charts.at(0).series.at(0).points();
    ASSERT_EQ(points.size(), 10u);
    EXPECT_EQ(points[4], (ChartPoint{value(Q::displacement, 5), sheet.bonjean.waterlineHeights[5], ""}));
}

// h and H of the box barge with z_g = 2 m on its own waterplane. Level at
// T = 1,56 m: Zc = 0,78, r = 121/18,72, h = 5,2437 m. Trimmed from Tн 1,2 to
// Tк 1,8 m: each frame's draft T(x) = 1,5 − 0,008·x, and by the trapezoid rule
// over the frames (weights w) Zc = Σw·T²/2 / Σw·T, r = B²/12 / (Σw·T / L), R =
// Σw·x² / Σw·T (the waterplane is a rectangle, its centre of flotation at midship).
TEST_F(CurvesOfFormTest, InitialStabilityOfTheBoxBarge)
{
    setOffsets("5,5");
    compute();
    particulars.verticalCentreOfGravity = "2";

    const InitialStability level = stabilityAt(1.56, 1.56);
    EXPECT_EQ(level.centreOfBuoyancyHeight, "0,78");
    EXPECT_EQ(level.metacentricHeight, "5,24");

    double volume = 0.0;  // per metre of breadth
    double moment = 0.0;
    double inertia = 0.0;
    for (int i = 0; i <= 20; ++i) {
        const double w = (i == 0 || i == 20) ? 1.875 : 3.75;
        const double x = 37.5 - 3.75 * i;
        const double draft = 1.5 - 0.008 * x;
        volume += w * draft;
        moment += w * draft * draft / 2.0;
        inertia += w * x * x;
    }
    const double zc = moment / volume;
    const double km = zc + 121.0 / 12.0 * 75.0 / volume;
    const double kml = zc + inertia / volume;
    const InitialStability trimmed = stabilityAt(1.2, 1.8);
    EXPECT_EQ(trimmed.verticalCentreOfGravity, "2,00");
    EXPECT_EQ(trimmed.centreOfBuoyancyHeight, formatF(zc));
    EXPECT_EQ(trimmed.transverseMetacentre, formatF(km));
    EXPECT_EQ(trimmed.metacentricHeight, formatF(km - 2.0));
    EXPECT_EQ(trimmed.longitudinalMetacentre, formatF(kml));
    EXPECT_EQ(trimmed.longitudinalMetacentricHeight, formatF(kml - 2.0));

    // Not given: nothing computed, nothing undefined.
    particulars.verticalCentreOfGravity = "  ";
    EXPECT_TRUE(stabilityAt(1.56, 1.56) == InitialStability{});
}

// Through the whole run (a z_g that is no number is refused before any step,
// TrimCalculation.ParticularsThatCannotBeUsedAreRefusedFirst): a high z_g gives
// the warning of an unstable ship, a low h on a sea-going ship cites the code,
// and the same h on a river ship does not.
TEST_F(CurvesOfFormTest, StabilityInTheRunAndItsWarnings)
{
    particulars.verticalCentreOfGravity = "2,0";
    runTrimCalculation(sheet, particulars);
    const double h = parseNumber(sheet.stability.metacentricHeight);
    EXPECT_NEAR(h + 2.0, parseNumber(sheet.stability.transverseMetacentre), 0.0051);
    const auto stabilityWarnings = [&] {
        std::vector<std::string> messages;
        for (const Warning& w : checkResults(particulars, sheet))
            if (w.particular == &ShipParticulars::verticalCentreOfGravity)
                messages.push_back(w.message);
        return messages;
    };
    EXPECT_TRUE(stabilityWarnings().empty());

    // z_g = KM + 0,1 m and KM − 0,1 m, from the KM text of a run (within
    // 0,005 m of the KM the warnings judge).
    const auto metacentreOfRun = [&] {
        particulars.verticalCentreOfGravity = "0";
        runTrimCalculation(sheet, particulars);
        return parseNumber(sheet.stability.transverseMetacentre);
    };
    const auto warningsWith = [&](double zg) {
        particulars.verticalCentreOfGravity = formatGeneral(zg);
        runTrimCalculation(sheet, particulars);
        return stabilityWarnings();
    };
    const double river = metacentreOfRun();
    const std::vector<std::string> unstable = warningsWith(river + 0.1);
    ASSERT_EQ(unstable.size(), 1u);
    EXPECT_EQ(unstable[0].rfind("Судно неостойчиво: h = -0,", 0), 0u) << unstable[0];
    EXPECT_TRUE(warningsWith(river - 0.1).empty()) << "a river ship has no least h";

    particulars.shipType = ShipType::sea;
    const std::vector<std::string> low = warningsWith(metacentreOfRun() - 0.1);
    ASSERT_EQ(low.size(), 1u);
    EXPECT_NE(low[0].find("меньше 0,15 м (Кодекс ИС 2008, ч. A, 2.2)"), std::string::npos) << low[0];

    // A mean draft where Zc and r are undefined is said, not passed over.
    sheet.stability = {};
    sheet.stability.verticalCentreOfGravity = "2,00";
    sheet.stability.undefinedAtDraft = true;
    const std::vector<std::string> undefined = stabilityWarnings();
    ASSERT_EQ(undefined.size(), 1u);
    EXPECT_EQ(undefined[0].rfind("Начальная остойчивость не вычислена", 0), 0u) << undefined[0];
}

}  // namespace
}  // namespace hullcalc
