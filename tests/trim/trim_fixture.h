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

    // `text` in the offsets of frame rows fromRow..toRow, waterlines 1..toColumn.
    void setOffsets(const std::string& text, int fromRow = 1, int toRow = frameCount, int toColumn = waterlineCount)
    {
        for (int row = fromRow; row <= toRow; ++row)
            for (int column = 1; column <= toColumn; ++column)
                sheet.input.offsets.setCell(column, row, text);
    }

    // A wall-sided box barge 75 × 11 m (every offset 5,5 m) of `displacement` t
    // spread evenly over the 20 spacings (`perSpacing` t each), XG 0: weight and
    // buoyancy balance in every spacing on an even keel.
    void loadBoxBarge(const std::string& displacement, const std::string& perSpacing)
    {
        setOffsets("5,5");
        for (int row = 1; row <= spacingCount; ++row)
            sheet.input.masses.setCell(1, row, perSpacing);
        particulars.designDisplacement = displacement;
        particulars.centreOfGravity = "0";
    }

    // The particulars as the run hands them to its steps.
    ParticularValues values() const { return readParticularValues(particulars); }

    TrimSheet sheet;
    ShipParticulars particulars;
};

}  // namespace hullcalc
