// The hull girder as a Timoshenko beam: a uniform free-free beam against the
// roots of its exact frequency equation, slender and deep, and bad input.
#include "vibration/timoshenko_beam.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

namespace hullcalc {
namespace {

constexpr double length = 75, spacing = 3.75, mass = 20, inertia = 0.2;  // m, m, t/m, m⁴
const double shearModulus = hullModulus / 2.6;                           // ν = 0,3

struct UniformBeam {
    double shearArea;  // m²
    double rotary;     // J, t·m²/m
};

// The frequency equation of the uniform free-free Timoshenko beam (the
// equations of motion m·ẅ = G·A·(w″ − θ′), J·θ̈ = E·I·θ″ + G·A·(w′ − θ), free
// ends E·I·θ′ = 0 and G·A·(w′ − θ) = 0: Han, Benaroya and Wei, "Dynamics of
// transversely vibrating beams using four engineering theories", J. Sound
// Vib. 225(5), 1999, pp. 935–988, the Timoshenko model). For a frequency ω
// below G·A/J, w = e^(s·x) solves them where s² = S is a root of
// E·I·G·A·S² + (G·A·J + m·E·I)·ω²·S + m·ω²·(J·ω² − G·A) = 0: one S = a² > 0,
// one S = −b² < 0. The four solutions and their rotations, with
// rₐ = (G·A·a² + m·ω²)/(G·A·a) and r_b = (m·ω² − G·A·b²)/(G·A·b):
// (ch ax, rₐ·sh ax), (sh ax, rₐ·ch ax), (cos bx, r_b·sin bx), (sin bx, −r_b·cos bx).
// The determinant of θ′ and w′ − θ at both ends vanishes at each natural
// frequency.
double frequencyDeterminant(const UniformBeam& beam, double omega)
{
    const double ei = hullModulus * inertia, ga = shearModulus * beam.shearArea, w2 = omega * omega;
    const double p = (ga * beam.rotary + mass * ei) * w2 / (ei * ga),
                 q = mass * w2 * (beam.rotary * w2 - ga) / (ei * ga);
    const double root = std::sqrt(p * p / 4 - q);
    const double a = std::sqrt(-p / 2 + root), b = std::sqrt(p / 2 + root);
    const double ra = (ga * a * a + mass * w2) / (ga * a), rb = (mass * w2 - ga * b * b) / (ga * b);
    double m[4][4];
    for (int end = 0; end < 2; ++end) {
        const double x = end * length;
        double* slope = m[2 * end];
        double* strain = m[2 * end + 1];
        slope[0] = ra * a * std::cosh(a * x), strain[0] = (a - ra) * std::sinh(a * x);
        slope[1] = ra * a * std::sinh(a * x), strain[1] = (a - ra) * std::cosh(a * x);
        slope[2] = rb * b * std::cos(b * x), strain[2] = -(b + rb) * std::sin(b * x);
        slope[3] = rb * b * std::sin(b * x), strain[3] = (b + rb) * std::cos(b * x);
    }
    // Gaussian elimination with partial pivoting.
    double det = 1;
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::abs(m[r][c]) > std::abs(m[pivot][c]))
                pivot = r;
        if (pivot != c) {
            for (int k = 0; k < 4; ++k)
                std::swap(m[c][k], m[pivot][k]);
            det = -det;
        }
        det *= m[c][c];
        for (int r = c + 1; r < 4; ++r) {
            const double f = m[r][c] / m[c][c];
            for (int k = c; k < 4; ++k)
                m[r][k] -= f * m[c][k];
        }
    }
    return det;
}

// The lowest four roots: a scan in steps of 0,01 1/s for sign changes, each
// bisected to 1e-12.
std::vector<double> exactFrequencies(const UniformBeam& beam)
{
    std::vector<double> roots;
    double previous = frequencyDeterminant(beam, 0.05);
    for (double omega = 0.06; roots.size() < 4 && omega < 500; omega += 0.01) {
        const double current = frequencyDeterminant(beam, omega);
        if ((previous < 0) != (current < 0)) {
            double low = omega - 0.01, high = omega;
            while (high - low > 1e-12) {
                const double middle = (low + high) / 2;
                ((frequencyDeterminant(beam, middle) < 0) == (frequencyDeterminant(beam, low) < 0) ? low : high) =
                    middle;
            }
            roots.push_back((low + high) / 2);
        }
        previous = current;
    }
    return roots;
}

std::vector<double> modelFrequencies(const UniformBeam& beam)
{
    const std::vector<double> inertias(20, inertia), areas(20, beam.shearArea), masses(20, mass),
        rotaries(20, beam.rotary);
    const auto modes =
        freeFreeTimoshenkoModes({inertias, areas, masses, rotaries, spacing, hullModulus, shearModulus}, 4);
    std::vector<double> omegas;
    for (const BeamMode& mode : modes)
        omegas.push_back(mode.circularFrequency);
    return omegas;
}

// Euler–Bernoulli's roots of cos βL·ch βL = 1.
constexpr double bendingRoots[4] = {4.730040744862704, 7.853204624095838, 10.995607838001671, 14.137165491257463};

struct Case {
    const char* name;
    UniformBeam beam;
    double lowestDropOfToneIV;  // how far tone IV lies at least below the bending beam's, %
    double highestDropOfToneIV;
};

class UniformTimoshenkoBeam : public testing::TestWithParam<Case> {};

// 20 elements, consistent mass: every frequency within 0,5 % above the exact
// root. The slender beam (shear area 10 m², no rotary inertia) is the bending
// beam; the deep one (the example's sides, 0,035 m², radius of gyration 1 m)
// drops by tens of per cent in tone IV.
TEST_P(UniformTimoshenkoBeam, MatchesTheExactFrequencyEquation)
{
    const Case& c = GetParam();
    const auto exact = exactFrequencies(c.beam);
    const auto model = modelFrequencies(c.beam);
    ASSERT_EQ(exact.size(), 4u);
    for (std::size_t n = 0; n < 4; ++n) {
        const double ratio = model[n] / exact[n];
        EXPECT_TRUE(ratio > 1 - 1e-9 && ratio < 1.005) << "tone " << n + 1 << ": " << ratio;
    }
    const double bending =
        bendingRoots[3] * bendingRoots[3] * std::sqrt(hullModulus * inertia / (mass * std::pow(length, 4)));
    const double drop = (1 - exact[3] / bending) * 100;
    EXPECT_TRUE(drop >= c.lowestDropOfToneIV && drop <= c.highestDropOfToneIV) << drop;
}

INSTANTIATE_TEST_SUITE_P(Beams, UniformTimoshenkoBeam,
                         testing::Values(Case{"slender", {10.0, 0.0}, 0.0, 0.1},
                                         Case{"deep", {0.035, mass * 1.0}, 15.0, 40.0}),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(TimoshenkoBeam, RefusesBadInputNamingTheSpacing)
{
    std::vector<double> inertias(20, inertia), areas(20, 0.035), masses(20, mass), rotaries(20, 0.0);
    areas[6] = 0;
    EXPECT_EQ(errorOf([&] {
                  freeFreeTimoshenkoModes({inertias, areas, masses, rotaries, spacing, hullModulus, shearModulus}, 4);
              }),
              "Площадь сдвига шпации 7: нужно положительное число");
    EXPECT_EQ(errorOf([] { shearModulusOf(hullModulus, 0.5); }), "Коэффициент Пуассона должен лежать между −1 и 0,5");
}

}  // namespace
}  // namespace hullcalc
