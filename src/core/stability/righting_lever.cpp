#include "stability/righting_lever.h"

#include "common/checked_math.h"
#include "stability/heeled_equilibrium.h"
#include "trim/initial_stability.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace hullcalc {

namespace {

constexpr double radian = std::numbers::pi / 180.0;
// The heel of the largest lever is refined to this, degrees.
constexpr double angleTolerance = 1e-4;

double hullSpan(const HullSections& hull)
{
    return std::abs(hull.sections.front().abscissa - hull.sections.back().abscissa);
}

// Simpson's rule over grid[first..last] (an even number of steps of `step`).
double simpson(const std::vector<double>& f, int first, int last, double step)
{
    double sum = f[static_cast<std::size_t>(first)] + f[static_cast<std::size_t>(last)];
    for (int k = first + 1; k < last; ++k)
        sum += (k - first) % 2 == 1 ? 4.0 * f[static_cast<std::size_t>(k)] : 2.0 * f[static_cast<std::size_t>(k)];
    return sum * step / 3.0;
}

// ∫ f from 0 to each point: Simpson's rule to the even points, and to an odd
// point the even part plus the parabola through it and its neighbours.
std::vector<double> runningIntegral(const std::vector<double>& f, double step)
{
    std::vector<double> integral(f.size(), 0.0);
    for (std::size_t k = 1; k < f.size(); ++k) {
        if (k % 2 == 0)
            integral[k] = integral[k - 2] + step / 3.0 * (f[k - 2] + 4.0 * f[k - 1] + f[k]);
        else if (k + 1 < f.size())
            integral[k] = integral[k - 1] + step / 12.0 * (5.0 * f[k - 1] + 8.0 * f[k] - f[k + 1]);
        else
            integral[k] = integral[k - 1] + step / 12.0 * (-f[k - 2] + 8.0 * f[k - 1] + 5.0 * f[k]);
    }
    return integral;
}

// The root of g (a length, m) between a and b (g(a), g(b) of opposite signs),
// by the Illinois variant of regula falsi, to 1e-10 m of g.
double rootBetween(const std::function<double(double)>& g, double a, double b, double ga, double gb)
{
    int side = 0;
    double c = (a + b) / 2.0;
    for (int step = 0; step < 100 && std::abs(b - a) > 1e-12; ++step) {
        c = (a * gb - b * ga) / (gb - ga);
        const double gc = g(c);
        if (std::abs(gc) <= 1e-10)
            return c;
        if ((gc > 0.0) == (gb > 0.0)) {
            b = c;
            gb = gc;
            if (side == -1)
                ga /= 2.0;
            side = -1;
        } else {
            a = c;
            ga = gc;
            if (side == 1)
                gb /= 2.0;
            side = 1;
        }
    }
    return c;
}

// The first angle on the grid (from index `from`) where g turns from below zero
// to zero or above, refined; none when it does not.
std::optional<double> firstCrossing(const std::vector<double>& heel, const std::vector<double>& values,
                                    const std::function<double(double)>& g, std::size_t from = 0)
{
    if (from < values.size() && values[from] >= 0.0)
        return heel[from];
    for (std::size_t k = from + 1; k < values.size(); ++k)
        if (values[k - 1] < 0.0 && values[k] >= 0.0)
            return values[k] == 0.0 ? heel[k] : rootBetween(g, heel[k - 1], heel[k], values[k - 1], values[k]);
    return std::nullopt;
}

}  // namespace

double crossCurveLever(const ImmersedHull& immersed, double heel)
{
    const double yB = divide(immersed.momentY, immersed.volume);
    const double zB = divide(immersed.momentZ, immersed.volume);
    return yB * std::cos(heel) + zB * std::sin(heel);
}

HeeledBalance balanceAtHeel(const HullSections& hull, const LoadingCondition& loading, StabilityTrim mode,
                            double heelDegrees, const Waterplane& start)
{
    const double heel = heelDegrees * radian;
    const FloatingBalance found = mode == StabilityTrim::free
                                      ? balanceLevelAndTrim(hull, heel, loading.volume, loading.centreOfGravity, start)
                                      : balanceLevel(hull, heel, loading.designTrimSlope, loading.volume, start.level);
    HeeledBalance balance;
    balance.waterplane = found.waterplane;
    balance.crossCurveLever = crossCurveLever(found.immersed, heel);
    balance.rightingLever = balance.crossCurveLever - loading.centreOfGravityHeight * std::sin(heel);
    return balance;
}

