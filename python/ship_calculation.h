// One whole calculation of a ship for the Python module: the checks of the
// input, the trim calculation, the checks of its results, the vibration of the
// tones asked for and Kumai's estimate, then the result document of schema
// hullcalc-result/1 as hullcalc-cli writes it.
#pragma once

#include "project/project.h"
#include "trim/design_checks.h"
#include "trim/trim_sheet.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace hullcalc::python {

struct ShipCalculation {
    struct Tone {
        VibrationSheet sheet;
        std::optional<ToneSummary> beam;
        std::optional<std::string> beamError;
    };
    struct Kumai {
        double perMinute = 0.0;          // кол/мин
        double differencePercent = 0.0;  // the energy method's tone I against it, % of the estimate
    };
    // The message the windows would show, and the JSON Pointer into the result
    // document of the input value at fault (empty when no one value is).
    struct Failure {
        std::string message;
        std::string place;
        std::string location;  // as the windows label the cell or particular
    };

    ShipParticulars particulars;
    TrimSheet sheet;
    VibrationSheet vibrationInput;
    std::vector<Tone> tones;
    std::optional<Kumai> kumai;
    std::vector<Warning> warnings;
    std::optional<Failure> failure;
};

// Runs the ship of `project` (its water density already chosen) for each tone
// of `tones`, with Kumai's estimate when `withKumai`. Never throws for bad
// input: the first failure is recorded and stops the calculation.
ShipCalculation calculateShip(const Project& project, const std::vector<int>& tones, bool withKumai);

// The result document of the calculation, keys in alphabetical order.
nlohmann::json resultDocument(const ShipCalculation& calculation);

}  // namespace hullcalc::python
