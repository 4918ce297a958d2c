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

    StrengthInput input;
    StrengthSheet strength;
};

}  // namespace hullcalc
