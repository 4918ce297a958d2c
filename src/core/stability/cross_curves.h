// The cross curves of stability (пантокарены): the lever KN of the centre of
// buoyancy about the keel point, for a set of volumes and heels, at level trim
// as they are drawn in textbooks.
#pragma once

#include "trim/hull_sections.h"

#include <optional>
#include <vector>

namespace hullcalc {

// The heels of the cross curves, degrees: every 10° from 0 to 90.
std::vector<double> crossCurveHeels();

struct CrossCurves {
    std::vector<double> volumes;  // m³
    std::vector<double> heel;     // degrees
    // KN[volume][heel], m; none for a volume the hull up to the deck cannot
    // displace (or none at all).
    std::vector<std::vector<std::optional<double>>> crossCurveLever;
};

CrossCurves computeCrossCurves(const HullSections& hull, const std::vector<double>& volumes,
                               const std::vector<double>& heels);

}  // namespace hullcalc
