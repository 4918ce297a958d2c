// What every loaded input goes through in the fuzz targets: the trim
// calculation and, when it completes, the vibration calculation of one tone.
// A refusal with hullcalc::Error is a normal outcome; anything else is a finding.
#pragma once

#include "common/error.h"
#include "fuzz_require.h"
#include "trim/trim_calculation.h"
#include "vibration/vibration.h"

namespace hullcalc {

inline void runCalculations(TrimSheet& sheet, const ShipParticulars& particulars, VibrationSheet& vibration, int tone)
{
    ParticularValues values;
    try {
        values = runTrimCalculation(sheet, particulars);
    } catch (const Error&) {
        require(!sheet.complete);
        return;
    }
    require(sheet.complete);
    writeVibrationHeaders(vibration);
    selectTone(vibration, tone);
    try {
        computeVibration(trimmedHull(sheet), values, vibration);
    } catch (const Error&) {
    }
}

}  // namespace hullcalc
