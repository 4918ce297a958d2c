#include "trim/waterline_interpolation.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"

#include <cmath>
#include <stdexcept>

namespace hullcalc {

double interpolate(double t, double z1, double y1, double z2, double y2)
{
    if (y2 == y1)
        return y1;
    const double q = divide(z2 - z1, y2 - y1);
    return divide(t - z1, q) + y1;
}

double valueAtDraft(const TextGrid& table, int row, double draft, const WaterlineHeights& z, int top)
{
    double lowerHeight = 0.0;
    double lowerValue = 0.0;
    for (int k = 1; k <= top; ++k) {
        const double height = z.at(static_cast<std::size_t>(k));
        const double value = cellValue(table, k, row);
        if (height == draft)
            return value;
        if (height > draft)
            return interpolate(draft, lowerHeight, lowerValue, height, value);
        lowerHeight = height;
        lowerValue = value;
    }
    throw std::logic_error("draft above the waterlines passed the range check");
}

std::string roundedText(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return formatGeneral(std::round(value * scale) / scale);
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
