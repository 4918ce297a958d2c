#include "trim/stability_trim.h"

namespace hullcalc {

std::string_view stabilityTrimKey(StabilityTrim mode) { return mode == StabilityTrim::free ? "free" : "fixed"; }

std::optional<StabilityTrim> stabilityTrimOf(std::string_view key)
{
    if (key == "fixed")
        return StabilityTrim::fixed;
    if (key == "free")
        return StabilityTrim::free;
    return std::nullopt;
}

std::string_view stabilityTrimCaption(StabilityTrim mode)
{
    return mode == StabilityTrim::free ? "свободный дифферент (ЦВ под ЦТ по длине)"
                                       : "дифферент расчетной ватерлинии сохраняется";
}

}  // namespace hullcalc
