// Lewis's sections: the mapping of a section onto a Lewis form, the
// coefficient C of vertical vibration, and the reduction J of the tone.
#include "vibration/lewis_added_mass.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "vibration/vibration.h"
#include "vibration/vibration_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace hullcalc {

namespace {

// The form of half-breadth over draft H = b/T and area coefficient σ. On the
// unit circle ζ = e^(iθ) the map gives, θ from 0 at the waterline to π/2 at
// the keel, x = M·((1 + a1)·cos θ + a3·cos 3θ) and y = M·((1 − a1)·sin θ −
// a3·sin 3θ) below the waterline: b = M·(1 + a1 + a3), T = M·(1 − a1 + a3),
// and the area of the closed image, π·M²·(1 − a1² − 3·a3²), halved. So
//   H = (1 + a1 + a3)/(1 − a1 + a3),
//   σ = π/4 · (1 − a1² − 3·a3²)/((1 + a3)² − a1²)
// (Lewis's forms, as Tupper, Introduction to Naval Architecture, p. 288, uses
// them for the added mass of ship sections). The first gives a1 = k·(1 + a3), k = (H − 1)/(H + 1); the
// second then reads (c + 3)·a3² + 2·c·a3 + c − 1 = 0 with c = s·(1 − k²) + k²,
// s = 4σ/π, whose root a3 = (−c + √(3 − 2c))/(c + 3) is 0 for the semicircle.
struct Coefficients {
    double a1 = 0.0;
    double a3 = 0.0;
    bool real = false;
};

Coefficients coefficientsOf(double h, double sigma)
{
    const double k = (h - 1) / (h + 1);
    const double c = 4 * sigma / std::numbers::pi * (1 - k * k) + k * k;
    if (3 - 2 * c < 0)
        return {};
    const double a3 = (-c + std::sqrt(3 - 2 * c)) / (c + 3);
    return {k * (1 + a3), a3, true};
}

// A form that is a section: the map is conformal outside the unit circle (its
// derivative M·(1 − a1·ζ⁻² − 3·a3·ζ⁻⁴) vanishes only where u = ζ² solves
// u² − a1·u − 3·a3 = 0, which must lie inside it), and the contour keeps to
// its quadrant, x ≥ 0 and y ≥ 0, from the waterline to the keel.
bool isSection(const Coefficients& f)
{
    if (!f.real)
        return false;
    const double discriminant = f.a1 * f.a1 + 12 * f.a3;
    if (discriminant >= 0) {
        const double root = std::sqrt(discriminant);
        if (std::abs(f.a1 + root) / 2 >= 1 || std::abs(f.a1 - root) / 2 >= 1)
            return false;
    } else if (-3 * f.a3 >= 1) {  // |u|² of the two conjugate roots
        return false;
    }
    constexpr int samples = 180;
    for (int i = 0; i <= samples; ++i) {
        const double theta = std::numbers::pi / 2 * i / samples;
        const double x = (1 + f.a1) * std::cos(theta) + f.a3 * std::cos(3 * theta);
        const double y = (1 - f.a1) * std::sin(theta) - f.a3 * std::sin(3 * theta);
        if (x < -1e-12 || y < -1e-12)
            return false;
    }
    return true;
}

// The ratio J of the water's kinetic energy in three dimensions to that of
// the two-dimensional sections, for ellipsoids of L/B = 5, 6, .. 15, two-node
// (tone I) and three-node (tone II) vibration: Tupper, Introduction to Naval
// Architecture, ch. 11 «Vibration, noise and shock», p. 290, Table 11.2. No table for four- and five-node
// vibration was found; the formula that page quotes for ship shapes is not
// legible in the copy found.
constexpr double tableLowestRatio = 5, tableHighestRatio = 15;
constexpr std::array<double, 11> twoNodeReduction = {0.700, 0.752, 0.787, 0.818, 0.840, 0.858,
                                                     0.872, 0.887, 0.900, 0.910, 0.919};
constexpr std::array<double, 11> threeNodeReduction = {0.621, 0.675, 0.720, 0.758, 0.787, 0.811,
                                                       0.830, 0.845, 0.860, 0.872, 0.883};

}  // namespace

