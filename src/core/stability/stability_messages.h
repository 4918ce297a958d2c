// What the large-angle stability tells the user when it cannot go on.
#pragma once

#include <string>

namespace hullcalc::stabilityMessages {

// The volume to displace is none or more than the hull holds up to the deck.
std::string volumeBeyondHull(double volume, double hullVolume);

// No waterplane balances the hull at this heel (rad).
std::string noEquilibrium(double heel);

}  // namespace hullcalc::stabilityMessages
