// The finite-element beam model of the hull girder: a uniform box barge against
// the closed form, a beam of two stiffnesses against the transfer-matrix
// method, and the refusal of bad input.
#include "vibration/beam_model.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace hullcalc {
namespace {

// A 75 m barge of 20 spacings, 49,5 t of hull per spacing and 6,8 t/m of added
// water: m = 20 t/m.
constexpr double length = 75, spacing = 3.75, mass = 49.5 / spacing + 6.8;
const std::vector<double> masses(20, mass), inertias(20, 0.2);

// With the consistent mass the model is a Rayleigh–Ritz solution: no frequency
// below the exact one (but for rounding), and 20 elements within 0,5 % up to
// tone IV.
std::vector<BeamMode> expectCloseAbove(const std::vector<double>& inertia, const std::array<double, 4>& exact)
{
    const auto modes = freeFreeBeamModes(inertia, masses, spacing, hullModulus, 4);
    for (std::size_t n = 0; n < 4; ++n) {
        const double ratio = modes.at(n).circularFrequency / exact[n];
        EXPECT_TRUE(ratio > 1 - 1e-9 && ratio < 1.005) << "tone " << n + 1 << ": " << ratio;
    }
    return modes;
}

// Closed form for a uniform free-free beam: ω = (βL)²·√(E·I/(m·L⁴)), βL the
// roots of cos βL·ch βL = 1, bisected to 1e-15. The free ends move the most:
// bow +1, stern +1 in the symmetric tones I and III, −1 in II and IV. Mode I,
// W = ch βx + cos βx − σ·(sh βx + sin βx), σ = (ch βL − cos βL)/(sh βL − sin βL):
// nodes 0,2242·L from either end (the chord between frames crosses 0,0006·L
// further out), midship −0,6078 of the ends.
TEST(BeamModel, UniformBargeMatchesTheClosedForm)
{
    std::array<double, 4> exact = {4.730040744862704, 7.853204624095838, 10.995607838001671, 14.137165491257463};
    for (double& betaL : exact)
        betaL *= betaL * std::sqrt(hullModulus * 0.2 / (mass * std::pow(length, 4)));
    const auto modes = expectCloseAbove(inertias, exact);
    for (std::size_t n = 0; n < modes.size(); ++n) {
        const auto& w = modes[n].deflection;
        EXPECT_TRUE(w.size() == 21 && std::abs(w[0] - 1) < 1e-9 && std::abs(w[20] - (n % 2 ? -1 : 1)) < 1e-9) << n;
    }
    const auto& w = modes[0].deflection;
    EXPECT_NEAR((4 + w[4] / (w[4] - w[5])) / 20, 0.2242, 1e-3);
    EXPECT_NEAR((15 + w[15] / (w[15] - w[16])) / 20, 0.7758, 1e-3);
    EXPECT_NEAR(w[10], -0.6078, 1e-4);
}

// Free-free boundary determinant of the beam with I = 0,2 m⁴ in the bow half
// and 0,4 m⁴ in the stern half, by the transfer-matrix method. In a half
// w⁗ = β⁴·w, β⁴ = m·ω²/(E·I): the derivatives at its end are
// w⁽ᵏ⁾ = Σⱼ β^(k−j)·K₍ⱼ₋ₖ₎ mod 4(β·L/2)·w⁽ʲ⁾ at its start, with Krylov's
// functions K₀..K₃ = (ch ± cos)/2, (sh ± sin)/2. Moment E·I·w″ and shear E·I·w‴
// carry across the step. A unit deflection and a unit slope of the bow, free of
// moment and shear, are carried to the stern, where the moments and shears of
// the two must be dependent.
double steppedBeamDeterminant(double omega)
{
    std::array<std::array<double, 4>, 2> states = {{{1, 0, 0, 0}, {0, 1, 0, 0}}};  // (w, w′, E·I·w″, E·I·w‴)
    for (double rigidity : {0.2 * hullModulus, 0.4 * hullModulus}) {
        const double beta = std::pow(mass * omega * omega / rigidity, 0.25), x = beta * length / 2;
        const double krylov[] = {(std::cosh(x) + std::cos(x)) / 2, (std::sinh(x) + std::sin(x)) / 2,
                                 (std::cosh(x) - std::cos(x)) / 2, (std::sinh(x) - std::sin(x)) / 2};
        for (auto& state : states) {
            const std::array<double, 4> start = {state[0], state[1], state[2] / rigidity, state[3] / rigidity};
            for (int k = 0; k < 4; ++k) {
                state[k] = 0;
                for (int j = 0; j < 4; ++j)
                    state[k] += std::pow(beta, k - j) * krylov[(j - k + 4) % 4] * start[j] * (k < 2 ? 1 : rigidity);
            }
        }
    }
    return states[0][2] * states[1][3] - states[0][3] * states[1][2];
}

// The determinant's roots, scanned in steps of 0,05 1/s (the tones lie 10 1/s
// or more apart) and bisected to 1e-10 1/s.
TEST(BeamModel, SteppedStiffnessMatchesTheTransferMatrixMethod)
{
    std::array<double, 4> exact{};
    std::size_t found = 0;
    for (double omega = 1; found < 4 && omega < 200; omega += 0.05) {
        double low = omega, high = omega + 0.05;
        if (steppedBeamDeterminant(low) * steppedBeamDeterminant(high) > 0)
            continue;
        while (high - low > 1e-10) {
            const double middle = (low + high) / 2;
            (steppedBeamDeterminant(low) * steppedBeamDeterminant(middle) <= 0 ? high : low) = middle;
        }
        exact[found++] = low;
    }
    ASSERT_EQ(found, 4u);
    std::vector<double> inertia = inertias;
    std::fill(inertia.begin() + 10, inertia.end(), 0.4);
    expectCloseAbove(inertia, exact);
}

// The spacing is named from 1 at the bow. E·10³⁰⁰ m⁴ overflows; a spacing 10¹⁵
// times softer than the rest is a hinge whose near-zero tone is lost in the
// rigid-body modes' rounding.
TEST(BeamModel, BadInputIsRefusedNamingTheCause)
{
    const auto with = [](std::vector<double> table, std::size_t spacingNumber, double value) {
        table.at(spacingNumber - 1) = value;
        return table;
    };
    const auto refusal = [](const std::vector<double>& inertia, const std::vector<double>& massPerMetre,
                            double elementLength, int modes) {
        return errorOf([&] { freeFreeBeamModes(inertia, massPerMetre, elementLength, hullModulus, modes); });
    };
    EXPECT_EQ(refusal(with(inertias, 5, 0), masses, spacing, 4),
              "Момент инерции сечения шпации 5 должен быть положительным");
    EXPECT_EQ(refusal(inertias, with(masses, 20, NAN), spacing, 4),
              "Масса на метр длины шпации 20 должна быть конечным числом");
    EXPECT_EQ(refusal(inertias, masses, -3.75, 4), "Длина шпации должна быть положительной");
    EXPECT_EQ(refusal(inertias, {1, 2}, spacing, 4),
              "Моментов инерции сечений задано 20, масс на метр длины 2: нужно по одному значению на шпацию");
    EXPECT_EQ(refusal({}, {}, spacing, 4), "Балка должна состоять хотя бы из одной шпации");
    EXPECT_EQ(refusal(inertias, masses, spacing, 41), "Число тонов 41 вне диапазона 1 – 40 для балки из 20 шпаций");
    EXPECT_EQ(refusal(with(inertias, 3, 1e300), masses, spacing, 4),
              "Жесткость или масса шпаций вне диапазона чисел с плавающей точкой");
    EXPECT_EQ(refusal(with(inertias, 10, 2e-16), masses, spacing, 4),
              "Частоты колебаний балки не найдены: жесткости или массы шпаций различаются слишком сильно");
}

}  // namespace
}  // namespace hullcalc
