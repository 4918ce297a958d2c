// Everything the calculation report and the Excel workbook are made from: the
// sheets of a run, the tones compared, the remarks, the file and the date.
// The windows and the command line make it from their run by one function.
#pragma once

#include "common/chart_model.h"
#include "common/step_sheet.h"
#include "project/title_block.h"
#include "run/ship_run.h"
#include "strength/strength_calculation.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/resonance.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hullcalc {

struct ReportContent {
    const ShipParticulars& particulars;         // with the water density of the ship type
    const TrimSheet& trim;                      // after a calculation, complete or not
    const VibrationSheet* vibration = nullptr;  // the last vibration run, or null
    std::vector<ToneSummary> tones;             // every tone compared, or empty
    std::optional<double> kumaiPerMinute;       // the Kumai estimate of tone I, кол/мин, when known
    std::vector<std::string> warnings;          // the remarks of the input and result checks, Russian
    std::string fileName;                       // of the project or data file, or empty
    std::string date;                           // as it is to be printed
    const StrengthSheet* strength = nullptr;    // the strength check, when it completed
    bool fullPrecision = false;                 // every stored digit ("Полная точность"), else rounded
    TitleBlock title{};                         // ship, author, group, variant, supervisor, date
    // The sheets of the steps that have one, by key, as their pages show them.
    std::vector<std::pair<std::string_view, StepSheet>> sheets = {};
    std::string shearAreaNote{};               // the beam with shear's shear area and its source
    std::vector<ResonanceMargin> resonance{};  // the tones' margins from the exciting frequencies
    double resonanceLimitPercent = 0.0;        // inside ±this a tone is near resonance
    ChartModel campbell{};                     // the tones and excitations against shaft speed

    // The sheet of step `key`, or null.
    const StepSheet* sheet(std::string_view key) const;
};

// The remarks of a run: every step's warnings, Kumai's note, a beam model that
// could not be made, and each step that failed (with the place of its cause)
// or was not computed (with why).
std::vector<std::string> reportRemarks(const ShipRun& run);

// The run's particulars and trim sheet, the vibration sheet of `shownTone`
// (or of the lowest tone computed; null without one), the tones compared by
// the methods, Kumai's estimate when computed, the remarks, the file's name
// (empty for the example ship) and `date`. Refers to the run, which must
// outlive it.
ReportContent reportContentOf(const ShipRun& run, std::string fileName, std::string date, int shownTone = 0);

// Today's local date as the report prints it: "07.12.2026".
std::string todayText();

}  // namespace hullcalc
