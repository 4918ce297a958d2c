#include "stability/cross_curves.h"

#include "common/error.h"
#include "stability/heeled_equilibrium.h"
#include "stability/righting_lever.h"

#include <numbers>

namespace hullcalc {

std::vector<double> crossCurveHeels()
{
    std::vector<double> heels;
    for (int heel = 0; heel <= 90; heel += 10)
        heels.push_back(heel);
    return heels;
}

CrossCurves computeCrossCurves(const HullSections& hull, const std::vector<double>& volumes,
                               const std::vector<double>& heels)
{
    CrossCurves curves{volumes, heels, {}};
    for (double volume : volumes) {
        std::vector<std::optional<double>> levers(heels.size());
        // Each heel starts from the line through the two previous heels' levels.
        double level = hull.depth / 2.0;
        double previous = level;
        try {
            for (std::size_t k = 0; k < heels.size(); ++k) {
                const double heel = heels[k] * std::numbers::pi / 180.0;
                const double start = k >= 2 ? 2.0 * level - previous : level;
                const FloatingBalance balance = balanceLevel(hull, heel, 0.0, volume, start);
                levers[k] = crossCurveLever(balance.immersed, heel);
                previous = level;
                level = balance.waterplane.level;
            }
        } catch (const Error&) {
            // A volume beyond the hull (the top waterline above the deck) or
            // none: the curve is left out, not the table.
            levers.assign(heels.size(), std::nullopt);
        }
        curves.crossCurveLever.push_back(std::move(levers));
    }
    return curves;
}

}  // namespace hullcalc
