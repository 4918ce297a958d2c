// The Bonjean scale: for every frame and every waterline, the immersed area of
// the section below that waterline and its static moment about the base line,
// with the body plan, sectional-area and static-moment charts built on them.
// Stages 1 to 4 of the trim calculation.
#pragma once

#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

namespace hullcalc {

// Stage 1: clears the kept drafts and builds the waterline heights
// z[k + 1] = z[k] + ΔT by repeated addition (not k·ΔT).
void resetWaterlineHeights(TrimSheet& sheet, const ShipParticulars& particulars);

// Stage 2: the body plan - each frame's half-breadth against height, frames
// 0..9 on the positive side and 10..20 mirrored onto the negative side.
void drawBodyPlan(TrimSheet& sheet);

// Stage 3: immersed areas (UWAGrid, m²) and static moments about the base line
// (StatMomGrid, m³) of both sides of each frame up to each waterline, by the
// trapezoidal rule over the waterlines with each strip's moment at its centroid.
void computeBonjeanScale(TrimSheet& sheet, const ShipParticulars& particulars);

// Stage 4: sectional-area curves per waterline and static moments per frame,
// read back from the Bonjean tables.
void drawBonjeanCurves(TrimSheet& sheet);

}  // namespace hullcalc
