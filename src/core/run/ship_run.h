// One run of a ship, for every front end: the checks and the trim calculation,
// the ship on a wave with the stresses, the vibration of the tones asked for
// with the beam model beside each, and Kumai's estimate of tone I. The run
// keeps each step's inputs, results, warnings and failure with its place;
// nothing throws for bad input. The windows, the report, the workbook, the
// JSON, the dump, the readable report and Python all show a ShipRun.
#pragma once

#include "run/failure_place.h"
#include "run/run_step.h"
#include "run/ship.h"
#include "stability/large_angle_stability.h"
#include "strength/strength_calculation.h"
#include "trim/design_checks.h"
#include "trim/particular_values.h"
#include "trim/trim_sheet.h"
#include "vibration/resonance.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// The columns of the vibration table a result reads, rows 1..20 the spacings.
namespace vibrationTableColumn {
inline constexpr int massPerMetre = 7;  // hull and added water, t/m
inline constexpr int modeShape = 17;    // the corrected mode shape w
}  // namespace vibrationTableColumn

// The failure of `error` with its place in `trim`, `vibration` or the members
// of the midship section (each may be null).
RunFailure runFailureOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration = nullptr,
                        const TextGrid* girderMembers = nullptr);

// "Расчет" of the trim window with «Проверка данных» around it.
struct TrimRun {
    TrimSheet sheet;  // complete only when the calculation ran to its end
    // The particulars as the calculation read them, once, for the later steps
    // of the same run (zero until it read them).
    ParticularValues particulars;
    // The checks of the input before the calculation, then of the results after it.
    std::vector<Warning> warnings;
    std::optional<RunFailure> failure;
};

TrimRun runTrim(const Ship& ship);

// The checks alone, as «Проверка данных» lists them for `trim` (computed or not).
std::vector<Warning> checkShip(const ShipParticulars& particulars, const TrimSheet& trim);

// "Расчет" of the vibration window for one tone, on the hull the trim run
// left, with the finite-element beam model's frequency of the same tone.
struct ToneRun {
    VibrationSheet sheet;
    std::optional<ToneSummary> beam;
    std::optional<std::string> beamError;  // why there is no beam model, when the energy method completed
    std::optional<RunFailure> failure;
};

// `tone` 1..4; a trim run that did not complete stops it as the window would.
ToneRun runTone(const Ship& ship, const TrimRun& trim, int tone);

// Kumai's estimate of tone I beside the energy method's.
struct KumaiEstimate {
    double perMinute = 0.0;          // кол/мин
    double differencePercent = 0.0;  // the energy method's tone I against it, % of the estimate
    std::string note;                // B/T outside the formula's range, or empty
};

struct KumaiRun {
    std::optional<KumaiEstimate> estimate;
    std::optional<RunFailure> failure;
};

// `toneOne` is the energy method's run of tone I.
KumaiRun runKumai(const Ship& ship, const TrimRun& trim, const ToneRun& toneOne);

// What a run is to compute beyond the trim calculation; the strength check
// runs when the ship holds its input.
struct RunRequest {
    std::vector<int> tones;      // 1..4, each on its own sheet, in this order
    bool kumai = false;          // Kumai's estimate, after tone I
    RunStep upTo = lastRunStep;  // the last step computed
};

// The tones I to IV with Kumai's estimate beside them.
RunRequest everyTone(RunStep upTo = lastRunStep);

// A whole ship: trim, the strength check, each tone asked for until one
// fails, then the estimate; each step's record says how it ended.
struct ShipRun {
    std::optional<std::string> inputFile;  // as given; none for the example ship
    bool inputLoaded = true;               // false when the input file could not be read
    Ship ship;                             // the input, the user's edits included
    RunRequest request;
    TrimRun trim;
    // Stability at large angles, when z_g is given and it completed.
    std::optional<LargeAngleStability> stability;
    // The strength check, run after the trim calculation when the ship holds
    // its input; complete only when it ran to its end.
    std::optional<StrengthSheet> strength;
    std::vector<ToneRun> tones;  // those attempted: none after a failed trim calculation
    std::optional<KumaiEstimate> kumai;
    // The tones' margins from the propeller's and the engine's exciting
    // frequencies, those typed; empty when none is.
    std::vector<ResonanceMargin> resonance;
    double resonanceLimitPercent = 0.0;
    // Where the beam with shear took its shear area from, or why it was not
    // computed.
    std::string shearAreaNote;
    std::array<StepRecord, runStepCount> steps;
    std::optional<RunFailure> failure;  // the first

    const StepRecord& step(RunStep s) const { return steps[static_cast<std::size_t>(s)]; }
    StepRecord& step(RunStep s) { return steps[static_cast<std::size_t>(s)]; }
    // Every step's warnings in the order of the steps.
    std::vector<Warning> warnings() const;
    // The run of tone `tone`, or null when it was not attempted.
    const ToneRun* toneRun(int tone) const;
    // The tones computed, compared by the methods: each with its beam models,
    // or with the energy method alone where the beam model failed.
    std::vector<ToneSummary> comparedTones() const;
};

ShipRun runShip(Ship ship, RunRequest request);

// The results of `tone` as the run computed them, in `sheet`, whose typed
// section inertias stay; emptied where the run holds no such tone.
void showToneResults(const ShipRun& run, int tone, VibrationSheet& sheet);

// Why the run holds no stability at large angles, as the page and the report
// say it: z_g not typed (named by the particular's own caption), the step's
// failure with its place, an earlier step's failure, or no run yet; empty
// when it completed.
std::string largeAngleStabilityAbsence(const ShipRun& run);
// The Campbell diagram of the run's resonance check: the tones at the
// frequencies the check took, the excitations of the typed propulsion against
// shaft speed, the operating speed marked; no series without a check.
ChartModel campbellDiagramOf(const ShipRun& run);

// A ship whose input could not be loaded: `ship` is what the user's edits made
// of the blank one; nothing is computed.
ShipRun unloadedShip(Ship ship, std::string inputFile, std::string message);

// The first line of a message: what the JSON and the first line on standard error hold.
std::string firstLine(const std::string& message);

}  // namespace hullcalc
