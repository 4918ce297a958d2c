// The added mass of water of vertical hull-girder vibration by Lewis's
// sections: each spacing's section at the design waterline mapped onto a Lewis
// form of its half-breadth, draft and area, its two-dimensional coefficient C,
// and the three-dimensional reduction J of the tone.
#pragma once

#include "common/text_grid.h"

#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// The Lewis form x + i·y = M·(ζ + a1/ζ + a3/ζ³) on the unit circle.
struct LewisForm {
    double a1 = 0.0;
    double a3 = 0.0;
    // The area coefficient σ = ω/(B·T) the form has: the section's own, or,
    // where no Lewis form of the section's B/(2T) has that area, the nearest
    // one that has (areaLimited).
    double areaCoefficient = 0.0;
    bool areaLimited = false;
};

// The Lewis form of a section of half-breadth b, draft T and immersed area ω
// (both sides), all positive. Throws Error otherwise.
LewisForm lewisForm(double halfBreadth, double draft, double area);

// Lewis's coefficient C of vertical vibration: the added mass per metre of the
// section over that of the semicircle of the same breadth, ½·ρ·π·b².
double lewisCoefficient(const LewisForm& form);

// The three-dimensional reduction factor J of tone 1..4 for the ship's L/B:
// tones I and II from the table of ellipsoids (read between its L/B of 5 to
// 15, held at its ends beyond), tones III and IV only as typed. Throws Error
// for tones III and IV without a typed value, and for a typed value outside
// (0, 1].
double reductionFactor(int tone, double lengthToBreadth, std::optional<double> typed);

struct LewisAddedMass {
    std::vector<double> perMetre;     // t/m, spacing by spacing from the bow
    std::vector<double> coefficient;  // C of each spacing (0 where the section is dry)
    double reduction = 0.0;           // J
    // Russian notes: sections whose area lay outside the Lewis forms, an L/B
    // beyond the table of J.
    std::vector<std::string> notes;
};

// ½·ρ·π·b²·C·J per spacing from the vibration table's mean half-breadth b,
// draft T and area ω (columns 2, 3, 4, rows 1..20, read from their texts); a
// spacing with no draft, breadth or area carries no water. Throws Error as
// reductionFactor does, CellError for a cell that is not a number.
LewisAddedMass lewisAddedMass(const TextGrid& vibrationTable, double waterDensity, double lengthToBreadth, int tone,
                              std::optional<double> typedReduction);

}  // namespace hullcalc
