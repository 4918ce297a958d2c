// The example ship after "Пример" and "Расчет" on river water with z_g = 2 m and its
// stability at large angles, with tone I
// computed in the vibration window, all four tones compared by both methods
// and the Kumai estimate, and the strength check with the example's midship
// section on the wave of its class, as the content of a report.
#pragma once

#include "common/number_text.h"
#include "report/report_content.h"
#include "stability/large_angle_stability.h"
#include "stability/stability_sheet.h"
#include "strength/strength_calculation.h"
#include "trim/trim_calculation.h"
#include "vibration/beam_model.h"
#include "vibration/kumai_estimate.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"

#include <vector>

namespace hullcalc {

struct ExampleReport {
    ShipParticulars particulars;
    TrimSheet trim;
    VibrationSheet vibration;
    std::vector<ToneSummary> tones;
    double kumai = 0.0;
    StrengthInput strengthInput;
    StrengthSheet strength;
    std::optional<StabilitySheet> stability;

    ExampleReport()
    {
        particulars.shipType = ShipType::river;
        particulars.verticalCentreOfGravity = "2,0";
        writeHeaders(trim);
        fillExampleShip(trim.input);
        const ParticularValues values = runTrimCalculation(trim, particulars);
        writeVibrationHeaders(vibration);
        selectTone(vibration, 1);
        computeVibration(trimmedHull(trim), values, vibration);
        tones = compareTones(trimmedHull(trim), values, vibration);
        if (const std::optional<LargeAngleStability> computed =
                computeLargeAngleStability(trim.input, trim.bonjean, trim.hydrostatics, trim.iteration, values,
                                           readDepth(particulars), StabilityTrim::fixed))
            stability = stabilitySheetOf(*computed);
        kumai = kumaiTwoNodeFrequency(trim, values, vibration).perMinute;
        strengthInput = exampleStrengthInput();
        runStrengthCalculation(trim, particulars, strengthInput, strength);
    }

    ReportContent content() const
    {
        ReportContent content{particulars, trim, &vibration, tones, kumai, {}, "пример.txt", "07.12.2026"};
        content.strength = &strength;
        content.stability = stability;
        return content;
    }
};

}  // namespace hullcalc
