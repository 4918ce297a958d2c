// Engineering checks of the trim calculation's input before a run and of its
// results after one: warnings the user may act on, never a reason to stop.
#pragma once

#include "trim/input_tables.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <string>
#include <vector>

namespace hullcalc {

// One finding and the place a window can point at.
struct Warning {
    enum class Place {
        None,        // the results as a whole
        Offset,      // the offsets cell (column, row): waterline column 1..10, frame row 1..21
        Mass,        // the masses cell (1, row), spacing row 1..20; row 0 for the whole column
        Particular,  // the particular `particular`
    };

    std::string message;  // Russian, numbers with a decimal comma
    Place place = Place::None;
    int column = 0;
    int row = 0;
    std::string ShipParticulars::*particular = nullptr;

    bool operator==(const Warning&) const = default;
};

namespace designLimits {
// |L − 20·ΔL| / L: a frame spacing L/20 typed to the millimetre passes for any
// length above 10 m, a real mismatch of levers and integrals does not.
inline constexpr double lengthMismatch = 0.001;
// |Σm − Δ| / Δ of the spacing masses against the design displacement. The
// iteration accepts a volume within 0,4 %; masses further off than 0,5 % leave
// a shear force at the stern that the closure correction spreads over the hull.
inline constexpr double massSumMismatch = 0.005;
// Closures at the stern in % of the largest |value| along the hull after the
// correction. Customary practice, not a classification rule: the table method
// of the still-water load calculation (loads integrated from the bow, the
// closure spread linearly) is taken as sound when the shear force closes within
// about 3 % of its largest value and the bending moment within 5-6 %, as taught
// in Russian ship structural mechanics courses (Курдюмов А. А., «Прочность
// корабля»). Of the 5-6 % the stricter 5 % is kept.
inline constexpr double shearForceClosurePercent = 3.0;
inline constexpr double bendingMomentClosurePercent = 5.0;
// A closure is worth a warning only when it also matters for the ship as a
// whole: above 0,1 % of its weight D·g (kN) for the shear force and 0,01 % of
// D·g·L (kN·m) for the bending moment. A nearly balanced ship has small
// largest values, against which any rounding is many per cent.
inline constexpr double shearForceClosureFloor = 0.001;      // of D·g
inline constexpr double bendingMomentClosureFloor = 0.0001;  // of D·g·L
// |XG − XC| / L at the accepted waterline. The iteration accepts only within
// 0,0001·L, so after a normal run the gap is never larger; beyond ten times
// that the results no longer belong to the XG now typed (it was changed after
// the run). 0,001·L is where it matters: the trim is off by (XG − XC)·L/R, for
// the example ship (R ≈ 316 m) about 2 cm, over the drafts' shown precision.
inline constexpr double equilibriumMismatch = 0.001;
// |XG − Σmᵢxᵢ/Σmᵢ| / L: the typed centre of gravity against the centroid of
// the spacing masses (xᵢ the middle of spacing i from midship). The trim puts
// XC under XG, while the loads follow the masses: beyond 0,5 % of L the ship
// trimmed is another than the masses describe, and it shows only as a large
// closure of the bending moment.
inline constexpr double centroidMismatch = 0.005;
// Least initial metacentric height of a sea-going ship, m: International Code
// on Intact Stability, 2008 (IMO res. MSC.267(85)), part A, 2.2, general
// criteria, "GM0 ≥ 0,15 m" (as its summary at shipcalculators.com,
// "IS Code 2008 Part A §2.2 general intact-stability criteria", gives it; the
// paragraph's own text was not found).
inline constexpr double seaGoingMetacentricHeight = 0.15;
// The range of ships: generous plausibility bounds of this program, not rules.
// The largest ships afloat stay well inside them (about 460 m long, 70 m broad,
// 35 m deep, 30 m draft, 660 000 t); a value beyond is most likely a slip of
// the unit or the decimal comma. ΔL is L/20 and ΔT about T/9 at these bounds.
inline constexpr double largestLength = 500.0;              // L, m
inline constexpr double largestBreadth = 100.0;             // B, m
inline constexpr double largestDepth = 60.0;                // H, m
inline constexpr double largestDraft = 40.0;                // T, m
inline constexpr double largestDisplacement = 1'000'000.0;  // D and the design displacement, t
inline constexpr double largestFrameSpacing = 25.0;         // ΔL, m
inline constexpr double largestWaterlineSpacing = 5.0;      // ΔT, m
}  // namespace designLimits

// The draft T, which no calculation reads, against what it must agree with:
// above the base line, not above the top waterline of the offsets table
// (9·ΔT), not above the depth H. The main window shows these as they are
// typed. Never throws.
std::vector<Warning> checkDraft(const ShipParticulars& particulars);

// Before the calculation: the particulars against the range of ships, z_g
// between the keel and the deck (0…H), half-breadths below zero or above B/2,
// L against 20·ΔL, the draft as checkDraft checks it, the sum of the spacing
// masses against the design displacement, and XG against the centroid of the
// spacing masses. Numbers are echoed as the windows show them. Never throws: a text that is not a number is skipped
// (the calculation names it), and a check whose particulars are not numbers is not made.
std::vector<Warning> checkInput(const ShipParticulars& particulars, const InputTables& input);

// Every cell of the offsets and the masses whose text is not a number, each
// named, so that all can be mended before a run (which stops at the first);
// a table left wholly empty is one warning. The trim window lists them with
// the other checks; the calculation itself still names the first.
std::vector<Warning> checkNumberTexts(const InputTables& input);

// After a completed calculation (none for an incomplete sheet): the shear-force
// and bending-moment closures against the largest corrected values, the XG now
// typed against the XC of the accepted waterline, and with z_g given the
// initial metacentric height h (not above 0: unstable; below 0,15 m on a
// sea-going ship) or that it could not be found at the mean draft.
std::vector<Warning> checkResults(const ShipParticulars& particulars, const TrimSheet& sheet);

}  // namespace hullcalc
