// The ship's main particulars as the main window holds them: the texts of its
// edits, converted to numbers only by a calculation when it runs, and the water
// density chosen by the ship type.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace hullcalc {

inline constexpr double seaWaterDensity = 1.025;  // t/m³
inline constexpr double riverWaterDensity = 1.0;  // t/m³

struct ShipParticulars {
    std::string ShipD = "1503";     // displacement D, t (read by no calculation)
    std::string ShipL = "75";       // design length L, m
    std::string ShipB = "11";       // design breadth B, m
    std::string ShipH = "3,5";      // depth H, m (read by no calculation)
    std::string ShipT = "2,25";     // draft T, m (read by no calculation)
    std::string ShipDr = "886,74";  // displacement in the design loading case, t
    std::string ShipXct = "-3,72";  // abscissa of the centre of gravity from midship, m
    std::string ShipdL = "3,75";    // theoretical frame spacing ΔL, m
    std::string ShipdT = "0,39";    // distance ΔT between the waterlines of the offsets, m
    double WaterDensity = 0.0;      // t/m³; set by the ship type

    static constexpr std::array<std::string_view, 9> names = {"ShipD",  "ShipL",   "ShipB",  "ShipH", "ShipT",
                                                              "ShipDr", "ShipXct", "ShipdL", "ShipdT"};

    // The text of the edit with that name, or nullptr for an unknown name.
    std::string* text(std::string_view name);
    const std::string* text(std::string_view name) const;
};

}  // namespace hullcalc
