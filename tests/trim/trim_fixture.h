// The trim sheet as the program has it after start-up, "Пример" and river water:
// the starting point of most core tests.
#pragma once

#include "trim/bonjean.h"
#include "trim/hydrostatics.h"
#include "trim/input_tables.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace hullcalc {

class ExampleShip : public testing::Test {
protected:
    ExampleShip()
    {
        particulars.WaterDensity = riverWaterDensity;
        setUpGrids(sheet);
        fillExampleShip(sheet);
    }

    // Stages 1 to 5: the Bonjean scale, then the curves of form, which the
    // trim iteration reads.
    void computeCurves()
    {
        resetWaterlineHeights(sheet, particulars);
        drawBodyPlan(sheet);
        computeBonjeanScale(sheet, particulars);
        drawBonjeanCurves(sheet);
        computeHydrostaticCurves(sheet, particulars);
    }

    // The message of the Error that `action` throws, or "no error".
    template<typename Action>
    static std::string errorOf(Action&& action)
    {
        try {
            action();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "no error";
    }

    TrimSheet sheet;
    ShipParticulars particulars;
};

}  // namespace hullcalc
