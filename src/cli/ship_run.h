// One ship as hullcalc-cli computes it: the example ship or one input data
// file, the user's edits, "Расчет" of the trim window and of the vibration
// window for each tone asked for, and where a failure stopped it.
#pragma once

#include "cli/cli_options.h"
#include "project/project.h"
#include "strength/strength_calculation.h"
#include "strength/strength_input.h"
#include "trim/design_checks.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// The columns of the vibration table the command line reads, rows 1..20 the spacings.
namespace vibrationTableColumn {
inline constexpr int massPerMetre = 7;  // hull and added water, t/m
inline constexpr int modeShape = 17;    // the corrected mode shape w
}  // namespace vibrationTableColumn

struct ShipRun {
    // One tone of the vibration calculation, as the vibration window holds it
    // after "Расчет", with the finite-element beam model's frequency beside it.
    struct Tone {
        VibrationSheet sheet;
        // Both methods' frequencies, the beam model's elastic mode of this tone
        // beside the energy method's (beamModelOf).
        std::optional<ToneSummary> beam;
        std::optional<std::string> beamError;  // why there is none, when the energy method completed
    };

    // Kumai's estimate of tone I, computed with --tone all.
    struct Kumai {
        double perMinute = 0.0;          // кол/мин
        double differencePercent = 0.0;  // the energy method's tone I against it, % of the estimate
    };

    // The calculation or the loading stopped: the message the windows would
    // show, and where its cause stands as the windows label it («page», the
    // row and column; empty when no one cell or particular is the cause).
    struct Failure {
        std::string message;
        std::string location;
    };

    std::optional<std::string> inputFile;  // as given; none for the example ship
    bool inputLoaded = true;               // false when the input file could not be read
    ShipParticulars particulars;
    TrimSheet sheet;
    // The vibration window's input (the section moments of inertia), before a tone is chosen.
    VibrationSheet vibrationInput;
    std::vector<Tone> tones;  // those attempted: none after a failed trim calculation
    std::optional<Kumai> kumai;
    // The strength check's input (the project's, then the options'), and its
    // results when it was asked for and the trim calculation completed.
    StrengthInput strengthInput;
    bool strengthAsked = false;
    std::optional<StrengthSheet> strength;
    // The checks of the input before the calculation, then of the results after it.
    std::vector<Warning> warnings;
    std::optional<Failure> failure;  // the first
};

// Prepares the input as the program starts (the example ship, an input data
// file or a project; river water unless --sea or the project's ship type says
// sea; then the user's edits), checks it, runs the trim calculation, checks
// the results, then runs the vibration calculation for each tone and, for all
// tones, the Kumai estimate. Never throws for bad input: a failure is
// recorded and stops the calculation.
ShipRun runShip(const CliOptions& options, const std::optional<std::string>& inputFile);

// The project of a run as "Сохранить проект" would write it: the particulars'
// texts and ship type, the input tables and the section inertias, edits included.
Project projectOf(const ShipRun& run);

// The first line of a message: what the JSON and the first line on standard error hold.
std::string firstLine(const std::string& message);

}  // namespace hullcalc
