// The example ship after "Пример" and "Расчет" on river water, with tone I
// computed in the vibration window and all four tones compared, as the
// content of a report.
#pragma once

#include "common/number_text.h"
#include "report/report_content.h"
#include "trim/trim_calculation.h"
#include "vibration/beam_model.h"
#include "vibration/vibration.h"

#include <vector>

namespace hullcalc {

struct ExampleReport {
    ShipParticulars particulars;
    TrimSheet trim;
    VibrationSheet vibration;
    std::vector<ToneSummary> tones;

    ExampleReport()
    {
        particulars.waterDensity = riverWaterDensity;
        writeHeaders(trim);
        fillExampleShip(trim.input);
        runTrimCalculation(trim, particulars);
        writeVibrationHeaders(vibration);
        // The beam model here carries the hull's own mass per metre, without
        // the added water: tones to compare, not the window's comparison.
        std::vector<double> inertia;
        std::vector<double> massPerMetre;
        for (int row = 1; row <= spacingCount; ++row) {
            inertia.push_back(parseNumber(vibration.sectionInertia.cell(1, row)));
            massPerMetre.push_back(parseNumber(trim.input.masses.cell(1, row)) / 3.75);
        }
        const std::vector<BeamMode> modes = freeFreeBeamModes(inertia, massPerMetre, 3.75, hullModulus, highestTone);
        for (int tone = highestTone; tone >= lowestTone; --tone) {
            selectTone(vibration, tone);
            const VibrationResults results = computeVibration(trimmedHull(trim), particulars, vibration);
            const BeamMode& mode = modes[static_cast<std::size_t>(tone - 1)];
            tones.insert(tones.begin(), {tone, results.frequency, mode.circularFrequency, mode.deflection});
        }
    }

    ReportContent content() const
    {
        return {particulars, trim, &vibration, tones, 37.7, {}, "пример.txt", "07.12.2026"};
    }
};

}  // namespace hullcalc
