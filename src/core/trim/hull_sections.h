// The hull as closed transverse sections up to the deck: at every theoretical
// frame the polygon of the offsets' half-breadths, linear between waterlines and
// symmetric about the centre plane, closed by a flat watertight deck at the
// depth H (no camber, sheer or superstructure). What the large-angle stability
// immerses at every heel.
#pragma once

#include "common/text_grid.h"
#include "trim/waterline_interpolation.h"

#include <vector>

namespace hullcalc {

// A point of a section: y across, positive to starboard, z above the base line, m.
struct SectionPoint {
    double y = 0.0;
    double z = 0.0;
};

struct HullSection {
    double abscissa = 0.0;              // x from midship, positive towards the bow, m
    std::vector<SectionPoint> outline;  // closed, counter-clockwise in (y, z), first point not repeated
};

struct HullSections {
    std::vector<HullSection> sections;  // frame 0 (bow) to frame 20 (stern)
    // Along the hull, by the trapezoid rule over the frames as the Bonjean scale
    // integrates: volume = Σ volumeWeight·area (m), and the longitudinal moment
    // = Σ momentWeight·area (m²), each strip's moment at its own centroid for
    // areas varying linearly between frames.
    std::vector<double> volumeWeight;
    std::vector<double> momentWeight;
    double depth = 0.0;   // H, m
    double volume = 0.0;  // of the whole hull up to the deck, m³
    int midship = 0;      // index of frame 10
};

// The sections of the offsets (half-breadths, m: waterline j across, frame row
// r down) at the waterline heights z. Above the top waterline the side runs
// vertically up to H; below it the section is cut at H with the half-breadth
// interpolated there. Frame row r lies at x = L/2 − (r − 1)·ΔL. A cell that is
// no number throws CellError.
HullSections buildHullSections(const TextGrid& offsets, const WaterlineHeights& z, double depth, double length,
                               double frameSpacing);

}  // namespace hullcalc
