// Longitudinal strength after the trim calculation: the ship balanced on a
// wave in hogging and sagging, the equivalent girder of the midship section,
// the stresses at the deck and the bottom against the allowable stress, and
// the rule wave moments of sea-going ships beside them.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "strength/hull_girder.h"
#include "strength/hull_steel.h"
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
    double yieldMargin = 0.0;   // (σ_yield − max|σ|) / σ_yield, %
    bool exceeded = false;
    bool yielded = false;  // max|σ| above the yield stress

    bool operator==(const GirderStress&) const = default;
};

struct StrengthSheet {
    StrengthSheet();

    DesignWave wave;
    WaveBalance hogging;
    WaveBalance sagging;
    HullGirder girder;
    // Where the wave height comes from: typed, the navigation class, L/20.
    std::string waveSource;
    HullSteel steel = HullSteel::mild;
    double yieldStress = 0.0;      // of the steel, MPa
    double allowableStress = 0.0;  // of the steel: the typed one of mild steel / k_L, MPa
    std::array<GirderStress, loadCaseCount> stresses{};
    RuleWaveLoads ruleLoads;
    // Still water, hogging and sagging along the hull (x: frame number); each
    // chart has two more series, the still-water value plus the rule's wave
    // loads, filled where the rule applies.
    ChartModel shearForceChart;
    ChartModel bendingMomentChart;
    // The frames where a wave case's surface goes over the deck or under the
    // keel, and one line per case whose stress exceeds the allowable or the
    // yield stress.
    std::vector<std::string> warnings;
    bool complete = false;

    const WaveBalance& balance(WaveCase waveCase) const { return waveCase == WaveCase::hogging ? hogging : sagging; }

    bool operator==(const StrengthSheet&) const = default;
};

// Empties every result, so that a failed run leaves nothing to be taken for
// current.
void clearStrengthResults(StrengthSheet& sheet);

// The design wave height, m, and where it comes from.
struct DesignWaveHeight {
    double height = 0.0;
    std::string source;
};

// The wave height the input gives: its text; when empty the navigation
// class's height for a river ship, L/20 for a sea-going one. Throws Error for
// a text that is not a number, and for a river ship with no class whose height
// a source confirms.
DesignWaveHeight designWaveHeight(const StrengthInput& input, double length, bool seaGoing);

// The block coefficient V(T)/(L·B·T) of the hull at an even-keel draft T, its
// volume summed over the frames as the balancing on the wave sums it.
double blockCoefficientAtDraft(const TrimSheet& trim, const ParticularValues& particulars, double depth, double draft);

// The allowable stress the input gives, MPa. Throws FieldError naming the
// field for a text that is no number, one too large, or a value not above zero.
double readAllowableStress(const StrengthInput& input);

// Runs after a complete trim calculation (throws Error otherwise): balances
// the ship on the wave in both cases, sums the girder, works out the stresses
// and the rule's wave moments and draws the charts. `particulars` as the trim
// calculation read them, `depth` H (readDepth), m; `seaGoing` for the rule loads;
// `designDraft` the draft T as typed, the rule's scantling draught unless the
// input gives its own.
void runStrengthCalculation(const TrimSheet& trim, const ParticularValues& particulars, double depth, bool seaGoing,
                            std::string_view designDraft, const StrengthInput& input, StrengthSheet& sheet);

// The same, reading the particulars' texts first.
void runStrengthCalculation(const TrimSheet& trim, const ShipParticulars& particulars, const StrengthInput& input,
                            StrengthSheet& sheet);

}  // namespace hullcalc
