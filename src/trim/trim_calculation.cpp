#include "trim/trim_calculation.h"

#include "trim/bonjean.h"
#include "trim/hydrostatics.h"
#include "trim/trim_iteration.h"
#include "trim/trim_table.h"

namespace hullcalc {

void runTrimCalculation(TrimSheet& sheet, const ShipParticulars& particulars)
{
    sheet.kept.complete = false;
    resetWaterlineHeights(sheet, particulars);
    drawBodyPlan(sheet);
    computeBonjeanScale(sheet, particulars);
    drawBonjeanCurves(sheet);
    computeHydrostaticCurves(sheet, particulars);
    const DesignWaterline waterline = findDesignWaterline(sheet, particulars);
    buildTrimTable(sheet, particulars, waterline);
    sheet.kept.complete = true;
}

}  // namespace hullcalc
