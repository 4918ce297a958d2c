// Natural frequency of vertical hull-girder vibration for one tone by the energy
// (Rayleigh) method, on the hull as the last trim calculation left it.
#pragma once

#include "common/text_grid.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_sheet.h"

namespace hullcalc {

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
// Reads L and B of the particulars' texts and the water density.
// Throws Error, writing nothing, when a frame's draft lies outside the
// waterlines of the offsets table; any later failure (a text that is not a
// number, a division by zero) stops it where it occurs and what was written
// stays.
VibrationResults computeVibration(const TrimmedHull& hull, const ShipParticulars& particulars, VibrationSheet& sheet);

// Running sum of `source` into `column` over the spacing rows 1..20: row 1
// takes the source text as it stands, row r the sum of its own row r − 1 and
// source row r. The sums row 21 takes the trapezoidal rule over the column,
// (sum of rows 1..20) − (row 1 + row 20)/2. Each value is read from its text.
void writeRunningSum(TextGrid& table, int source, int column);

}  // namespace hullcalc
