// Tones I to IV of vertical hull-girder vibration side by side: the energy
// method's frequency and the finite-element beam model's on the same masses.
#pragma once

#include "trim/particular_values.h"
#include "vibration/tone_summary.h"
#include "vibration/vibration.h"
#include "vibration/vibration_sheet.h"

#include <string>
#include <vector>

namespace hullcalc {

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

// Tones I to IV one after another, each by the energy method (computeVibration)
// and then by beamModelOf, on a scratch copy of `sheet`: the caller's sheet -
// its section inertias are used - keeps its table, chart, texts and tone.
// Throws what the two calculations throw; a section inertia that is not a
// number is named in the caller's sheet.
std::vector<ToneSummary> compareTones(const TrimmedHull& hull, const ParticularValues& particulars,
                                      const VibrationSheet& sheet);

// Where the energy method's frequency of a tone differs from the beam model's
// by more than this, in % of the beam model's, the user is told which to
// believe. The energy method's assumed sine shapes suit tones I and II; for
// tones III and IV on a uniform beam it already lies 23 % and 14 % below the
// exact frequency, which the beam model approaches as the spacings shrink.
inline constexpr double toneDifferenceLimitPercent = 10.0;

// "Тон III: энергетический метод отличается от балочной модели на 47 %; ...",
// one per tone beyond the limit, in the order of `tones`.
std::vector<std::string> toneDifferenceWarnings(const std::vector<ToneSummary>& tones);

}  // namespace hullcalc
