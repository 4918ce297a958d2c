// The Bonjean scale: for every frame and every waterline, the immersed area of
// the section below that waterline and its static moment about the base line,
// with the body plan, sectional-area and static-moment charts built on them.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"
#include "trim/waterline_interpolation.h"

namespace hullcalc {

struct BonjeanScale {
    BonjeanScale();

    // Heights of the waterlines of the offsets table, kept from the last run
    // for every later step and the vibration calculation.
    WaterlineHeights waterlineHeights{};
    // Both sides of frame row r below waterline j, laid out as the offsets.
    TextGrid sectionAreas{waterlineCount + 1, frameCount + 1};    // m²
    TextGrid sectionMoments{waterlineCount + 1, frameCount + 1};  // about the base line, m³

    ChartModel bodyPlan;             // half-breadth against height, one series per frame
    ChartModel bonjeanCurves;        // the Bonjean scale drawn: areas at the stations
    ChartModel bonjeanMomentCurves;  // and the static moments at the stations
    ChartModel sectionalAreaCurves;  // area along the hull, one series per waterline
    ChartModel staticMomentCurves;   // moment against height, one series per frame

    bool operator==(const BonjeanScale&) const = default;
};

// "1".."10" across and "0 шп".."20 шп" down both tables.
void writeBonjeanHeaders(BonjeanScale& scale);

// z[k + 1] = z[k] + ΔT from z[1] = 0, by repeated addition (not k·ΔT), so the
// heights carry the rounding the tables were always computed with. ΔT in m.
void buildWaterlineHeights(double waterlineSpacing, WaterlineHeights& z);

// The body plan: each frame's half-breadth against height, frames 0..9 on the
// positive side and 10..20 mirrored onto the negative side.
void drawBodyPlan(const InputTables& input, const WaterlineHeights& z, ChartModel& bodyPlan);

// The body plan of what reads as numbers now, drawn as the offsets are typed,
// before any calculation: a cell that is not a number (half typed, empty) is
// left out of its frame's curve, and without a positive ΔT there are no
// heights and nothing is drawn. Never throws.
void drawReadableBodyPlan(const InputTables& input, const ShipParticulars& particulars, ChartModel& bodyPlan);

// Immersed areas (m²) and static moments about the base line (m³) of both
// sides of each frame up to each waterline, by the trapezoidal rule over the
// waterlines with each strip's moment at its centroid. Reads the heights
// already in `scale`.
void computeBonjeanScale(const InputTables& input, const ParticularValues& particulars, BonjeanScale& scale);

// Sectional-area curves per waterline and static moments per frame, read back
// from the Bonjean tables.
void drawBonjeanCurves(BonjeanScale& scale);

}  // namespace hullcalc
