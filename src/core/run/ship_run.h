// One way to run a ship, for every front end: the checks and the trim
// calculation, the vibration of a tone with the beam model beside it, and
// Kumai's estimate of tone I. Each returns its results, its warnings and, when
// it stopped, the message with the place of its cause; none throws for bad input.
#pragma once

#include "run/failure_place.h"
#include "run/ship.h"
#include "strength/strength_calculation.h"
#include "trim/design_checks.h"
#include "trim/particular_values.h"
#include "trim/trim_sheet.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration_sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// The columns of the vibration table a result reads, rows 1..20 the spacings.
namespace vibrationTableColumn {
inline constexpr int massPerMetre = 7;  // hull and added water, t/m
inline constexpr int modeShape = 17;    // the corrected mode shape w
}  // namespace vibrationTableColumn

// A calculation or the loading stopped: the message the windows show and
// where its cause stands.
struct RunFailure {
    std::string message;
    FailurePlace place;
};

// The failure of `error` with its place in `trim` or `vibration` (may be null).
RunFailure runFailureOf(const std::exception& error, const TrimSheet& trim, const VibrationSheet* vibration = nullptr);

// "Расчет" of the trim window with «Проверка данных» around it.
struct TrimRun {
    TrimSheet sheet;  // complete only when the calculation ran to its end
    // The particulars as the calculation read them, once, for the tones and
    // the estimate of the same run (zero until it read them).
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

// A whole ship as the command line computes it: trim, then each tone asked
// for until one fails, then (with `kumai`, after tone I) the estimate.
struct ShipRun {
    std::optional<std::string> inputFile;  // as given; none for the example ship
    bool inputLoaded = true;               // false when the input file could not be read
    Ship ship;                             // the input, the user's edits included
    TrimRun trim;
    std::vector<ToneRun> tones;  // those attempted: none after a failed trim calculation
    std::optional<KumaiEstimate> kumai;
    // The strength check, run after the trim calculation when the ship holds
    // its input; complete only when it ran to its end.
    std::optional<StrengthSheet> strength;
    std::optional<RunFailure> failure;  // the first
};

ShipRun runShip(Ship ship, const std::vector<int>& tones, bool kumai);

// A ship whose input could not be loaded: `ship` is what the user's edits made
// of the blank one; nothing is computed.
ShipRun unloadedShip(Ship ship, std::string inputFile, std::string message);

// The first line of a message: what the JSON and the first line on standard error hold.
std::string firstLine(const std::string& message);

}  // namespace hullcalc
