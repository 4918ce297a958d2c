// Longitudinal strength after the trim calculation: the ship balanced on a
// wave in hogging and sagging, the equivalent girder of the midship section,
// the stresses at the deck and the bottom against the allowable stress, and
// the rule wave moments of sea-going ships beside them.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "strength/hull_girder.h"
#include "strength/rule_wave_loads.h"
#include "strength/ship_on_wave.h"
#include "strength/strength_input.h"
#include "strength/wave_profile.h"
#include "trim/particular_values.h"
#include "trim/trim_sheet.h"

#include <array>
#include <string>
#include <vector>

namespace hullcalc {

enum class LoadCase { stillWater, hogging, sagging };
inline constexpr int loadCaseCount = 3;
std::string_view loadCaseCaption(LoadCase loadCase);

// The stresses at the frame of a case's largest |M|; positive is tension.
struct GirderStress {
    int frame = 0;
    double moment = 0.0;        // kN·m
    double deckStress = 0.0;    // M / W_deck, MPa
    double bottomStress = 0.0;  // −M / W_bottom, MPa
    double margin = 0.0;        // (σ_allow − max|σ|) / σ_allow, %
    bool exceeded = false;

    bool operator==(const GirderStress&) const = default;
};

struct StrengthSheet {
    StrengthSheet();

    DesignWave wave;
    WaveBalance hogging;
    WaveBalance sagging;
    HullGirder girder;
    double allowableStress = 0.0;  // MPa
    std::array<GirderStress, loadCaseCount> stresses{};
    RuleWaveLoads ruleLoads;
    // Still water, hogging and sagging along the hull (x: frame number); the
    // moment chart has two more series, the still-water moment plus the rule's
    // wave moments, filled where the rule applies.
    ChartModel shearForceChart;
    ChartModel bendingMomentChart;
    // One line per case whose stress exceeds the allowable.
    std::vector<std::string> warnings;
    bool complete = false;

    const WaveBalance& balance(WaveCase waveCase) const { return waveCase == WaveCase::hogging ? hogging : sagging; }

    bool operator==(const StrengthSheet&) const = default;
};

// Empties every result, so that a failed run leaves nothing to be taken for
// current.
void clearStrengthResults(StrengthSheet& sheet);

// The wave height the input gives: its text, or L/20 when empty. Throws
// Error for a text that is not a number.
double designWaveHeight(const StrengthInput& input, double length);

// Runs after a complete trim calculation (throws Error otherwise): balances
// the ship on the wave in both cases, sums the girder, works out the stresses
// and the rule's wave moments and draws the charts. `particulars` as the trim
// calculation read them, `depth` H (readDepth), m; `seaGoing` for the rule loads.
void runStrengthCalculation(const TrimSheet& trim, const ParticularValues& particulars, double depth, bool seaGoing,
                            const StrengthInput& input, StrengthSheet& sheet);

// The same, reading the particulars' texts first.
void runStrengthCalculation(const TrimSheet& trim, const ShipParticulars& particulars, const StrengthInput& input,
                            StrengthSheet& sheet);

}  // namespace hullcalc
