// The document the program works on: what the user typed, the last run of the
// calculations on it, and the sheets the windows show, which only a run
// fills. The application owns one; each window is handed the parts it shows.
#pragma once

#include "project/title_block.h"
#include "run/ship_run.h"
#include "strength/strength_calculation.h"
#include "strength/strength_input.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration_options.h"
#include "vibration/vibration_sheet.h"

namespace hullcalc {

struct Document {
    ShipParticulars particulars;  // with the water density of the ship type
    TrimSheet trim;               // the input tables typed; the results of the last run
    VibrationSheet vibration;     // the section inertias typed, the tone chosen; its results of the last run
    // The shear area, the added mass and the propulsion of the resonance check, as typed.
    VibrationOptions vibrationOptions;
    StrengthInput strengthInput;  // the wave, the allowable stress, the midship section
    StrengthSheet strength;       // the ship on the wave, the girder, the stresses of the last run
    ShipRun run;                  // the last run, every step with its inputs, results and failure
    // The furthest step a run of this document was asked for: later runs go as far.
    RunStep chainEnd = RunStep::trim;
    bool strengthAsked = false;  // «Расчет на волне» was asked for
    TitleBlock title;            // ship, author, group, variant, supervisor, date of the report
};

// The document's input as the core's ship; the strength input is part of it
// once the user asked for the check or typed any of it.
Ship shipOf(const Document& document);

// Runs every step up to `upTo` (and as far as any run of the document went)
// on the current input, keeps the run and shows its sheets: the trim sheet's
// results, the strength sheet, the chosen tone's table. Never throws for bad
// input: a failure stays in the run's step.
void computeRun(Document& document, RunStep upTo);

// Another document: no run, no results, the chain back to the trim calculation.
void forgetRun(Document& document);

}  // namespace hullcalc
