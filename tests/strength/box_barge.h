// A wall-sided box barge 75 × 11 m (every offset 5,5 m) of 990 t in 20 equal
// spacings with XG 0 on river water: in still water it floats at V/(L·B) =
// 990/825 = 1,2 m on an even keel with no load, shear force or moment.
#pragma once

#include "common/number_text.h"
#include "strength/strength_calculation.h"
#include "trim/trim_calculation.h"
#include "trim/trim_fixture.h"

namespace hullcalc {

class BoxBarge : public ExampleShip {
protected:
    BoxBarge() { loadBoxBarge("990", "49,5"); }

    // The still-water calculation, then the strength check on a wave of height h.
    void runOnWave(WaveProfile profile, const std::string& height)
    {
        runTrimCalculation(sheet, particulars);
        input.profile = profile;
        input.waveHeight = height;
        runStrengthCalculation(sheet, particulars, input, strength);
    }

    // The corrected bending moment at midship (frame 10), kN·m.
    double midshipMoment(const WaveBalance& balance) const
    {
        return parseNumber(balance.frames.cell(waveFrameColumn::bendingMoment, 11));
    }

    // The four-plate box of test_hull_girder.cpp (I = 0,44625 m⁴, z₀ = 1,375 m,
    // W_deck = 0,274615 m³) with every area and own inertia times `scale`,
    // which keeps z₀ and scales I and W; the hull 3 m deep.
    void typeFourPlateBox(double scale)
    {
        particulars.depth = "3";
        const double rows[][3] = {{800, 3, 0}, {300, 1.5, 225}, {300, 1.5, 225}, {1000, 0, 0}};
        for (int row = 0; row < 4; ++row) {
            input.girderMembers.setCell(0, row + 1, "Связь");
            input.girderMembers.setCell(1, row + 1, formatGeneral(rows[row][0] * scale));
            input.girderMembers.setCell(2, row + 1, formatGeneral(rows[row][1]));
            input.girderMembers.setCell(3, row + 1, formatGeneral(rows[row][2] * scale));
        }
    }

    // The example ship on river water in place of the barge.
    void loadExampleShip()
    {
        fillExampleShip(sheet.input);
        particulars = ShipParticulars{};
        particulars.shipType = ShipType::river;
    }

    StrengthInput input;
    StrengthSheet strength;
};

}  // namespace hullcalc
