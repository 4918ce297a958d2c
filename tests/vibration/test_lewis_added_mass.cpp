// Lewis's sections: forms whose added mass is known exactly, a full section
// whose form is checked against its own contour, and the reduction J.
#include "vibration/lewis_added_mass.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace hullcalc {
namespace {

struct Section {
    const char* name;
    double halfBreadth, draft, area;
};

class LewisExactForms : public testing::TestWithParam<Section> {};

// A semicircle is its own form (a1 = a3 = 0); a half-ellipse of any B/(2T) is
// one with a3 = 0. Across the flow, the added mass of an ellipse equals that of
// the circle of its breadth, ρ·π·b² for the whole body (Newman, Marine
// Hydrodynamics, 1977, Table 4.3 of two-dimensional bodies): C = 1 for all.
TEST_P(LewisExactForms, CoefficientIsOne)
{
    const Section& s = GetParam();
    const LewisForm form = lewisForm(s.halfBreadth, s.draft, s.area);
    EXPECT_NEAR(form.a3, 0.0, 1e-12);
    EXPECT_FALSE(form.areaLimited);
    EXPECT_NEAR(lewisCoefficient(form), 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Sections, LewisExactForms,
                         testing::Values(Section{"semicircle", 3, 3, std::numbers::pi * 9 / 2},
                                         Section{"wide_ellipse", 5.5, 2, std::numbers::pi * 5.5 * 2 / 2},
                                         Section{"deep_ellipse", 2, 5, std::numbers::pi * 2 * 5 / 2}),
                         [](const testing::TestParamInfo<Section>& info) { return info.param.name; });

// A full barge section, b = 5,5 m, T = 3,5 m, σ = 0,95: the contour of its form,
// x = (1 + a1)·cos θ + a3·cos 3θ, y = (1 − a1)·sin θ − a3·sin 3θ, traced and
// integrated here by the trapezoidal (shoelace) rule, has the section's
// b/T and area coefficient.
TEST(LewisForm, FullSectionKeepsItsProportions)
{
    const double b = 5.5, t = 3.5, sigma = 0.95;
    const LewisForm form = lewisForm(b, t, sigma * 2 * b * t);
    ASSERT_FALSE(form.areaLimited);
    const int n = 20000;
    double area = 0;  // the quarter between the contour and the axes
    for (int i = 0; i < n; ++i) {
        const double t0 = std::numbers::pi / 2 * i / n, t1 = std::numbers::pi / 2 * (i + 1) / n;
        const auto x = [&](double th) { return (1 + form.a1) * std::cos(th) + form.a3 * std::cos(3 * th); };
        const auto y = [&](double th) { return (1 - form.a1) * std::sin(th) - form.a3 * std::sin(3 * th); };
        area += (x(t0) * y(t1) - x(t1) * y(t0)) / 2;
    }
    const double halfBreadth = 1 + form.a1 + form.a3, draft = 1 - form.a1 + form.a3;
    EXPECT_NEAR(halfBreadth / draft, b / t, 1e-12);
    EXPECT_NEAR(area / (halfBreadth * draft), sigma, 1e-6);
    // Fuller than the ellipse, so more water moves with it.
    EXPECT_GT(lewisCoefficient(form), 1.2);
    // A section finer than any form of its proportions (σ = 0,25 at b = T: the
    // map of σ = 0,25 turns singular at |ζ|² = 1,05) is held at the finest.
    const LewisForm fine = lewisForm(3.5, 3.5, 0.25 * 2 * 3.5 * 3.5);
    EXPECT_TRUE(fine.areaLimited);
    EXPECT_TRUE(fine.areaCoefficient > 0.25 && fine.areaCoefficient < 0.3) << fine.areaCoefficient;
}

// Tupper, Introduction to Naval Architecture, p. 290, Table 11.2: J at
// L/B = 8 is 0,818 (two-node) and 0,758 (three-node); halfway from 7 to 8 the
// mean of the two columns.
TEST(LewisForm, ReductionFactorOfTheTone)
{
    EXPECT_NEAR(reductionFactor(1, 8, std::nullopt), 0.818, 1e-12);
    EXPECT_NEAR(reductionFactor(2, 8, std::nullopt), 0.758, 1e-12);
    EXPECT_NEAR(reductionFactor(1, 7.5, std::nullopt), (0.787 + 0.818) / 2, 1e-12);
    EXPECT_NEAR(reductionFactor(3, 8, 0.7), 0.7, 0.0);
    EXPECT_EQ(errorOf([] { reductionFactor(3, 8, std::nullopt); }),
              "Коэффициент J пространственного обтекания для тона III в найденных источниках не приведен: введите его");
}

}  // namespace
}  // namespace hullcalc
