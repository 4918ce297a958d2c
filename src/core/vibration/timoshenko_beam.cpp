// The hull girder as a free-free Timoshenko beam: elements whose deflection and
// section rotation are the beam's exact static solution between their nodes,
// their stiffness and consistent mass, and the generalized eigenproblem.
#include "vibration/timoshenko_beam.h"

#include "common/error.h"
#include "vibration/beam_eigenproblem.h"

#include <Eigen/Dense>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

namespace hullcalc {

namespace {

constexpr int dofsPerNode = 2;  // deflection w, m, and rotation θ of the section, rad

void requireFinite(double value, const std::string& subject)
{
    if (!std::isfinite(value))
        throw Error(subject + ": нужно конечное число");
}

void requireValidBeam(const TimoshenkoBeam& beam, int modeCount)
{
    const std::size_t elements = beam.inertia.size();
    if (elements == 0)
        throw Error("Балка должна состоять хотя бы из одной шпации");
    if (beam.shearArea.size() != elements || beam.massPerMetre.size() != elements
        || beam.rotaryInertia.size() != elements)
        throw Error("Моменты инерции, площади сдвига, массы и моменты инерции масс заданы для разного числа шпаций");
    for (const auto& [value, subject] :
         {std::pair{beam.elementLength, "Длина шпации"}, std::pair{beam.modulus, "Модуль упругости"},
          std::pair{beam.shearModulus, "Модуль сдвига"}}) {
        requireFinite(value, subject);
        if (value <= 0)
            throw Error(std::string(subject) + ": нужно положительное число");
    }
    for (std::size_t e = 0; e < elements; ++e) {
        const std::string spacing = " шпации " + std::to_string(e + 1);
        struct Value {
            double value;
            const char* subject;
            bool zeroAllowed;
        };
        for (const Value& v : {Value{beam.inertia[e], "Момент инерции сечения", false},
                               Value{beam.shearArea[e], "Площадь сдвига", false},
                               Value{beam.massPerMetre[e], "Масса на метр длины", false},
                               Value{beam.rotaryInertia[e], "Момент инерции массы", true}}) {
            requireFinite(v.value, v.subject + spacing);
            if (v.value < 0 || (v.value == 0 && !v.zeroAllowed))
                throw Error(v.subject + spacing
                            + (v.zeroAllowed ? ": нужно число не меньше нуля" : ": нужно положительное число"));
        }
    }
    const int elasticModes = dofsPerNode * static_cast<int>(elements);
    if (modeCount < 1 || modeCount > elasticModes)
        throw Error("Число тонов " + std::to_string(modeCount) + " вне диапазона 1 – " + std::to_string(elasticModes)
                    + " для балки из " + std::to_string(elements) + " шпаций");
}

// Four-point Gauss–Legendre rule on [0, 1]: exact for polynomials up to the
// seventh degree, and the integrands below (squares of cubics at most) are of
// the sixth.
constexpr std::array<double, 4> gaussPoints = {0.0694318442029737, 0.3300094782075719, 0.6699905217924281,
                                               0.9305681557970263};
constexpr std::array<double, 4> gaussWeights = {0.1739274225687269, 0.3260725774312731, 0.3260725774312731,
                                                0.1739274225687269};

struct ElementMatrices {
    Eigen::Matrix4d stiffness;
    Eigen::Matrix4d mass;
};

// One element of length l, degrees of freedom (w1, θ1, w2, θ2). Without load
// between its ends the Timoshenko beam's equilibrium, (G·A_s·(w′ − θ))′ = 0
// and E·I·θ″ + G·A_s·(w′ − θ) = 0, is solved exactly by a cubic deflection
// w = c0 + c1·x + c2·x² + c3·x³ with the rotation θ = w′ + g·c3, g = 6·E·I/(G·A_s):
// the shear strain w′ − θ = −g·c3 is constant, as the shear force is. The four
// c follow from the nodes' w and θ; the element interpolates with these exact
// static shapes, as Davis, Henshell and Warburton, "A Timoshenko beam element",
// J. Sound Vib. 22(4), 1972, pp. 475–487 build theirs. Then
//   K = ∫(E·I·θ′² + G·A_s·(w′ − θ)²) dx,  M = ∫(m·w² + J·θ²) dx,
// the strain and kinetic energies of bending, shear, translation and rotation
// of the sections. As g → 0 the element becomes the cubic Hermite beam element.
ElementMatrices elementMatrices(double l, double bending, double shear, double mass, double rotary)
{
    const double g = 6 * bending / shear;
    Eigen::Matrix4d nodes;  // nodal values from the coefficients c0..c3
    nodes << 1, 0, 0, 0,    //
        0, 1, 0, g,         //
        1, l, l * l, l * l * l, 0, 1, 2 * l, 3 * l * l + g;
    const Eigen::Matrix4d coefficients = nodes.inverse();
    const Eigen::RowVector4d strain = Eigen::RowVector4d(0, 0, 0, -g) * coefficients;  // w′ − θ
    ElementMatrices element{Eigen::Matrix4d::Zero(), Eigen::Matrix4d::Zero()};
    for (std::size_t q = 0; q < gaussPoints.size(); ++q) {
        const double x = gaussPoints[q] * l, weight = gaussWeights[q] * l;
        const Eigen::RowVector4d w = Eigen::RowVector4d(1, x, x * x, x * x * x) * coefficients;
        const Eigen::RowVector4d theta = Eigen::RowVector4d(0, 1, 2 * x, 3 * x * x + g) * coefficients;
        const Eigen::RowVector4d curvature = Eigen::RowVector4d(0, 0, 2, 6 * x) * coefficients;
        element.stiffness +=
            weight * (bending * curvature.transpose() * curvature + shear * strain.transpose() * strain);
        element.mass += weight * (mass * w.transpose() * w + rotary * theta.transpose() * theta);
    }
    return element;
}

}  // namespace

double shearModulusOf(double modulus, double poissonRatio)
{
    if (!std::isfinite(poissonRatio) || poissonRatio <= -1 || poissonRatio >= 0.5)
        throw Error("Коэффициент Пуассона должен лежать между −1 и 0,5");
    // Hooke's law of an isotropic material, G = E / (2·(1 + ν)), as EN
    // 1993-1-1:2005, 3.2.6 gives it for structural steel.
    return modulus / (2 * (1 + poissonRatio));
}

std::vector<BeamMode> freeFreeTimoshenkoModes(const TimoshenkoBeam& beam, int modeCount)
{
    requireValidBeam(beam, modeCount);
    // Each spacing is split into two elements of its properties: the static
    // shapes are exact for stiffness only, and the higher tones of a deep
    // girder, whose half-waves are a few depths long, converge to within
    // 0,2 % with the halves where whole spacings leave 0,7 % in tone IV.
    constexpr int split = 2;
    const double length = beam.elementLength / split;
    const auto elements = static_cast<Eigen::Index>(beam.inertia.size()) * split;
    const Eigen::Index dofs = dofsPerNode * (elements + 1);
    Eigen::MatrixXd stiffness = Eigen::MatrixXd::Zero(dofs, dofs);
    Eigen::MatrixXd mass = Eigen::MatrixXd::Zero(dofs, dofs);
    for (Eigen::Index e = 0; e < elements; ++e) {
        const auto k = static_cast<std::size_t>(e / split);
        const ElementMatrices element =
            elementMatrices(length, beam.modulus * beam.inertia[k], beam.shearModulus * beam.shearArea[k],
                            beam.massPerMetre[k], beam.rotaryInertia[k]);
        stiffness.block<4, 4>(dofsPerNode * e, dofsPerNode * e) += element.stiffness;
        mass.block<4, 4>(dofsPerNode * e, dofsPerNode * e) += element.mass;
    }
    std::vector<BeamMode> modes = elasticModesOf(stiffness, mass, modeCount);
    // The deflections at the frames, every second node, scaled again to a
    // largest |value| of 1 (the bow keeps its sign).
    for (BeamMode& mode : modes) {
        std::vector<double> frames;
        for (std::size_t i = 0; i < mode.deflection.size(); i += split)
            frames.push_back(mode.deflection[i]);
        double largest = 0;
        for (double w : frames)
            largest = std::max(largest, std::abs(w));
        for (double& w : frames)
            w /= largest;
        mode.deflection = std::move(frames);
    }
    return modes;
}

}  // namespace hullcalc
