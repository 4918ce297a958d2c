#include "trim/trim_calculation.h"

#include "trim/bonjean_drawing.h"

namespace hullcalc {

void runTrimCalculation(TrimSheet& sheet, const ShipParticulars& particulars)
{
    clearTrimResults(sheet);
    requirePositiveParticulars(particulars);
    // A z_g typed but not a number stops the run before any step writes.
    optionalParticularValue(particulars, &ShipParticulars::verticalCentreOfGravity);
    buildWaterlineHeights(particulars, sheet.bonjean.waterlineHeights);
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
    computeInitialStability(sheet.curvesOfForm, sheet.bonjean.waterlineHeights, particulars, waterline.meanDraft,
                            sheet.stability);
    sheet.complete = true;
}

}  // namespace hullcalc
