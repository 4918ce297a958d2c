#include "trim/initial_stability.h"

#include "common/checked_math.h"
#include "common/number_text.h"

namespace hullcalc {

UprightMetacentres uprightMetacentres(const HullSections& hull, const Waterplane& waterplane)
{
    const ImmersedHull immersed = immerseHull(hull, {0.0, waterplane.level, waterplane.trimSlope});
    UprightMetacentres m;
    m.volume = immersed.volume;
    m.centreOfBuoyancyHeight = divide(immersed.momentZ, immersed.volume);
    m.transverseRadius = divide(immersed.waterplaneInertia, immersed.volume);
    // Upright the waterline's length is the breadth: S = Σ w·ℓ, its moment
    // about midship −∂V/∂τ = Σ w·x·ℓ, moved to the centre of flotation.
    const double area = immersed.volumeByLevel;
    const double momentX = -immersed.volumeByTrim;
    const double aboutFlotation = immersed.waterplaneSecondMomentX - divide(momentX * momentX, area);
    m.longitudinalRadius = divide(aboutFlotation, immersed.volume);
    return m;
}

void computeInitialStability(const HullSections& hull, const WaterlineIteration& iteration,
                             const ParticularValues& particulars, InitialStability& stability)
{
    stability = {};
    const std::optional<double> zg = particulars.verticalCentreOfGravity;
    if (!zg)
        return;
    stability.verticalCentreOfGravity = formatF(*zg);
    const Waterplane design{0.0, (iteration.forwardDraft + iteration.aftDraft) / 2.0, iteration.trimSlope};
    if (immerseHull(hull, design).volume <= 0.0) {
        stability.undefinedAtDraft = true;
        return;
    }
    const UprightMetacentres m = uprightMetacentres(hull, design);
    const double km = m.centreOfBuoyancyHeight + m.transverseRadius;
    const double kml = m.centreOfBuoyancyHeight + m.longitudinalRadius;
    stability.centreOfBuoyancyHeight = formatF(m.centreOfBuoyancyHeight);
    stability.transverseMetacentre = formatF(km);
    stability.longitudinalMetacentre = formatF(kml);
    stability.metacentricHeight = formatF(km - *zg);
    stability.longitudinalMetacentricHeight = formatF(kml - *zg);
}

}  // namespace hullcalc
