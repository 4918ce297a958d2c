#include "stability/large_angle_stability.h"

#include "common/checked_math.h"
#include "common/grid_values.h"

namespace hullcalc {

std::optional<LargeAngleStability> computeLargeAngleStability(const InputTables& input, const BonjeanScale& bonjean,
                                                              const HydrostaticCurves& hydrostatics,
                                                              const WaterlineIteration& iteration,
                                                              const ParticularValues& particulars, double depth,
                                                              StabilityTrim mode)
{
    if (!particulars.verticalCentreOfGravity)
        return std::nullopt;
    const HullSections hull =
        buildHullSections(input.offsets, bonjean.waterlineHeights, depth, particulars.length, particulars.frameSpacing);
    LoadingCondition loading;
    loading.volume = divide(particulars.designDisplacement, particulars.waterDensity);
    loading.centreOfGravity = particulars.centreOfGravity;
    loading.centreOfGravityHeight = *particulars.verticalCentreOfGravity;
    loading.designTrimSlope = iteration.trimSlope;
    loading.designMidshipDraft = (iteration.forwardDraft + iteration.aftDraft) / 2.0;

    LargeAngleStability stability;
    std::vector<double> volumes;
    for (int j = 1; j <= waterlineCount; ++j)
        volumes.push_back(cellValue(hydrostatics.volume.values, j, 0));
    volumes.push_back(loading.volume);
    stability.crossCurves = computeCrossCurves(hull, volumes, crossCurveHeels());
    stability.rightingLevers = computeRightingLevers(hull, loading, mode);
    stability.criteria = checkGeneralCriteria(stability.rightingLevers);
    return stability;
}

}  // namespace hullcalc
