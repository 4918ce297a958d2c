// The hydrostatic curves: for each waterline of the offsets table, the volume of
// displacement and its centre of buoyancy, the waterplane with its centre of
// flotation and moments of inertia, and the metacentric radii r and R.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "trim/bonjean_scale.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"

namespace hullcalc {

// One curve of form: its value on each waterline (column k, from 1) and the
// value drawn against the waterline's height.
struct HydrostaticCurve {
    TextGrid values{waterlineCount + 1, 1, 1, 0};
    ChartModel chart = singleSeriesChart("", colours::red);

    bool operator==(const HydrostaticCurve&) const = default;
};

// Abscissae are from midship, positive towards the bow; the waterplane's
// moments of inertia are of one side.
struct HydrostaticCurves {
    HydrostaticCurve volume;               // V, m³
    HydrostaticCurve centreOfBuoyancy;     // XC, m
    HydrostaticCurve waterplaneArea;       // S, m²
    HydrostaticCurve centreOfFlotation;    // XF, m
    HydrostaticCurve longitudinalInertia;  // Iy about frame 0, m⁴
    HydrostaticCurve transverseInertia;    // Iz about the centre line, m⁴
    HydrostaticCurve transverseRadius;     // r, m
    HydrostaticCurve longitudinalRadius;   // R, m

    // The design length L and the frame spacing ΔL of the last run, m, kept
    // for the later steps and the vibration calculation.
    double length = 0.0;
    double frameSpacing = 0.0;

    bool operator==(const HydrostaticCurves&) const = default;
};

// Whether `curve` (one of `curves`) has a value on waterline j: XC, r and R
// need a volume, XF a waterplane area. Where that is 0 the grids keep their
// texts ("0", or XF as it was), but the value is undefined: no chart point,
// and the report, the workbook and the JSON leave it empty. The other curves
// are defined wherever their cell holds a number.
bool isDefinedOn(const HydrostaticCurves& curves, const HydrostaticCurve& curve, int waterline);

// Integrates along the hull, frame spacing by frame spacing (trapezoidal rule,
// each strip's moment at its own centroid): the volumes from the Bonjean
// areas, the waterplanes from the half-breadths.
void computeHydrostaticCurves(const InputTables& input, const BonjeanScale& bonjean,
                              const ParticularValues& particulars, HydrostaticCurves& curves);

}  // namespace hullcalc
