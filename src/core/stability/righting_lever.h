// The righting-lever curve of the loading condition (диаграмма статической
// остойчивости): at each heel the waterplane that displaces the loading's
// volume, the lever KN of its centre of buoyancy about the keel point and
// GZ = KN − z_g·sin φ; the areas under the curve, its largest lever, the angle
// of vanishing stability and the angles at which the deck edge immerses and
// the bilge emerges at midship.
#pragma once

#include "trim/heeled_waterplane.h"
#include "trim/stability_trim.h"

#include <optional>
#include <vector>

namespace hullcalc {

struct LoadingCondition {
    double volume = 0.0;                 // V = D/ρ, m³
    double centreOfGravity = 0.0;        // XG from midship, m
    double centreOfGravityHeight = 0.0;  // z_g above the base line, m (G on the centre plane)
    // The design waterline in still water: the trim the fixed mode holds, and
    // where every search starts.
    double designTrimSlope = 0.0;     // (Tк − Tн)/L
    double designMidshipDraft = 0.0;  // m
};

// The calculation's heels, degrees: every degree from 0 to 90.
inline constexpr int rightingLeverHeelCount = 91;

struct RightingLeverCurve {
    StabilityTrim trimMode = StabilityTrim::fixed;
    std::vector<double> heel;             // φ, degrees
    std::vector<double> crossCurveLever;  // KN = y_B·cos φ + z_B·sin φ, m
    std::vector<double> rightingLever;    // GZ, m
    std::vector<double> dynamicLever;     // ∫₀^φ GZ dφ, m·rad
    std::vector<double> trim;             // (Tк − Tн) of the waterplane, by the stern positive, m
    double metacentricHeight = 0.0;       // GM0 from the upright waterplane's inertia, m
    double area0To30 = 0.0;               // m·rad, Simpson's rule on the degree grid
    double area0To40 = 0.0;
    double area30To40 = 0.0;
    double maxRightingLever = 0.0;      // m
    double maxRightingLeverHeel = 0.0;  // degrees, refined between the grid's points
    // Degrees; none where the curve or the point does not reach it: the
    // vanishing angle is sought up to 180°, the others up to 90°.
    std::optional<double> vanishingAngle;
    std::optional<double> deckEdgeAngle;
    std::optional<double> bilgeEmergenceAngle;
};

// The curve in the trim mode chosen. Throws Error when the hull cannot float the
// loading's volume at some heel.
RightingLeverCurve computeRightingLevers(const HullSections& hull, const LoadingCondition& loading, StabilityTrim mode);

// The levers at one heel (degrees, either side), starting from a waterplane
// near the answer (a neighbouring heel's).
struct HeeledBalance {
    Waterplane waterplane;
    double crossCurveLever = 0.0;  // KN, m
    double rightingLever = 0.0;    // GZ, m
};
HeeledBalance balanceAtHeel(const HullSections& hull, const LoadingCondition& loading, StabilityTrim mode,
                            double heelDegrees, const Waterplane& start);

// KN = y_B·cos φ + z_B·sin φ of an immersed hull at heel φ (rad), m.
double crossCurveLever(const ImmersedHull& immersed, double heel);

}  // namespace hullcalc