LewisForm lewisForm(double halfBreadth, double draft, double area)
{
    for (double value : {halfBreadth, draft, area})
        if (!std::isfinite(value) || value <= 0)
            throw Error("Сечение Льюиса: полуширина, осадка и площадь должны быть положительными");
    const double h = halfBreadth / draft;
    const double sigma = area / (2 * halfBreadth * draft);
    if (const Coefficients own = coefficientsOf(h, sigma); isSection(own))
        return {own.a1, own.a3, sigma, false};
    // Every H has its ellipse, σ = π/4, a3 = 0: bisect between it and the
    // section's σ for the nearest σ that has a form.
    double valid = std::numbers::pi / 4, invalid = sigma;
    for (int i = 0; i < 60; ++i) {
        const double middle = (valid + invalid) / 2;
        (isSection(coefficientsOf(h, middle)) ? valid : invalid) = middle;
    }
    const Coefficients nearest = coefficientsOf(h, valid);
    return {nearest.a1, nearest.a3, valid, true};
}

// The added mass per metre of the Lewis form heaving, over ½·ρ·π·b² of the
// semicircle of the same half-breadth (Tupper, p. 288: Lewis's added virtual
// mass per unit length is C times that of the semicircle, C plotted against
// B/T and the section's fullness in Figures 11.5 and 11.6). For the form,
// the flow about the mapped circle gives C = ((1 + a1)² + 3·a3²)/(1 + a1 + a3)²:
// 1 for the semicircle and every ellipse (a3 = 0), as the added mass of an
// ellipse across the flow is that of the circle of its breadth.
double lewisCoefficient(const LewisForm& form)
{
    const double breadth = 1 + form.a1 + form.a3;
    return ((1 + form.a1) * (1 + form.a1) + 3 * form.a3 * form.a3) / (breadth * breadth);
}

double reductionFactor(int tone, double lengthToBreadth, std::optional<double> typed)
{
    if (typed) {
        if (!std::isfinite(*typed) || *typed <= 0 || *typed > 1)
            throw Error("Коэффициент J тона " + toneNumeral(tone) + " должен лежать в пределах от 0 до 1");
        return *typed;
    }
    if (tone != 1 && tone != 2)
        throw Error("Коэффициент J пространственного обтекания для тона " + toneNumeral(tone)
                    + " в найденных источниках не приведен: введите его");
    if (!std::isfinite(lengthToBreadth) || lengthToBreadth <= 0)
        throw Error("Отношение L/B должно быть положительным");
    const auto& table = tone == 1 ? twoNodeReduction : threeNodeReduction;
    const double position = std::clamp(lengthToBreadth, tableLowestRatio, tableHighestRatio) - tableLowestRatio;
    const auto below = std::min(static_cast<std::size_t>(position), table.size() - 2);
    const double fraction = position - static_cast<double>(below);
    return table[below] + fraction * (table[below + 1] - table[below]);
}

LewisAddedMass lewisAddedMass(const TextGrid& vibrationTable, double waterDensity, double lengthToBreadth, int tone,
                              std::optional<double> typedReduction)
{
    namespace column = vibrationTableColumn;
    LewisAddedMass result;
    result.reduction = reductionFactor(tone, lengthToBreadth, typedReduction);
    if (!typedReduction && (lengthToBreadth < tableLowestRatio || lengthToBreadth > tableHighestRatio))
        result.notes.push_back("L/B = " + formatFixed(lengthToBreadth, 2)
                               + " вне таблицы коэффициентов J (5 – 15): взято значение на ее краю");
    std::string limited;
    for (int r = 1; r <= spacingCount; ++r) {
        const double b = cellValue(vibrationTable, column::meanHalfBreadth, r);
        const double t = cellValue(vibrationTable, column::meanDraft, r);
        const double area = cellValue(vibrationTable, column::meanArea, r);
        if (!(b > 0 && t > 0 && area > 0)) {
            result.perMetre.push_back(0.0);
            result.coefficient.push_back(0.0);
            continue;
        }
        const LewisForm form = lewisForm(b, t, area);
        if (form.areaLimited)
            limited += (limited.empty() ? "" : ", ") + spacingLabel(r - 1);
        const double c = lewisCoefficient(form);
        result.coefficient.push_back(c);
        result.perMetre.push_back(0.5 * waterDensity * std::numbers::pi * b * b * c * result.reduction);
    }
    if (!limited.empty())
        result.notes.push_back("Шпации " + limited + ": полнота сечения вне форм Льюиса, взята ближайшая допустимая");
    return result;
}

}  // namespace hullcalc
