#include "strength/hull_steel.h"

#include <array>

namespace hullcalc {

namespace {

struct SteelEntry {
    HullSteel steel;
    std::string_view key;
    double yieldStress;
    double factor;
};

// k_L = 1,0 for a specified minimum yield stress of 235 N/mm², 0,78 for 315
// and 0,72 for 355: Lloyd's Register, «Rules and Regulations for the
// Classification of Ships», July 2022, Part 3, Chapter 2, 1.2.2, Table 2.1.1
// «Values of k_L» (the hull girder section modulus of higher tensile steel).
constexpr std::array<SteelEntry, 3> entries = {{
    {HullSteel::mild, "235", 235.0, 1.0},
    {HullSteel::higher315, "315", 315.0, 0.78},
    {HullSteel::higher355, "355", 355.0, 0.72},
}};

const SteelEntry& entryOf(HullSteel steel)
{
    for (const SteelEntry& entry : entries)
        if (entry.steel == steel)
            return entry;
    return entries[0];
}

}  // namespace

std::string_view hullSteelKey(HullSteel steel) { return entryOf(steel).key; }

std::optional<HullSteel> hullSteelFromKey(std::string_view key)
{
    for (const SteelEntry& entry : entries)
        if (key == entry.key)
            return entry.steel;
    return std::nullopt;
}

double hullSteelYieldStress(HullSteel steel) { return entryOf(steel).yieldStress; }

double hullSteelFactor(HullSteel steel) { return entryOf(steel).factor; }

}  // namespace hullcalc
