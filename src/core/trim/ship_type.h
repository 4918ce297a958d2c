// The ship type the main window's buttons choose, and the density of the water
// it sets for every calculation.
#pragma once

#include <optional>

namespace hullcalc {

enum class ShipType { river, sea };

inline constexpr double seaWaterDensity = 1.025;  // t/m³
inline constexpr double riverWaterDensity = 1.0;  // t/m³

// ρ of the water the ship floats in, t/m³.
constexpr double waterDensity(ShipType type) { return type == ShipType::sea ? seaWaterDensity : riverWaterDensity; }

// ... and 0 while no type is chosen (the start-up state), which every
// calculation that divides by it refuses.
constexpr double waterDensity(std::optional<ShipType> type) { return type ? waterDensity(*type) : 0.0; }

}  // namespace hullcalc
