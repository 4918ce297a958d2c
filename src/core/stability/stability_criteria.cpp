#include "stability/stability_criteria.h"

#include <algorithm>

namespace hullcalc {

namespace {

// The largest lever at 30° of heel or more, m.
double leverFrom30(const RightingLeverCurve& curve)
{
    double largest = curve.rightingLever.at(30);
    for (std::size_t k = 30; k < curve.rightingLever.size(); ++k)
        largest = std::max(largest, curve.rightingLever[k]);
    if (curve.maxRightingLeverHeel >= 30.0)
        largest = std::max(largest, curve.maxRightingLever);
    return largest;
}

StabilityCriterion criterion(std::string_view key, std::string_view caption, std::string_view unit, double value,
                             double limit)
{
    return {key, caption, unit, value, limit, value >= limit};
}

}  // namespace

// The limits of the general criteria of the IMO Code on Intact Stability:
// resolution A.749(18), chapter 3, 3.1.2.1 to 3.1.2.4 (areas 0,055 m·rad to
// 30°, 0,09 to 40°, 0,03 between; GZ at least 0,20 m at 30° or more; the
// largest GZ at not less than 25°; GM0 at least 0,15 m), carried unchanged into
// the International Code on Intact Stability, 2008 (resolution MSC.267(85)),
// part A, 2.2. No angle of flooding is modelled, so the areas run to 40°.
std::vector<StabilityCriterion> checkGeneralCriteria(const RightingLeverCurve& curve)
{
    return {
        criterion("area_0_30", "Площадь под диаграммой от 0° до 30°", "м·рад", curve.area0To30, 0.055),
        criterion("area_0_40", "Площадь под диаграммой от 0° до 40°", "м·рад", curve.area0To40, 0.09),
        criterion("area_30_40", "Площадь под диаграммой от 30° до 40°", "м·рад", curve.area30To40, 0.03),
        criterion("righting_lever_30", "Плечо GZ при крене 30° и более", "м", leverFrom30(curve), 0.20),
        criterion("max_righting_lever_heel", "Угол наибольшего плеча GZ", "°", curve.maxRightingLeverHeel, 25.0),
        criterion("gm0", "Начальная метацентрическая высота GM0", "м", curve.metacentricHeight, 0.15),
    };
}

}  // namespace hullcalc