RightingLeverCurve computeRightingLevers(const HullSections& hull, const LoadingCondition& loading, StabilityTrim mode)
{
    RightingLeverCurve curve;
    curve.trimMode = mode;
    const double span = hullSpan(hull);
    std::vector<Waterplane> planes;
    Waterplane start{0.0, loading.designMidshipDraft, loading.designTrimSlope};
    const auto solve = [&](double heelDegrees, const Waterplane& from) {
        return balanceAtHeel(hull, loading, mode, heelDegrees, from);
    };
    for (int k = 0; k < rightingLeverHeelCount; ++k) {
        // From the line through the two previous heels' waterplanes.
        if (k >= 2) {
            const Waterplane& last = planes.back();
            const Waterplane& before = planes[planes.size() - 2];
            start = {0.0, 2.0 * last.level - before.level, 2.0 * last.trimSlope - before.trimSlope};
        }
        const HeeledBalance balance = solve(k, start);
        curve.heel.push_back(k);
        curve.crossCurveLever.push_back(balance.crossCurveLever);
        curve.rightingLever.push_back(balance.rightingLever);
        curve.trim.push_back(balance.waterplane.trimSlope * span);
        planes.push_back(balance.waterplane);
    }
    // A waterplane at any heel, from the grid's nearest.
    const auto planeNear = [&](double heelDegrees) {
        const long last = static_cast<long>(planes.size()) - 1;
        return planes[static_cast<std::size_t>(std::clamp(std::lround(heelDegrees), 0L, last))];
    };
    const auto leverAt = [&](double heelDegrees) { return solve(heelDegrees, planeNear(heelDegrees)).rightingLever; };

    // GM0 from the upright waterplane's moment of inertia.
    const UprightMetacentres upright = uprightMetacentres(hull, planes.front());
    curve.metacentricHeight = upright.centreOfBuoyancyHeight + upright.transverseRadius - loading.centreOfGravityHeight;

    const std::vector<double>& gz = curve.rightingLever;
    curve.dynamicLever = runningIntegral(gz, radian);
    curve.area0To30 = simpson(gz, 0, 30, radian);
    curve.area0To40 = simpson(gz, 0, 40, radian);
    curve.area30To40 = simpson(gz, 30, 40, radian);

    // The largest lever: the grid's, then a golden-section search about it.
    std::size_t best = 0;
    for (std::size_t k = 1; k < gz.size(); ++k)
        if (gz[k] > gz[best])
            best = k;
    curve.maxRightingLever = gz[best];
    curve.maxRightingLeverHeel = curve.heel[best];
    if (best > 0 && best + 1 < gz.size()) {
        const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
        double a = curve.heel[best - 1];
        double b = curve.heel[best + 1];
        double c = b - ratio * (b - a);
        double d = a + ratio * (b - a);
        double fc = leverAt(c);
        double fd = leverAt(d);
        while (b - a > angleTolerance) {
            if (fc > fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - ratio * (b - a);
                fc = leverAt(c);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + ratio * (b - a);
                fd = leverAt(d);
            }
        }
        const double heel = (a + b) / 2.0;
        const double lever = leverAt(heel);
        if (lever > curve.maxRightingLever) {
            curve.maxRightingLever = lever;
            curve.maxRightingLeverHeel = heel;
        }
    }

    // Stability vanishes where the lever falls to zero past its largest value,
    // sought past 90° when it is still positive there.
    if (curve.maxRightingLever <= 0.0) {
        curve.vanishingAngle = 0.0;
    } else {
        std::vector<double> heel(curve.heel);
        std::vector<double> negated;
        for (double lever : gz)
            negated.push_back(-lever);
        for (int k = rightingLeverHeelCount; k <= 180 && negated.back() < 0.0; ++k) {
            const HeeledBalance balance = solve(k, planes.back());
            planes.push_back(balance.waterplane);
            heel.push_back(k);
            negated.push_back(-balance.rightingLever);
        }
        curve.vanishingAngle = firstCrossing(
            heel, negated, [&](double h) { return -leverAt(h); }, best);
    }

    // The deck edge on the low side and the bilge on the high side, at midship.
    const HullSection& midship = hull.sections[static_cast<std::size_t>(hull.midship)];
    const SectionPoint bilge = midship.outline.front();
    SectionPoint deckEdge = bilge;
    for (const SectionPoint& p : midship.outline)
        if (p.z > deckEdge.z || (p.z == deckEdge.z && p.y > deckEdge.y))
            deckEdge = p;
    const auto midshipLevel = [&](const Waterplane& plane) { return plane.level - plane.trimSlope * midship.abscissa; };
    const auto deckEdgeDepth = [&](double h, const Waterplane& plane) {
        const double phi = h * radian;
        return midshipLevel(plane) - (deckEdge.z * std::cos(phi) - deckEdge.y * std::sin(phi));
    };
    const auto bilgeHeight = [&](double h, const Waterplane& plane) {
        return bilge.y * std::sin(h * radian) - midshipLevel(plane);
    };
    std::vector<double> deckValues;
    std::vector<double> bilgeValues;
    for (std::size_t k = 0; k < curve.heel.size(); ++k) {
        deckValues.push_back(deckEdgeDepth(curve.heel[k], planes[k]));
        bilgeValues.push_back(bilgeHeight(curve.heel[k], planes[k]));
    }
    curve.deckEdgeAngle = firstCrossing(curve.heel, deckValues,
                                        [&](double h) { return deckEdgeDepth(h, solve(h, planeNear(h)).waterplane); });
    curve.bilgeEmergenceAngle = firstCrossing(
        curve.heel, bilgeValues, [&](double h) { return bilgeHeight(h, solve(h, planeNear(h)).waterplane); });
    return curve;
}

}  // namespace hullcalc
