// A section clipped by an inclined waterline against its areas and moments
// worked by hand; the deck cut by the depth H between waterlines or above them.
#include "trim/bonjean_scale.h"
#include "trim/heeled_waterplane.h"
#include "trim/hull_sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace hullcalc {
namespace {

// A square section 2 m broad and 2 m high, y from −1 to 1.
HullSection squareSection() { return {0.0, {{1, 0}, {1, 2}, {-1, 2}, {-1, 0}}}; }

struct ClipCase {
    const char* name;
    double heelDegrees;
    double height;
    ImmersedSection expected;
};

class SectionClip : public testing::TestWithParam<ClipCase> {};

// Upright at 0,5 m: a 2 × 0,5 rectangle, I = 2·1³/3. At 45° through the keel
// point: the triangle (0,0), (1,0), (1,1) below z = y, area 1/2, ∫y dA = 1/3,
// ∫z dA = 1/6, the waterline √2 long from the centre plane, ∫s² ds = √2³/3.
// At 90°, y ≥ 0,5: a 0,5 × 2 strip, the waterline the vertical y = 0,5.
TEST_P(SectionClip, AreaAndMomentsOfTheImmersedPart)
{
    const ClipCase& c = GetParam();
    const ImmersedSection cut = immerseSection(squareSection(), c.heelDegrees * std::numbers::pi / 180.0, c.height);
    EXPECT_NEAR(cut.area, c.expected.area, 1e-14);
    EXPECT_NEAR(cut.momentY, c.expected.momentY, 1e-14);
    EXPECT_NEAR(cut.momentZ, c.expected.momentZ, 1e-14);
    EXPECT_NEAR(cut.waterlineLength, c.expected.waterlineLength, 1e-14);
    if (c.heelDegrees < 90.0) {
        EXPECT_NEAR(cut.waterlineInertia, c.expected.waterlineInertia, 1e-14);
    }
}

const double root2 = std::numbers::sqrt2;
INSTANTIATE_TEST_SUITE_P(
    Square, SectionClip,
    testing::Values(ClipCase{"upright_half_metre", 0.0, 0.5, {1.0, 0.0, 0.25, 2.0, 2.0 / 3.0}},
                    ClipCase{"heel_45_through_keel", 45.0, 0.0, {0.5, 1.0 / 3.0, 1.0 / 6.0, root2, root2 * 2 / 3}},
                    ClipCase{"heel_90", 90.0, -0.5, {1.0, 0.75, 1.0, 2.0, 0.0}},
                    ClipCase{"dry", 30.0, -5.0, {0, 0, 0, 0, 0}},
                    ClipCase{"drowned", 30.0, 5.0, {4.0, 0.0, 4.0, 0.0, 0.0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Half-breadth j − 1 on waterline j (0,39 m apart, the top at 3,51 m): a deck
// at 2 m cuts the side between 1,95 m (5 m) and 2,34 m (6 m); a deck at 5 m
// carries the top half-breadth 9 m up vertically.
TEST(HullSectionsTest, DeckCutsOrExtendsTheSide)
{
    BonjeanScale scale;
    buildWaterlineHeights(0.39, scale.waterlineHeights);
    TextGrid offsets{waterlineCount + 1, frameCount + 1};
    for (int row = 1; row <= frameCount; ++row)
        for (int j = 1; j <= waterlineCount; ++j)
            offsets.setCell(j, row, std::to_string(j - 1));
    const auto deckEdge = [&](double depth) {
        const HullSections hull = buildHullSections(offsets, scale.waterlineHeights, depth, 75.0, 3.75);
        EXPECT_DOUBLE_EQ(hull.sections[10].abscissa, 0.0);
        const std::vector<SectionPoint>& outline = hull.sections[10].outline;
        return outline[outline.size() / 2 - 1];
    };
    const SectionPoint low = deckEdge(2.0);
    EXPECT_NEAR(low.y, 5.0 + 0.05 / 0.39, 1e-12);
    EXPECT_DOUBLE_EQ(low.z, 2.0);
    const SectionPoint high = deckEdge(5.0);
    EXPECT_DOUBLE_EQ(high.y, 9.0);
    EXPECT_DOUBLE_EQ(high.z, 5.0);
}

}  // namespace
}  // namespace hullcalc
