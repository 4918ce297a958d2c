#include "stability/heeled_equilibrium.h"

#include "common/error.h"
#include "stability/stability_messages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hullcalc {

namespace {

constexpr int maxSteps = 100;

// The lowest and the highest value of z·cos φ − y·sin φ + slope·x over the hull:
// waterplanes at those heights leave it dry and drown it.
std::pair<double, double> levelRange(const HullSections& hull, double heel, double trimSlope)
{
    const double c = std::cos(heel);
    const double s = std::sin(heel);
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const HullSection& section : hull.sections)
        for (const SectionPoint& p : section.outline) {
            const double level = p.z * c - p.y * s + trimSlope * section.abscissa;
            low = std::min(low, level);
            high = std::max(high, level);
        }
    return {low, high};
}

double hullLength(const HullSections& hull)
{
    return std::abs(hull.sections.front().abscissa - hull.sections.back().abscissa);
}

}  // namespace

FloatingBalance balanceLevel(const HullSections& hull, double heel, double trimSlope, double volume, double startLevel)
{
    auto [low, high] = levelRange(hull, heel, trimSlope);
    Waterplane plane{heel, std::clamp(startLevel, low, high), trimSlope};
    if (!(volume > 0.0) || volume >= hull.volume)
        throw Error(stabilityMessages::volumeBeyondHull(volume, hull.volume));
    for (int step = 0; step < maxSteps; ++step) {
        const ImmersedHull immersed = immerseHull(hull, plane);
        const double misfit = immersed.volume - volume;
        if (std::abs(misfit) <= equilibriumTolerance * volume)
            return {plane, immersed};
        if (misfit < 0.0)
            low = plane.level;
        else
            high = plane.level;
        double next = immersed.volumeByLevel > 0.0 ? plane.level - misfit / immersed.volumeByLevel : low;
        // A Newton step that leaves the bracket (or cannot be taken) bisects it.
        if (!(next > low && next < high))
            next = (low + high) / 2.0;
        if (next == plane.level)
            return {plane, immersed};
        plane.level = next;
    }
    throw Error(stabilityMessages::noEquilibrium(heel));
}

FloatingBalance balanceLevelAndTrim(const HullSections& hull, double heel, double volume, double centreOfGravity,
                                    Waterplane start)
{
    const double lengthScale = hullLength(hull);
    Waterplane plane = start;
    plane.heel = heel;
    const auto misfitOf = [&](const ImmersedHull& h) {
        return std::pair{h.volume - volume, h.momentX - centreOfGravity * h.volume};
    };
    // The misfit measured in the tolerances' units.
    const auto size = [&](std::pair<double, double> f) {
        return std::max(std::abs(f.first) / volume, std::abs(f.second) / (volume * lengthScale));
    };
    ImmersedHull immersed = immerseHull(hull, plane);
    std::pair<double, double> misfit = misfitOf(immersed);
    for (int step = 0; step < maxSteps; ++step) {
        if (size(misfit) <= equilibriumTolerance)
            return {plane, immersed};
        const double a = immersed.volumeByLevel;
        const double b = immersed.volumeByTrim;
        const double c = immersed.momentXByLevel - centreOfGravity * immersed.volumeByLevel;
        const double d = immersed.momentXByTrim - centreOfGravity * immersed.volumeByTrim;
        const double determinant = a * d - b * c;
        if (!(std::abs(determinant) > 0.0) || !std::isfinite(determinant))
            break;
        const double dLevel = -(d * misfit.first - b * misfit.second) / determinant;
        const double dTrim = -(a * misfit.second - c * misfit.first) / determinant;
        double share = 1.0;
        bool improved = false;
        for (int halving = 0; halving < 30; ++halving, share /= 2.0) {
            const Waterplane trial{heel, plane.level + share * dLevel, plane.trimSlope + share * dTrim};
            const ImmersedHull trialHull = immerseHull(hull, trial);
            const auto trialMisfit = misfitOf(trialHull);
            if (size(trialMisfit) < size(misfit)) {
                plane = trial;
                immersed = trialHull;
                misfit = trialMisfit;
                improved = true;
                break;
            }
        }
        if (!improved)
            break;
    }
    throw Error(stabilityMessages::noEquilibrium(heel));
}

}  // namespace hullcalc
