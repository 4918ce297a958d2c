// Solving K·φ = ω²·M·φ of a free-free beam and keeping its elastic modes.
#include "vibration/beam_eigenproblem.h"

#include "common/error.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace hullcalc {

namespace {

// Each node carries the deflection w and one rotation; the deflections are
// every second degree of freedom.
constexpr int dofsPerNode = 2;

// The hull floats free: with no supports, the beam can heave and pitch as a
// rigid body without bending, which stores no strain energy. K is singular on
// these two motions and the eigenproblem has two eigenvalues ω² = 0 (in
// rounding, tiny numbers of either sign). They are the lowest two and are not
// vibration tones; tone I is the third eigenvalue.
constexpr int rigidBodyModes = 2;

// Deflections at the nodes from an eigenvector, scaled to a largest |value| of
// 1 and turned so that the bow node moves up. Should the bow node stand still
// (it does not on a uniform beam, whose free ends move the most), the first
// node that moves decides the sign.
std::vector<double> nodeDeflections(const Eigen::VectorXd& eigenvector)
{
    const auto nodes = static_cast<std::size_t>(eigenvector.size() / dofsPerNode);
    std::vector<double> deflection(nodes);
    for (std::size_t i = 0; i < nodes; ++i)
        deflection[i] = eigenvector(static_cast<Eigen::Index>(i) * dofsPerNode);
    const auto largest = std::max_element(deflection.begin(), deflection.end(),
                                          [](double a, double b) { return std::abs(a) < std::abs(b); });
    const double scale = std::abs(*largest);
    const auto leading =
        std::find_if(deflection.begin(), deflection.end(), [scale](double w) { return std::abs(w) > 1e-6 * scale; });
    const double factor = (*leading > 0 ? 1.0 : -1.0) / scale;
    for (double& w : deflection)
        w *= factor;
    return deflection;
}

// The eigenvector of one eigenvalue ω², by inverse iteration: a vector solved
// through K − σ·M with σ a hair below ω² grows by |ω² − σ|⁻¹ along that
// mode and by at most |ω²' − σ|⁻¹ along any other, so two solves leave the
// others 10^-20 of it. The eigenvalues of a beam's tones lie far apart
// (nearly as n⁴), and only the modes asked for are solved: the full
// eigenvector basis of the matrices costs several times more.
Eigen::VectorXd modeShape(const Eigen::MatrixXd& stiffness, const Eigen::MatrixXd& mass, double square)
{
    const double shift = square * (1 - 1e-10);
    const Eigen::PartialPivLU<Eigen::MatrixXd> factors(stiffness - shift * mass);
    // A start with some of every mode in it.
    Eigen::VectorXd shape(stiffness.rows());
    for (Eigen::Index i = 0; i < shape.size(); ++i)
        shape(i) = 1.0 + std::sin(1.7 * static_cast<double>(i) + 0.3);
    for (int step = 0; step < 3; ++step)
        shape = factors.solve(mass * shape).normalized();
    return shape;
}

}  // namespace

std::vector<BeamMode> elasticModesOf(const Eigen::MatrixXd& stiffness, const Eigen::MatrixXd& mass, int modeCount)
{
    if (!stiffness.allFinite() || !mass.allFinite())
        throw Error("Жесткость или масса шпаций вне диапазона чисел с плавающей точкой");

    // M is positive definite (every element has mass), K symmetric and
    // positive semidefinite: the symmetric-definite generalized eigenproblem,
    // solved through the Cholesky factor of M, eigenvalues ω² ascending.
    const Eigen::Index dofs = stiffness.rows();
    const Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> solver(stiffness, mass,
                                                                           Eigen::EigenvaluesOnly | Eigen::Ax_lBx);
    const Eigen::VectorXd& squares = solver.eigenvalues();
    // The rigid-body eigenvalues come out as zero plus rounding, about machine
    // epsilon times the largest eigenvalue. Tone I must stand clear of that,
    // else the input's stiffnesses or masses differ by too many orders of
    // magnitude for the split between rigid and elastic modes to be known.
    const double rounding = 1e3 * std::numeric_limits<double>::epsilon() * std::abs(squares(dofs - 1));
    if (solver.info() != Eigen::Success || !squares.allFinite() || squares(rigidBodyModes) <= rounding)
        throw Error("Частоты колебаний балки не найдены: жесткости или массы шпаций различаются слишком сильно");

    std::vector<BeamMode> modes;
    for (int n = 0; n < modeCount; ++n) {
        const double square = squares(rigidBodyModes + n);
        const Eigen::VectorXd shape = modeShape(stiffness, mass, square);
        if (!shape.allFinite())
            throw Error("Формы колебаний балки не найдены: жесткости или массы шпаций различаются слишком сильно");
        modes.push_back({std::sqrt(square), nodeDeflections(shape)});
    }
    return modes;
}

}  // namespace hullcalc
