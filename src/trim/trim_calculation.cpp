#include "trim/trim_calculation.h"

#include "trim/bonjean.h"

namespace hullcalc {

void runTrimCalculation(TrimSheet& sheet, const ShipParticulars& particulars)
{
    sheet.kept.complete = false;
    resetWaterlineHeights(sheet, particulars);
    drawBodyPlan(sheet);
    computeBonjeanScale(sheet, particulars);
    drawBonjeanCurves(sheet);
    sheet.kept.complete = true;
}

}  // namespace hullcalc
