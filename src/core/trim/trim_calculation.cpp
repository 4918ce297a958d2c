#include "trim/trim_calculation.h"

#include "common/grid_values.h"
#include "trim/bonjean_drawing.h"
#include "trim/initial_stability.h"
#include "trim/particular_values.h"

namespace hullcalc {

ParticularValues runTrimCalculation(TrimSheet& sheet, const ShipParticulars& typed)
{
    clearTrimResults(sheet);
    // Every particular the steps read is converted here, once, so that one
    // at fault stops the run before any step writes.
    const ParticularValues particulars = readParticularValues(typed);
    requireTypedMagnitudes(sheet.input.offsets);
    requireTypedMagnitudes(sheet.input.masses);
    buildWaterlineHeights(particulars.waterlineSpacing, sheet.bonjean.waterlineHeights);
    drawBodyPlan(sheet.input, sheet.bonjean.waterlineHeights, sheet.bonjean.bodyPlan);
    computeBonjeanScale(sheet.input, particulars, sheet.bonjean);
    drawBonjeanCurves(sheet.bonjean);
    drawBonjeanScale(sheet.bonjean);
    computeHydrostaticCurves(sheet.input, sheet.bonjean, particulars, sheet.hydrostatics);
    computeCurvesOfForm(sheet.bonjean, sheet.hydrostatics, particulars, sheet.curvesOfForm);
    const DesignWaterline waterline =
        findDesignWaterline(sheet.bonjean, sheet.hydrostatics, particulars, sheet.iteration);
    drawDesignWaterline(sheet.iteration, sheet.bonjean);
    buildTrimTable(sheet.input, sheet.iteration, sheet.hydrostatics.frameSpacing, particulars, waterline,
                   sheet.results);
    // h and H from the design waterline's own waterplane, on the hull as the
    // offsets draw it (up to the top waterline, which holds the waterline).
    const WaterlineHeights& z = sheet.bonjean.waterlineHeights;
    const HullSections drawnHull =
        buildHullSections(sheet.input.offsets, z, z[waterlineCount], particulars.length, particulars.frameSpacing);
    computeInitialStability(drawnHull, sheet.iteration, particulars, sheet.stability);
    sheet.complete = true;
    return particulars;
}

}  // namespace hullcalc
