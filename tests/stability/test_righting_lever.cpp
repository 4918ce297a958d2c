// The righting-lever curve against closed forms of a wall-sided box 75 × 11 ×
// 3,5 m: the wall-sided formula, KN at 90° = H/2, the angles at which the deck
// edge immerses and the bilge emerges, a box trimmed by its centre of gravity
// in the free mode; the example ship's curve symmetric and its slope at the
// origin GM0.
#include "stability/cross_curves.h"
#include "stability/heeled_equilibrium.h"
#include "stability/righting_lever.h"
#include "trim/bonjean_scale.h"
#include "trim/hull_sections.h"
#include "trim/input_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace hullcalc {
namespace {

constexpr double length = 75.0;
constexpr double breadth = 11.0;
constexpr double depth = 3.5;
constexpr double radian = std::numbers::pi / 180.0;

HullSections sectionsOf(const TextGrid& offsets)
{
    BonjeanScale scale;
    buildWaterlineHeights(0.39, scale.waterlineHeights);
    return buildHullSections(offsets, scale.waterlineHeights, depth, length, length / spacingCount);
}

HullSections boxHull()
{
    TextGrid offsets{waterlineCount + 1, frameCount + 1};
    for (int row = 1; row <= frameCount; ++row)
        for (int j = 1; j <= waterlineCount; ++j)
            offsets.setCell(j, row, "5,5");
    return sectionsOf(offsets);
}

LoadingCondition boxLoading(double draft, double zg) { return {length * breadth * draft, 0.0, zg, 0.0, draft}; }

// The wall-sided formula, GZ = sin φ·(GM + ½·BM·tan² φ) with BM = B²/12T,
// holds while the waterline pivots about the centre line, within the sides:
// Rawson & Tupper, Basic Ship Theory, vol. 1, and Tupper, Introduction to Naval
// Architecture, ch. 4 "Flotation and stability" (the wall-sided formula as a
// special case of Atwood's). At T = 1,2 m the bilge emerges first, where
// (B/2)·sin φ = T·cos φ, tan φ = 2T/B (12,3°); at T = 2,5 m the deck edge
// immerses first, where H·cos φ − (B/2)·sin φ = T·cos φ, tan φ = 2(H − T)/B (10,3°).
TEST(RightingLeverTest, WallSidedBoxFollowsTheClosedForms)
{
    const HullSections hull = boxHull();
    for (const double draft : {1.2, 2.5}) {
        const double zg = 3.0;
        const RightingLeverCurve curve = computeRightingLevers(hull, boxLoading(draft, zg), StabilityTrim::fixed);
        const double bm = breadth * breadth / (12.0 * draft);
        const double gm = draft / 2.0 + bm - zg;
        const double bilge = std::atan(2.0 * draft / breadth) / radian;
        const double deck = std::atan(2.0 * (depth - draft) / breadth) / radian;
        const double firstEdge = std::min(bilge, deck);
        for (int heel = 0; heel < firstEdge; ++heel) {
            const double phi = heel * radian;
            const double tan = std::tan(phi);
            EXPECT_NEAR(curve.rightingLever[static_cast<std::size_t>(heel)],
                        std::sin(phi) * (gm + 0.5 * bm * tan * tan), 1e-9)
                << "T " << draft << ", heel " << heel;
        }
        EXPECT_NEAR(curve.metacentricHeight, gm, 1e-9);
        EXPECT_NEAR(*(draft < 2.0 ? curve.bilgeEmergenceAngle : curve.deckEdgeAngle), firstEdge, 1e-6);
        // KN at 90°: the box lies on its side, the immersed slab spans 0..H.
        EXPECT_NEAR(curve.crossCurveLever.back(), depth / 2.0, 1e-9);
    }
}

// Free trim with G 3 m aft of midship: upright the box trims until its centre
// of buoyancy is under G, slope τ = −12·T·XG/L²; heeled, each section pivots
// about its own draft T(x) = T − τx and keeps its area, so the trim stays and
// KN = BM·sin φ + z_B·sin φ with z_B = (Σ w·B·T(x)²/2)/V + B²·tan² φ/(24T),
// summed over the frames by the trapezoid rule, as the hull is integrated.
TEST(RightingLeverTest, FreeTrimBoxKeepsItsTrimWhileWallSided)
{
    const HullSections hull = boxHull();
    const double draft = 1.2;
    const double xg = -3.0;
    const double slope = -12.0 * draft * xg / (length * length);
    LoadingCondition loading = boxLoading(draft, 2.0);
    loading.centreOfGravity = xg;
    const RightingLeverCurve curve = computeRightingLevers(hull, loading, StabilityTrim::free);
    double squares = 0.0;
    for (std::size_t i = 0; i < hull.sections.size(); ++i) {
        const double local = draft - slope * hull.sections[i].abscissa;
        squares += hull.volumeWeight[i] * breadth * local * local / 2.0;
    }
    const double volume = loading.volume;
    const double bm = breadth * breadth / (12.0 * draft);
    // The shallow bow's bilge emerges at tan φ = 2·T(L/2)/B (9,4°).
    for (int heel = 0; heel <= 9; ++heel) {
        const double phi = heel * radian;
        const double zB = squares / volume + breadth * breadth * std::pow(std::tan(phi), 2) / (24.0 * draft);
        const double kn = bm * std::sin(phi) + zB * std::sin(phi);
        EXPECT_NEAR(curve.crossCurveLever[static_cast<std::size_t>(heel)], kn, 1e-9) << "heel " << heel;
        EXPECT_NEAR(curve.trim[static_cast<std::size_t>(heel)], slope * length * std::cos(phi), 1e-9);
    }
}

class ExampleHull : public testing::Test {
protected:
    ExampleHull()
    {
        InputTables input;
        writeInputHeaders(input);
        fillExampleShip(input);
        hull = sectionsOf(input.offsets);
        // The example's design loading in river water, its design waterline.
        loading = {886.7447, -3.72, 2.0, 0.0036, 1.87};
    }
    HullSections hull;
    LoadingCondition loading;
};

// In both trim modes: mirror-symmetric sections make the lever to port the
// lever to starboard negated; GM0 from the upright waterplane's inertia is the
// slope of GZ at the origin, GZ(φ)/sin φ = GM0 + O(φ²), at 0,01° within 1e-6 m.
TEST_F(ExampleHull, LeverIsOddInTheHeelWithTheSlopeGM0)
{
    for (const StabilityTrim mode : {StabilityTrim::fixed, StabilityTrim::free}) {
        const Waterplane start{0.0, loading.designMidshipDraft, loading.designTrimSlope};
        for (const double heel : {7.0, 25.0, 48.0, 80.0}) {
            const double starboard = balanceAtHeel(hull, loading, mode, heel, start).rightingLever;
            const double port = balanceAtHeel(hull, loading, mode, -heel, start).rightingLever;
            EXPECT_NEAR(port, -starboard, 1e-9) << stabilityTrimKey(mode) << " " << heel;
        }
        const RightingLeverCurve curve = computeRightingLevers(hull, loading, mode);
        const double small = 0.01;
        const double slope = balanceAtHeel(hull, loading, mode, small, start).rightingLever / std::sin(small * radian);
        EXPECT_NEAR(slope, curve.metacentricHeight, 1e-6) << stabilityTrimKey(mode);
    }
}

// A volume the hull cannot hold leaves its cross curve out, not the table.
TEST_F(ExampleHull, CrossCurvesLeaveOutAVolumeBeyondTheDeck)
{
    const CrossCurves curves = computeCrossCurves(hull, {loading.volume, 1e6}, crossCurveHeels());
    ASSERT_EQ(curves.crossCurveLever.size(), 2u);
    EXPECT_NEAR(*curves.crossCurveLever[0][0], 0.0, 1e-9);
    EXPECT_TRUE(curves.crossCurveLever[0].back().has_value());
    EXPECT_FALSE(curves.crossCurveLever[1][3].has_value());
}

}  // namespace
}  // namespace hullcalc
