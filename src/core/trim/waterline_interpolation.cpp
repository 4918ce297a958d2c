#include "trim/waterline_interpolation.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_text.h"

#include <cmath>

namespace hullcalc {

double interpolate(double t, double z1, double y1, double z2, double y2)
{
    if (y2 == y1)
        return y1;
    const double q = divide(z2 - z1, y2 - y1);
    return divide(t - z1, q) + y1;
}

WaterlineBracket bracketDraft(double draft, const WaterlineHeights& z, int top)
{
    for (int k = 1; k <= top; ++k)
        if (draft == z[static_cast<std::size_t>(k)])
            return {k, k};
    WaterlineBracket bracket{1, top};
    for (int k = 1; k <= top; ++k) {
        if (z[static_cast<std::size_t>(k)] < draft) {
            bracket.lower = k;
        } else {
            bracket.upper = k;
            break;
        }
    }
    return bracket;
}

std::string roundedText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    // A value too large to scale keeps its own digits.
    return readableGeneral(std::isfinite(rounded) ? rounded : value);
}

void requireDraftWithinWaterlines(double draft, const WaterlineHeights& z, int topWaterline, std::string_view quantity,
                                  int frameRow)
{
    requireFinite(draft);
    const double lowest = z[1];
    const double highest = z.at(static_cast<std::size_t>(topWaterline));
    if (draft >= lowest && draft <= highest)
        return;
    std::string message(quantity);
    message += " " + roundedText(draft, 3) + " м";
    if (frameRow > 0)
        message += " на шпангоуте " + frameLabel(frameRow - 1);
    message += " вне диапазона ватерлиний " + roundedText(lowest, 3) + " – " + roundedText(highest, 3) + " м";
    throw Error(message);
}

}  // namespace hullcalc
