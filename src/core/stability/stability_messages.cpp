#include "stability/stability_messages.h"

#include "trim/waterline_interpolation.h"

#include <numbers>

namespace hullcalc::stabilityMessages {

std::string volumeBeyondHull(double volume, double hullVolume)
{
    return "Остойчивость на больших углах: объемное водоизмещение " + roundedText(volume, 2)
           + " м³ не вмещается в корпус до палубы (" + roundedText(hullVolume, 2)
           + " м³); проверьте высоту борта H и водоизмещение в расчетном случае";
}

std::string noEquilibrium(double heel)
{
    return "Остойчивость на больших углах: не найдено положение равновесия при крене "
           + roundedText(heel * 180.0 / std::numbers::pi, 2) + "°";
}

}  // namespace hullcalc::stabilityMessages
