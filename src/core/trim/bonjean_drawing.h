// The Bonjean scale as the drawing shows it: at each frame's station along the
// hull, the immersed area of the section (and on a second chart its static
// moment about the base line) against the height, with the design waterline
// drawn across the frames once the trim calculation has found it.
#pragma once

#include "trim/bonjean_scale.h"
#include "trim/waterline_iteration.h"

#include <string>

namespace hullcalc {

// A chart of the Bonjean scale: a series per frame, titled "7 шп", and the
// waterline last.
ChartModel bonjeanScaleChart(std::string title);

// How much of the quantity one frame spacing across the chart stands for:
// the smallest of 1, 2, 2,5 or 5 times a power of ten at which the largest
// value reaches no further than 0,9 of a spacing beyond its station. 1 for a
// table without a positive value.
double bonjeanScaleStep(double largest);

// Series k (0..20) of `bonjeanCurves` and `bonjeanMomentCurves` is frame k:
// its station from the top waterline down to the base line, then the curve
// at x = k + value / step, y = the waterline's height. Abscissae are in frame
// numbers; each chart's title states its step. Reads the Bonjean tables and
// the waterline heights of `scale`; the last series (the waterline) is left
// empty.
void drawBonjeanScale(BonjeanScale& scale);

// The last series of both charts: the accepted waterline, from Tн at frame 0
// to Tк at frame 20.
void drawDesignWaterline(const WaterlineIteration& iteration, BonjeanScale& scale);

}  // namespace hullcalc
