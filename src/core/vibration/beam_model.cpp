// The hull girder as a free-free Euler–Bernoulli beam of cubic Hermite
// elements: stiffness and consistent mass matrices, the generalized eigenproblem
// K·φ = ω²·M·φ, and its elastic modes.
#include "vibration/beam_model.h"

#include "common/error.h"
#include "vibration/beam_eigenproblem.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <string>

namespace hullcalc {

namespace {

// Each node carries two degrees of freedom: the deflection w and the rotation θ
// of the section. Here the rotation enters as Δl·θ, also in metres, so that
// both kinds have the same scale and the element matrices below lose their
// powers of Δl; the eigenvalues do not change, the solver works on numbers of
// one size.
constexpr int dofsPerNode = 2;

// The Hermite beam element: within an element of length Δl the deflection is
// the cubic that takes the nodes' deflections and rotations at its two ends,
// w(ξ) = H1(ξ)·w1 + H2(ξ)·Δl·θ1 + H3(ξ)·w2 + H4(ξ)·Δl·θ2 with the cubic Hermite
// polynomials H1..H4 of ξ = x/Δl. Deflection and slope are continuous from
// element to element, as the bending energy ∫E·I·(w″)² dx requires, and the
// cubic is the exact static deflection of a uniform beam loaded at its ends.
// Stiffness K = ∫E·I·H″ᵢ·H″ⱼ dx, for (w1, Δl·θ1, w2, Δl·θ2), in kN/m:
//   E·I/Δl³ · [ 12   6  −12   6 ]
//             [  6   4   −6   2 ]
//             [−12  −6   12  −6 ]
//             [  6   2   −6   4 ]
// (Przemieniecki, Theory of Matrix Structural Analysis, 1968, ch. 5; Cook et
// al., Concepts and Applications of Finite Element Analysis, the beam element).
constexpr double unitStiffness[4][4] = {{12, 6, -12, 6}, {6, 4, -6, 2}, {-12, -6, 12, -6}, {6, 2, -6, 4}};

// Consistent mass M = ∫m·Hᵢ·Hⱼ dx, in t: the kinetic energy of the same cubic
// deflection that gives the stiffness (Przemieniecki, ch. 11; Cook et al., the
// beam element's consistent mass). With it the model is a Rayleigh–Ritz
// solution over piecewise cubics, so every frequency is an upper bound that
// falls towards the exact one as the mesh is refined, and the higher tones,
// where a spacing holds a sizeable part of a half-wave, stay accurate with 20
// elements; masses lumped at the nodes would lose the rotary terms and give no
// such bound.
//   m·Δl/420 · [156   22   54  −13 ]
//              [ 22    4   13   −3 ]
//              [ 54   13  156  −22 ]
//              [−13   −3  −22    4 ]
constexpr double unitMass[4][4] = {{156, 22, 54, -13}, {22, 4, 13, -3}, {54, 13, 156, -22}, {-13, -3, -22, 4}};

// `subject` is the start of the message up to "быть", `positive` its end for
// a value of zero or below.
void requirePositive(double value, const std::string& subject, const char* positive)
{
    if (!std::isfinite(value))
        throw Error(subject + " конечным числом");
    if (value <= 0)
        throw Error(subject + " " + positive);
}

void requireValidInput(std::span<const double> inertia, std::span<const double> massPerMetre, double elementLength,
                       double modulus, int modeCount)
{
    if (inertia.empty() && massPerMetre.empty())
        throw Error("Балка должна состоять хотя бы из одной шпации");
    if (inertia.size() != massPerMetre.size())
        throw Error("Моментов инерции сечений задано " + std::to_string(inertia.size()) + ", масс на метр длины "
                    + std::to_string(massPerMetre.size()) + ": нужно по одному значению на шпацию");
    requirePositive(elementLength, "Длина шпации должна быть", "положительной");
    requirePositive(modulus, "Модуль упругости должен быть", "положительным");
    for (std::size_t e = 0; e < inertia.size(); ++e) {
        const std::string spacing = " шпации " + std::to_string(e + 1);
        requirePositive(inertia[e], "Момент инерции сечения" + spacing + " должен быть", "положительным");
        requirePositive(massPerMetre[e], "Масса на метр длины" + spacing + " должна быть", "положительной");
    }
    const int elasticModes = dofsPerNode * static_cast<int>(inertia.size());
    if (modeCount < 1 || modeCount > elasticModes)
        throw Error("Число тонов " + std::to_string(modeCount) + " вне диапазона 1 – " + std::to_string(elasticModes)
                    + " для балки из " + std::to_string(inertia.size()) + " шпаций");
}

}  // namespace

std::vector<BeamMode> freeFreeBeamModes(std::span<const double> inertia, std::span<const double> massPerMetre,
                                        double elementLength, double modulus, int modeCount)
{
    requireValidInput(inertia, massPerMetre, elementLength, modulus, modeCount);

    // Element e joins nodes e and e + 1; their four degrees of freedom are
    // 2e .. 2e + 3 of the whole beam, shared with the neighbours.
    const auto elements = static_cast<Eigen::Index>(inertia.size());
    const Eigen::Index dofs = dofsPerNode * (elements + 1);
    Eigen::MatrixXd stiffness = Eigen::MatrixXd::Zero(dofs, dofs);
    Eigen::MatrixXd mass = Eigen::MatrixXd::Zero(dofs, dofs);
    const double l = elementLength;
    for (Eigen::Index e = 0; e < elements; ++e) {
        const auto k = static_cast<std::size_t>(e);
        const double bending = modulus * inertia[k] / (l * l * l);  // kN/m
        const double elementMass = massPerMetre[k] * l / 420;       // t
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                stiffness(dofsPerNode * e + i, dofsPerNode * e + j) += bending * unitStiffness[i][j];
                mass(dofsPerNode * e + i, dofsPerNode * e + j) += elementMass * unitMass[i][j];
            }
        }
    }
    return elasticModesOf(stiffness, mass, modeCount);
}

Frequency frequencyOf(double circularFrequency)
{
    const double hertz = circularFrequency / (2 * std::numbers::pi);
    return {circularFrequency, hertz, hertz * 60};
}

}  // namespace hullcalc
