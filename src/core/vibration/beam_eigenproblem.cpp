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

}  // namespace

std::vector<BeamMode> elasticModesOf(const Eigen::MatrixXd& stiffness, const Eigen::MatrixXd& mass, int modeCount)
{
    if (!stiffness.allFinite() || !mass.allFinite())
        throw Error("Жесткость или масса шпаций вне диапазона чисел с плавающей точкой");

    // M is positive definite (every element has mass), K symmetric and
    // positive semidefinite: the symmetric-definite generalized eigenproblem,
    // solved through the Cholesky factor of M, eigenvalues ω² ascending.
    const Eigen::Index dofs = stiffness.rows();
    const Eigen::GeneralizedSelfAdjointEigenSolver<Eigen::MatrixXd> solver(stiffness, mass);
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
        const Eigen::Index column = rigidBodyModes + n;
        modes.push_back({std::sqrt(squares(column)), nodeDeflections(solver.eigenvectors().col(column))});
    }
    return modes;
}

}  // namespace hullcalc
