// Tones I to IV of vertical hull-girder vibration side by side: the energy
// method's frequency and the finite-element beam model's on the same masses.
#pragma once

#include "common/text_grid.h"
#include "trim/particular_values.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration.h"
#include "vibration/vibration_options.h"
#include "vibration/vibration_sheet.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace hullcalc {

// The energy method's side of the computed sheet's tone: its stiffness, mass,
// frequency and shape, with no beam model (frequencies 0, shapes empty).
// Throws Error for a sheet that holds no completed calculation.
ToneSummary energyMethodSummary(const VibrationSheet& computedSheet);

// The beam model of the tone the energy method has just computed in
// `computedSheet`: one element per spacing, frameSpacing m long (ΔL of the
// trimmed hull), with the section inertia (column 20, m⁴) and the mass per
// metre of hull and added water (column 7, t/m) of the sheet's table as that
// run left them, and the modulus hullModulus. The tone is the sheet's tone,
// the n-th elastic mode of the beam; the energy method's stiffness, mass and
// frequency are read back from the sheet's result texts. Throws Error when the
// sheet holds no completed run, and the beam model's Error on a value that is
// not positive.
ToneSummary beamModelOf(const VibrationSheet& computedSheet, double frameSpacing);

// How the beam models take the tones beyond the energy method's table: the
// added mass of water and the beam with shear, as numbers.
struct BeamSettings {
    AddedMassMethod addedMass = AddedMassMethod::formula;
    std::array<std::optional<double>, 4> typedReduction;  // J of tones I..IV for Lewis's added mass
    // The shear area of the midship section, m²; none: no beam with shear.
    std::optional<double> midshipShearArea;
    double poissonRatio = 0.3;
    double depth = 0.0;  // H, m, for the rotary inertia of the masses
};

// The settings of the typed options: the shear area typed or taken from the
// midship section's vertical members (girderMembers, may be null), H and ν.
// Without a shear area and a section to take it from, the beam with shear is
// left out and `note` says so; with the area from the section, it names the
// members. Throws Error on a text that is not a number.
BeamSettings beamSettingsOf(const VibrationOptions& options, const TextGrid* girderMembers, double depth,
                            std::string& note);

// The beam model of the computed sheet's tone, as beamModelOf, with the added
// mass of `settings` (Lewis's for tones I and II, and for III and IV where J is
// typed; the formula's otherwise) and, when it has a shear area, the beam with
// shear on the same masses (rotary inertia of the hull's masses over the depth).
ToneSummary beamModelsOf(const VibrationSheet& computedSheet, const ParticularValues& particulars, double frameSpacing,
                         const BeamSettings& settings);

// Tones I to IV one after another, each by the energy method (computeVibration)
// and then by beamModelOf, on a scratch copy of `sheet`: the caller's sheet -
// its section inertias are used - keeps its table, chart, texts and tone.
// Throws what the two calculations throw; a section inertia that is not a
// number is named in the caller's sheet.
std::vector<ToneSummary> compareTones(const TrimmedHull& hull, const ParticularValues& particulars,
                                      const VibrationSheet& sheet);
// ... with the beam models of `settings`.
std::vector<ToneSummary> compareTones(const TrimmedHull& hull, const ParticularValues& particulars,
                                      const VibrationSheet& sheet, const BeamSettings& settings);

// Which result to take for the tone: the beam with shear where it was
// computed (shear deflection lowers the higher tones most), else the bending
// beam for tones III and IV and the energy method for I and II.
std::string recommendedMethod(const ToneSummary& tone);
// The frequency of that result, ω, 1/s.
double recommendedFrequency(const ToneSummary& tone);

// Where the energy method's frequency of a tone differs from the beam model's
// by more than this, in % of the beam model's, the user is told which to
// believe. The energy method's assumed sine shapes suit tones I and II; for
// tones III and IV on a uniform beam it already lies 23 % and 14 % below the
// exact frequency, which the beam model approaches as the spacings shrink.
inline constexpr double toneDifferenceLimitPercent = 10.0;

// "Тон III: энергетический метод отличается от балочной модели на 47 %; ...",
// one per tone beyond the limit, in the order of `tones`; against the beam
// with shear where it was computed.
std::vector<std::string> toneDifferenceWarnings(const std::vector<ToneSummary>& tones);

}  // namespace hullcalc
