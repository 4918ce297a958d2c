// The shear area along the hull, the rotary inertia of its masses, and a tone
// of the Timoshenko beam of the hull.
#include "vibration/beam_with_shear.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "strength/hull_girder.h"
#include "vibration/timoshenko_beam.h"

#include <cmath>
#include <cstddef>

namespace hullcalc {

MidshipShearArea midshipShearArea(std::optional<double> typed, const TextGrid* girderMembers, double depth)
{
    if (typed) {
        if (!std::isfinite(*typed) || *typed <= 0)
            throw Error("Площадь сдвига миделевого сечения: нужно положительное число, м²");
        return {*typed, true, {}};
    }
    MidshipShearArea result;
    if (girderMembers != nullptr) {
        namespace column = girderColumn;
        for (int row = 1; row < girderMembers->rowCount(); ++row) {
            if (trimmed(girderMembers->cell(column::area, row)).empty()
                || trimmed(girderMembers->cell(column::ownInertia, row)).empty())
                continue;
            const double area = cellValue(*girderMembers, column::area, row);       // cm²
            const double own = cellValue(*girderMembers, column::ownInertia, row);  // cm²·m²
            if (!(area > 0 && own > 0))
                continue;
            if (std::sqrt(12 * own / area) >= verticalMemberDepthShare * depth) {
                result.area += area * 1e-4;
                result.members.push_back(girderMembers->cell(column::name, row));
            }
        }
    }
    if (result.members.empty())
        throw Error(
            "Площадь сдвига не задана, а в связях миделевого сечения нет вертикальных (борт, ширстрек, "
            "продольная переборка): задайте площадь сдвига");
    return result;
}

std::vector<double> shearAreaAlongHull(double midshipArea, const std::vector<double>& inertia)
{
    const std::size_t middle = inertia.size() / 2;
    if (inertia.size() < 2)
        throw Error("Для площади сдвига по длине нужны моменты инерции хотя бы двух шпаций");
    const double midship = (inertia[middle - 1] + inertia[middle]) / 2;
    if (!(midship > 0))
        throw Error("Момент инерции сечения на миделе должен быть положительным");
    std::vector<double> areas;
    for (double i : inertia)
        areas.push_back(midshipArea * i / midship);
    return areas;
}

std::vector<double> rotaryInertiaOf(const std::vector<double>& hullMassPerMetre, double depth)
{
    std::vector<double> rotary;
    for (double m : hullMassPerMetre)
        rotary.push_back(m * depth * depth / 12);
    return rotary;
}

BeamMode beamWithShearTone(const std::vector<double>& inertia, const std::vector<double>& shearArea,
                           const std::vector<double>& massPerMetre, const std::vector<double>& rotaryInertia,
                           double frameSpacing, double poissonRatio, int tone)
{
    const TimoshenkoBeam beam{inertia,
                              shearArea,
                              massPerMetre,
                              rotaryInertia,
                              frameSpacing,
                              hullModulus,
                              shearModulusOf(hullModulus, poissonRatio)};
    return freeFreeTimoshenkoModes(beam, tone).at(static_cast<std::size_t>(tone - 1));
}

}  // namespace hullcalc
