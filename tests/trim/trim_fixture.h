// The trim sheet as the program has it after start-up, "Пример" and river water:
// the starting point of most core tests.
#pragma once

#include "error_of.h"
#include "trim/bonjean_scale.h"
#include "trim/hydrostatic_curves.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"
#include "trim/trim_sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace hullcalc {

class ExampleShip : public testing::Test {
protected:
    ExampleShip()
    {
        particulars.shipType = ShipType::river;
        writeHeaders(sheet);
        fillExampleShip(sheet.input);
    }

    // The Bonjean scale, then the curves of form, which the trim iteration reads.
    void computeCurves()
    {
        buildWaterlineHeights(values().waterlineSpacing, sheet.bonjean.waterlineHeights);
        drawBodyPlan(sheet.input, sheet.bonjean.waterlineHeights, sheet.bonjean.bodyPlan);
        computeBonjeanScale(sheet.input, values(), sheet.bonjean);
        drawBonjeanCurves(sheet.bonjean);
        computeHydrostaticCurves(sheet.input, sheet.bonjean, values(), sheet.hydrostatics);
    }

    // The particulars as the run hands them to its steps.
    ParticularValues values() const { return readParticularValues(particulars); }

    TrimSheet sheet;
    ShipParticulars particulars;
};

}  // namespace hullcalc
