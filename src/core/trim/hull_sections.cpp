#include "trim/hull_sections.h"

#include "common/grid_values.h"
#include "common/hull_frames.h"

namespace hullcalc {

namespace {

// The starboard side from the keel up to the deck: (half-breadth, height).
std::vector<SectionPoint> starboardSide(const TextGrid& offsets, int row, const WaterlineHeights& z, double depth)
{
    std::vector<SectionPoint> side;
    side.push_back({cellValue(offsets, 1, row), z[1]});
    for (int j = 2; j <= waterlineCount; ++j) {
        const double height = z[static_cast<std::size_t>(j)];
        const double halfBreadth = cellValue(offsets, j, row);
        if (height >= depth) {
            // The deck cuts the side between this waterline and the one below
            // (the first waterline is the base line, below any deck).
            const SectionPoint below = side.back();
            const double share = (depth - below.z) / (height - below.z);
            side.push_back({below.y + share * (halfBreadth - below.y), depth});
            return side;
        }
        side.push_back({halfBreadth, height});
    }
    side.push_back({side.back().y, depth});
    return side;
}

double outlineArea(const std::vector<SectionPoint>& outline)
{
    double twice = 0.0;
    for (std::size_t k = 0; k < outline.size(); ++k) {
        const SectionPoint& p = outline[k];
        const SectionPoint& q = outline[(k + 1) % outline.size()];
        twice += p.y * q.z - q.y * p.z;
    }
    return twice / 2.0;
}

}  // namespace

HullSections buildHullSections(const TextGrid& offsets, const WaterlineHeights& z, double depth, double length,
                               double frameSpacing)
{
    HullSections hull;
    hull.depth = depth;
    hull.midship = frameCount / 2;
    for (int row = 1; row <= frameCount; ++row) {
        HullSection section;
        section.abscissa = length / 2.0 - (row - 1) * frameSpacing;
        const std::vector<SectionPoint> side = starboardSide(offsets, row, z, depth);
        section.outline = side;
        for (auto point = side.rbegin(); point != side.rend(); ++point)
            section.outline.push_back({-point->y, point->z});
        hull.sections.push_back(std::move(section));
    }
    // Trapezoid weights; the moment of a strip whose area runs linearly from
    // a₁ at x₁ to a₂ at x₂ is Δx·((2x₁ + x₂)·a₁ + (x₁ + 2x₂)·a₂)/6.
    const std::size_t n = hull.sections.size();
    hull.volumeWeight.assign(n, 0.0);
    hull.momentWeight.assign(n, 0.0);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double x1 = hull.sections[i].abscissa;
        const double x2 = hull.sections[i + 1].abscissa;
        hull.volumeWeight[i] += frameSpacing / 2.0;
        hull.volumeWeight[i + 1] += frameSpacing / 2.0;
        hull.momentWeight[i] += frameSpacing * (2.0 * x1 + x2) / 6.0;
        hull.momentWeight[i + 1] += frameSpacing * (x1 + 2.0 * x2) / 6.0;
    }
    for (std::size_t i = 0; i < n; ++i)
        hull.volume += hull.volumeWeight[i] * outlineArea(hull.sections[i].outline);
    return hull;
}

}  // namespace hullcalc
