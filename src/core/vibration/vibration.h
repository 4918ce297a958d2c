// Natural frequency of vertical hull-girder vibration for one tone by the energy
// (Rayleigh) method, on the hull as the last trim calculation left it.
#pragma once

#include "common/display_precision.h"
#include "common/text_grid.h"
#include "trim/particular_values.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

// The columns of the vibration table. Rows 1..20 are the spacings from the bow;
// row 21 holds the column's sum (or, for halfBreadth, the stern frame).
namespace vibrationTableColumn {
inline constexpr int halfBreadth = 1;      // y at the local waterline, per frame, m
inline constexpr int meanHalfBreadth = 2;  // b, m
inline constexpr int meanDraft = 3;        // T, m
inline constexpr int meanArea = 4;         // ω, immersed sectional area, m²
inline constexpr int addedMass = 5;        // added water mass, t/m
inline constexpr int hullMass = 6;         // t/m
inline constexpr int totalMass = 7;        // m, hull and added water, t/m
inline constexpr int reducedMass = 8;      // m′ = m/10
inline constexpr int massIntegral = 9;     // running sum of m′
inline constexpr int lever = 10;           // ξ, abscissa from midship in lengths
inline constexpr int massMoment = 11;      // m′·ξ
inline constexpr int massMomentIntegral = 12;
inline constexpr int assumedShape = 13;  // s = sin(π·n·X)
inline constexpr int shapeLoad = 14;     // m′·s
inline constexpr int shapeLoadIntegral = 15;
inline constexpr int turn = 16;            // ξ·β
inline constexpr int correctedShape = 17;  // w = s + δ + β·ξ
inline constexpr int checkLoad = 18;       // m′·w
inline constexpr int checkLoadIntegral = 19;
inline constexpr int inertia = 20;        // i, sectional moment of inertia as typed, m⁴
inline constexpr int stiffnessTerm = 21;  // i·s²
inline constexpr int massTerm = 22;       // m′·w²
}  // namespace vibrationTableColumn

// The captions of the vibration table's columns 1..22 with their units, as
// the window and the report head them (the grid's own header row keeps the
// column numbers). Σ is the running sum from the bow.
inline constexpr std::array<std::string_view, 22> vibrationColumnCaptions = {"y носового шп, м",
                                                                             "b, м",
                                                                             "T, м",
                                                                             "ω, кв. м",
                                                                             "mпр, т/м",
                                                                             "mк, т/м",
                                                                             "m, т/м",
                                                                             "m′ = m/10",
                                                                             "Σm′",
                                                                             "ξ",
                                                                             "m′ξ",
                                                                             "Σm′ξ",
                                                                             "s",
                                                                             "m′s",
                                                                             "Σm′s",
                                                                             "βξ",
                                                                             "w = s+δ+βξ",
                                                                             "m′w",
                                                                             "Σm′w",
                                                                             "i, м⁴",
                                                                             "i·s²",
                                                                             "m′w²"};

// The vibration table's captions as the window and the report head it:
// "1. y носового шп, м" .. "22. m′w²" over columns 1..22, and down rows 1..21
// the spacings from the bow, then the sums' row.
struct VibrationTableCaptions {
    std::vector<std::string> columns;
    std::vector<std::string> rows;
};
VibrationTableCaptions vibrationTableCaptions();

// The precision the table's column is shown with: the half-breadths and the
// draft as lengths, the area, the masses per metre; the rest as written.
DisplayPrecision vibrationColumnPrecision(int column);

// What the vibration calculation reads of the trim sheet: the input tables,
// and the waterline heights, length, frame spacing and drafts the last
// completed trim run left.
struct TrimmedHull {
    const InputTables& input;
    const WaterlineHeights& waterlineHeights;
    double length;        // L, m
    double frameSpacing;  // ΔL, m
    const WaterlineIteration& waterline;
};

// The trimmed hull of the sheet. Throws Error when no trim run has completed.
TrimmedHull trimmedHull(const TrimSheet& trim);

// The results as doubles, before they become label texts.
struct VibrationResults {
    double stiffness = 0.0;  // generalized stiffness Cg, kN/m
    double mass = 0.0;       // generalized mass Mg, t
    double frequency = 0.0;  // sqrt(Cg / Mg), 1/s
    double shift = 0.0;      // shift δ of the corrected mode shape
    double turn = 0.0;       // turn β of the corrected mode shape
};

// Fills the vibration table column by column for the tone chosen in `sheet`,
// each value written as "%8.4f" text and read back from it by the columns that
// follow; draws the corrected mode shape and writes the five result texts.
// Reads L, B and the water density of the particulars the trim run read.
// Throws Error, writing nothing, when a frame's draft lies outside the
// waterlines of the offsets table; any later failure (a text that is not a
// number, a division by zero) stops it where it occurs and what was written
// stays.
VibrationResults computeVibration(const TrimmedHull& hull, const ParticularValues& particulars, VibrationSheet& sheet);

// Running sum of `source` into `column` over the spacing rows 1..20: row 1
// takes the source text as it stands, row r the sum of its own row r − 1 and
// source row r. The sums row 21 takes the trapezoidal rule over the column,
// (sum of rows 1..20) − (row 1 + row 20)/2. Each value is read from its text.
void writeRunningSum(TextGrid& table, int source, int column);

}  // namespace hullcalc
